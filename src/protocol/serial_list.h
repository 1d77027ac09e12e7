#pragma once
// Serial-number lists: one Windows-1251 text file per device type, "SN_<type code>.TXT" in the
// program's directory, headed by ";Список серийных номеров изделия ..." and holding one line per
// serial number already given out, each beginning with its serial key. Writing a serial number
// is allowed only for a device whose type has such a list and whose present number is not in it.
#include <QString>
#include <QStringList>

// programDir + "SN_" + code + ".TXT". Only the file name is put in upper case: on a
// case-sensitive file system an upper-cased directory would name another (usually missing)
// directory, and on a case-insensitive one it names the same file either way.
QString SerialListPath(const QString& programDir, const QString& typeCode);

// The first line, trimmed of blanks and control characters, begins with the list header.
bool IsSerialListHeader(const QString& firstLine);

// The lines hold a list header and no line whose first 10 characters are the serial key.
bool SerialListPermitsWrite(const QStringList& lines, const QString& serialKey);
// The same over the list file; a missing file permits nothing. Raises EInOutError when the file
// exists but cannot be read.
bool SerialWritePermitted(const QString& listPath, const QString& serialKey);
