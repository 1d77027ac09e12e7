#include "platform/qt_serial_transport.h"

#include "platform/device_names.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace {

QSerialPort::DataBits dataBits(ByteSizeSetting size) {
    return size == ByteSizeSetting::sz_7 ? QSerialPort::Data7 : QSerialPort::Data8;
}

QSerialPort::Parity parity(ParitySetting p) {
    switch (p) {
    case ParitySetting::pOdd:
        return QSerialPort::OddParity;
    case ParitySetting::pEven:
        return QSerialPort::EvenParity;
    case ParitySetting::pMark:
        return QSerialPort::MarkParity;
    case ParitySetting::pSpace:
        return QSerialPort::SpaceParity;
    case ParitySetting::pNone:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits stopBits(StopBitsSetting bits) {
    switch (bits) {
    case StopBitsSetting::sb1_5:
        return QSerialPort::OneAndHalfStop;
    case StopBitsSetting::sb2_0:
        return QSerialPort::TwoStop;
    case StopBitsSetting::sb1_0:
        break;
    }
    return QSerialPort::OneStop;
}

QSerialPort::FlowControl flowControl(FlowControlSetting flow) {
    switch (flow) {
    case FlowControlSetting::fcHardware:
        return QSerialPort::HardwareControl;
    case FlowControlSetting::fcSoftware:
        return QSerialPort::SoftwareControl;
    case FlowControlSetting::fcNone:
        break;
    }
    return QSerialPort::NoFlowControl;
}

bool isFatal(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}

// A path that exists but is no character device (a regular file, a folder) is no serial device
// at all, whatever the system said when it was opened.
bool existsAsNonDevice(const QString& port) {
#ifdef Q_OS_UNIX
    // Qt Serial Port's own rule: a bare name lives in /dev.
    const bool isPath = port.startsWith(u'/') || port.startsWith(QLatin1String("./")) ||
                        port.startsWith(QLatin1String("../"));
    const QString path = isPath ? port : QStringLiteral("/dev/") + port;
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISCHR(st.st_mode);
#else
    Q_UNUSED(port);
    return false;
#endif
}

#ifdef Q_OS_UNIX
// Pseudo-terminal slaves (/dev/pts/N) have these device numbers.
bool isPtySlave(const struct stat& st) {
    constexpr unsigned int firstPtySlaveMajor = 136;
    constexpr unsigned int lastPtySlaveMajor = 143;
    const unsigned int majorNumber = major(st.st_rdev);
    return S_ISCHR(st.st_mode) && majorNumber >= firstPtySlaveMajor && majorNumber <= lastPtySlaveMajor;
}

// A terminal device the system's port list leaves out: a pseudo-terminal (also through a link
// such as the one socat or the device simulator makes) or another device of the tty class.
// Decided from the device numbers alone, without opening it: opening a real line drops and
// raises its DTR, which resets some devices.
bool isTerminalDevice(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return false;
    if (isPtySlave(st))
        return true;
    const QString subsystem =
        QStringLiteral("/sys/dev/char/%1:%2/subsystem").arg(major(st.st_rdev)).arg(minor(st.st_rdev));
    return QFileInfo(subsystem).canonicalFilePath().endsWith(QLatin1String("/class/tty"));
}

bool isPseudoTerminal(qintptr handle) {
    struct stat st {};
    return ::fstat(int(handle), &st) == 0 && isPtySlave(st);
}

// A hung-up line (the other end of a pseudo-terminal closed) reads as end of file, for which
// Qt reports whatever error number was left over; poll tells the real state.
bool isHungUp(qintptr handle) {
    pollfd fd{int(handle), POLLIN, 0};
    return ::poll(&fd, 1, 0) == 1 && (fd.revents & POLLHUP);
}
#else
bool isPseudoTerminal(qintptr) {
    return false;
}
#endif

} // namespace

QtSerialTransport::QtSerialTransport(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialTransport::readAvailable);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialTransport::handleError);
}

QtSerialTransport::~QtSerialTransport() {
    close();
}

OpenFailure QtSerialTransport::open(const LineSettings& settings) {
    close();
    // Open with settings every terminal accepts, so that a refusal of the chosen ones is told
    // apart from a path that is no terminal at all.
    port_.setPortName(settings.port);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_.error();
        port_.clearError();
        if (error == QSerialPort::UnsupportedOperationError || existsAsNonDevice(settings.port))
            return OpenFailure::NotCommHandle;
        return OpenFailure::CannotOpen;
    }
    if (!apply(settings)) {
        port_.close();
        return OpenFailure::BadSettings;
    }
    established_ = true;
    return OpenFailure::None;
}

void QtSerialTransport::close() {
    established_ = false;
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

bool QtSerialTransport::isOpen() const {
    return port_.isOpen();
}

bool QtSerialTransport::apply(const LineSettings& settings) {
    if (!port_.isOpen())
        return false;
    // A pseudo-terminal always carries 8-bit bytes without parity; some kernels refuse the
    // request instead of ignoring it. Without a line there is nothing to get wrong, so the
    // device simulator stays usable with every setting.
    const bool characterFormatFixed = isPseudoTerminal(port_.handle());
    bool accepted = port_.setBaudRate(settings.baudRate);
    accepted = accepted && (port_.setDataBits(dataBits(settings.byteSize)) || characterFormatFixed);
    accepted = accepted && (port_.setParity(parity(settings.parity)) || characterFormatFixed);
    accepted = accepted && port_.setStopBits(stopBits(settings.stopBits));
    accepted = accepted && port_.setFlowControl(flowControl(settings.flowControl));
    port_.clearError();
    if (accepted)
        setModemLines(settings);
    return accepted;
}

void QtSerialTransport::setModemLines(const LineSettings& settings) {
    // A pseudo-terminal has no modem lines: the refusal is expected and harmless.
    if (!port_.setDataTerminalReady(true))
        port_.clearError();
    if (settings.flowControl != FlowControlSetting::fcHardware && !port_.setRequestToSend(false))
        port_.clearError();
}

bool QtSerialTransport::write(const QByteArray& bytes) {
    if (!established_)
        return false;
    if (port_.write(bytes) == bytes.size())
        return true;
    // The refusal may already have been reported through errorOccurred during the write.
    if (established_)
        failOpenPort(port_.errorString());
    return false;
}

void QtSerialTransport::readAvailable() {
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty() && onReceived)
        onReceived(bytes);
}

void QtSerialTransport::handleError(QSerialPort::SerialPortError error) {
    if (established_ && isFatal(error))
        failOpenPort(failureText(error));
}

QString QtSerialTransport::failureText(QSerialPort::SerialPortError error) const {
#ifdef Q_OS_UNIX
    if (error != QSerialPort::WriteError && isHungUp(port_.handle()))
        return qt_error_string(EIO);
#else
    Q_UNUSED(error);
#endif
    return port_.errorString();
}

void QtSerialTransport::failOpenPort(const QString& text) {
    // Closed before the report, so the failed descriptor cannot flood further errors.
    close();
    if (onFailure)
        onFailure(text);
}

QStringList QtSerialTransport::availablePorts(const QString& storedPort) const {
#ifdef Q_OS_WIN
    Q_UNUSED(storedPort);
    return ComNamesFromDeviceTable(ReadDeviceNameTable(), QStringLiteral("COM"));
#else
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append(info.systemLocation());
    std::sort(ports.begin(), ports.end(), NaturalLess);
    ports.removeDuplicates();
    if (!storedPort.isEmpty() && !ports.contains(storedPort) && isTerminalDevice(storedPort))
        ports.append(storedPort);
    return ports;
#endif
}
