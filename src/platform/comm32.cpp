#include "platform/comm32.h"

#include "platform/errors.h"

namespace {

const QString BadSettingsText = QStringLiteral("неверные параметры порта!");

QString openFailureText(OpenFailure failure) {
    switch (failure) {
    case OpenFailure::NotCommHandle:
        return QStringLiteral("File handle is not a comm handle. ");
    case OpenFailure::BadSettings:
        return BadSettingsText;
    case OpenFailure::CannotOpen:
    case OpenFailure::None:
        break;
    }
    return QStringLiteral("Oшибка открытия com порта!");
}

} // namespace

TComm32::TComm32(std::unique_ptr<SerialTransport> transport, QObject* parent)
    : QObject(parent), transport_(std::move(transport)) {
    transport_->onReceived = [this](const QByteArray& bytes) {
        if (OnReceiveData)
            OnReceiveData(bytes);
    };
    transport_->onFailure = [this](const QString& text) { fail(text); };
}

TComm32::~TComm32() {
    transport_->onReceived = nullptr;
    transport_->onFailure = nullptr;
    transport_->close();
}

void TComm32::SetCommPort(const QString& port) {
    // A new name takes effect at the next open, never on the open port.
    settings_.port = port;
}

void TComm32::SetBaudRate(int rate) {
    if (settings_.baudRate == rate)
        return;
    settings_.baudRate = rate;
    applyIfOpen();
}

void TComm32::SetByteSize(ByteSizeSetting size) {
    if (settings_.byteSize == size)
        return;
    settings_.byteSize = size;
    applyIfOpen();
}

void TComm32::SetParity(ParitySetting parity) {
    if (settings_.parity == parity)
        return;
    settings_.parity = parity;
    applyIfOpen();
}

void TComm32::SetStopBits(StopBitsSetting bits) {
    if (settings_.stopBits == bits)
        return;
    settings_.stopBits = bits;
    applyIfOpen();
}

void TComm32::SetFlowControl(FlowControlSetting flow) {
    if (settings_.flowControl == flow)
        return;
    settings_.flowControl = flow;
    applyIfOpen();
}

bool TComm32::Connected() const {
    return transport_->isOpen();
}

void TComm32::Open() {
    if (Connected())
        throw ECommsError(QStringLiteral("Порт уже открыт!"));
    const OpenFailure failure = transport_->open(settings_);
    if (failure == OpenFailure::None) {
        failureReportable_ = true;
        return;
    }
    transport_->close();
    throw ECommsError(openFailureText(failure));
}

void TComm32::Close() {
    failureReportable_ = false;
    if (Connected())
        transport_->close();
}

bool TComm32::Write(const QByteArray& bytes) {
    if (!Connected())
        return false;
    if (transport_->write(bytes))
        return true;
    fail(QStringLiteral("Error writing to device"));
    return false;
}

QStringList TComm32::AvailablePorts(const QString& storedPort) const {
    return transport_->availablePorts(storedPort);
}

void TComm32::applyIfOpen() {
    // Settings the open device refuses leave the line in an unknown state: the port is closed
    // and the refusal reported; the settings are kept, so the next open tries them again and
    // raises the component's error there.
    if (Connected() && !transport_->apply(settings_))
        fail(BadSettingsText);
}

void TComm32::fail(const QString& text) {
    if (!failureReportable_)
        return;
    failureReportable_ = false;
    transport_->close();
    // Reported from the event queue: the failure may be detected deep inside the device's own
    // signal handling or inside a write, and the handler may show a modal box.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            if (OnLineFailure)
                OnLineFailure(text);
        },
        Qt::QueuedConnection);
}
