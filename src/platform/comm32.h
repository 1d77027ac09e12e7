#pragma once
// The serial port component the program talks through. Settings are properties, applied at once
// to an open port; Open raises ECommsError with the component's texts; Write queues and returns;
// received bytes arrive through OnReceiveData on the user-interface thread.
#include "platform/serial_transport.h"

#include <QObject>
#include <functional>
#include <memory>

class TComm32 : public QObject {
    Q_OBJECT
public:
    // Takes ownership of the transport.
    explicit TComm32(std::unique_ptr<SerialTransport> transport, QObject* parent = nullptr);
    ~TComm32() override;

    const LineSettings& Settings() const { return settings_; }
    QString CommPort() const { return settings_.port; }
    void SetCommPort(const QString& port);
    int BaudRate() const { return settings_.baudRate; }
    void SetBaudRate(int rate);
    ByteSizeSetting ByteSize() const { return settings_.byteSize; }
    void SetByteSize(ByteSizeSetting size);
    ParitySetting Parity() const { return settings_.parity; }
    void SetParity(ParitySetting parity);
    StopBitsSetting StopBits() const { return settings_.stopBits; }
    void SetStopBits(StopBitsSetting bits);
    FlowControlSetting FlowControl() const { return settings_.flowControl; }
    void SetFlowControl(FlowControlSetting flow);
    void SetRxQueue(int size) { settings_.rxQueue = size; }
    void SetTxQueue(int size) { settings_.txQueue = size; }

    bool Connected() const;
    // Raises ECommsError: "Порт уже открыт!", "Oшибка открытия com порта!",
    // "File handle is not a comm handle. ", "неверные параметры порта!".
    void Open();
    void Close();
    // Queues the bytes. False when nothing was queued: the port is closed (nothing happens), or
    // the port refused them (the port is then closed and the failure reported once through
    // OnLineFailure). A frame for which this is false never went out.
    bool Write(const QByteArray& bytes);

    QStringList AvailablePorts(const QString& storedPort) const;
    SerialTransport& Transport() { return *transport_; }

    // Received bytes, one call per completed read.
    std::function<void(const QByteArray& buffer)> OnReceiveData;
    // The open port failed (USB adapter pulled, write refused, new line settings refused): it
    // has been closed already. Called once per failure, from the event queue, never from
    // inside a call of this component.
    std::function<void(const QString& systemText)> OnLineFailure;

private:
    void applyIfOpen();
    void fail(const QString& text);

    std::unique_ptr<SerialTransport> transport_;
    LineSettings settings_;
    // Set by a successful Open, cleared by Close and by the first failure report: a failing
    // device that keeps signalling is reported once, and a closed port never.
    bool failureReportable_ = false;
};
