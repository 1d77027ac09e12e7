#pragma once
// The serial ports present, under the names they are opened by.
#include <QString>
#include <QStringList>

class TComm32;

// Shown when the system has no serial port: exchange with devices cannot work.
inline const QString NoComPortMessage =
    QStringLiteral("В Вашей системе не установлено ни одного COM порта, обмен с устройствами работать не будет!");

// Fills list with the ports present whose names begin with prefix ("COM"). On Windows this is
// the "COM" entries of the device name table in table order; on Linux the device paths in
// natural order, plus storedPort when it is a terminal device not among them.
void EnumComPorts(QStringList& list, const QString& prefix, const TComm32& comm, const QString& storedPort);
