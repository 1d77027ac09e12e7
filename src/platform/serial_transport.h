#pragma once
// The seam under the serial port component: the real serial device (Qt Serial Port) in the
// program, the in-process device simulator in tests.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

enum class ByteSizeSetting { sz_7, sz_8 };
enum class ParitySetting { pNone, pOdd, pEven, pMark, pSpace };
enum class StopBitsSetting { sb1_0, sb1_5, sb2_0 };
enum class FlowControlSetting { fcNone, fcHardware, fcSoftware };

struct LineSettings {
    QString port = "\\\\.\\COM17";
    int baudRate = 9600;
    ByteSizeSetting byteSize = ByteSizeSetting::sz_8;
    ParitySetting parity = ParitySetting::pNone;
    StopBitsSetting stopBits = StopBitsSetting::sb1_0;
    FlowControlSetting flowControl = FlowControlSetting::fcNone;
    int rxQueue = 4096;
    int txQueue = 4096;
};

enum class OpenFailure {
    None,
    CannotOpen,     // absent or in use
    NotCommHandle,  // the name is no serial device
    BadSettings,    // the line settings were refused
};

class SerialTransport {
public:
    virtual ~SerialTransport() = default;

    // Opens the device named by settings.port with the settings; DTR raised.
    virtual OpenFailure open(const LineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Applies changed line settings to the open device; false when refused.
    virtual bool apply(const LineSettings& settings) = 0;
    // Queues bytes for the line; false when the device refused them at once.
    virtual bool write(const QByteArray& bytes) = 0;
    // The names under which the serial ports present can be opened, in a stable order.
    // storedPort is the name the settings hold (a pseudo-terminal path is listed when it exists).
    virtual QStringList availablePorts(const QString& storedPort) const = 0;

    // Set by the component: bytes received, on the user-interface thread, in order.
    std::function<void(const QByteArray&)> onReceived;
    // Set by the component: the open device failed (write error, device gone), with the system's text.
    std::function<void(const QString&)> onFailure;
};
