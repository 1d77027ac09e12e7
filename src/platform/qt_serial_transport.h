#pragma once
// The real serial device under the serial port component: Qt Serial Port on the user-interface
// thread. Opens devices and pseudo-terminals by path, raises DTR, keeps RTS inactive unless the
// hardware handshake drives it, and reports a device that fails while open exactly once.
#include "platform/serial_transport.h"

#include <QObject>
#include <QSerialPort>

class QtSerialTransport : public QObject, public SerialTransport {
    Q_OBJECT
public:
    explicit QtSerialTransport(QObject* parent = nullptr);
    ~QtSerialTransport() override;

    OpenFailure open(const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override;
    bool apply(const LineSettings& settings) override;
    bool write(const QByteArray& bytes) override;
    QStringList availablePorts(const QString& storedPort) const override;

private:
    void readAvailable();
    void handleError(QSerialPort::SerialPortError error);
    void failOpenPort(const QString& text);
    void setModemLines(const LineSettings& settings);
    QString failureText(QSerialPort::SerialPortError error) const;

    QSerialPort port_;
    // True from a completed open until close or failure: errors outside this span (the DTR
    // refusal of a pseudo-terminal during open, the echo of clearError) are not failures.
    bool established_ = false;
};
