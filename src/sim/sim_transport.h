#pragma once
// The serial transport seam served by an in-process bus of simulated devices. Each write() is one
// request frame; the answers come back through onReceived from the Qt event loop, after the
// device's delay and the time the bytes take on the line at the opened line speed.
#include "platform/serial_transport.h"
#include "sim/sim_bus.h"

#include <QObject>
#include <QStringList>

class SimTransport : public SerialTransport {
public:
    explicit SimTransport(SimBus& bus);

    OpenFailure open(const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool apply(const LineSettings& settings) override;
    bool write(const QByteArray& bytes) override;
    QStringList availablePorts(const QString& storedPort) const override;

    // What the test can set. An empty port list is a system without serial ports.
    void setAvailablePorts(const QStringList& ports) { ports_ = ports; }
    // Every later open fails this way until set back to OpenFailure::None.
    void setOpenFailure(OpenFailure failure) { openFailure_ = failure; }
    void setApplyResult(bool accepted) { applyResult_ = accepted; }
    // Off: answers come after the device's delay only, as if the line had no speed.
    void setWireTime(bool on) { wireTime_ = on; }

    // The device vanished (USB adapter pulled): the port closes and onFailure gets the text.
    void deviceGone(const QString& systemText = QStringLiteral("Input/output error"));

    // What the program did with the port.
    const LineSettings& settings() const { return settings_; } // of the last open or accepted apply
    int openCount() const { return openCount_; }
    int closeCount() const { return closeCount_; }

    SimBus& bus() { return bus_; }

private:
    void deliver(const QByteArray& piece, int generation);

    SimBus& bus_;
    QObject timers_; // owns the pending deliveries, so that none outlives the transport
    QStringList ports_{QStringLiteral("SIM")};
    OpenFailure openFailure_ = OpenFailure::None;
    bool applyResult_ = true;
    bool wireTime_ = true;
    bool open_ = false;
    int generation_ = 0; // a delivery scheduled before the last close is dropped
    LineSettings settings_;
    int openCount_ = 0;
    int closeCount_ = 0;
};
