#pragma once
// Several devices sharing one line. The bus takes every request frame put on the line, records
// it, and hands it to the device at its address (to every device for address 0, the broadcast,
// which no device answers).
#include "sim/sim_device.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <memory>
#include <vector>

// An answer as it leaves one device: the bytes and when and how they go on the line.
struct SimReply {
    QByteArray bytes;
    int delayMs = 0;    // from the end of the request to the first byte
    int chunkSize = 0;  // 0: one piece
    int chunkGapMs = 0; // pause between the pieces
};

class SimBus {
public:
    static constexpr uint8_t Broadcast = 0x00;

    // The device stays owned by the bus; the reference lives as long as the bus.
    SimDevice& addDevice(uint8_t address, SimModel model = SimModel::Korvanta10C, uint32_t serial = 1234567);
    // The first device that has this bus address now; nullptr when none has.
    SimDevice* device(uint8_t address) const;
    const std::vector<std::unique_ptr<SimDevice>>& devices() const { return devices_; }

    // One request frame as it went on the line. Frames shorter than four bytes or with a wrong
    // checksum reach no device. Returns the answers, in the order of the devices.
    std::vector<SimReply> submit(const QByteArray& frame);

    // Every frame submitted, in order, whether or not a device took it.
    const QList<QByteArray>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }

private:
    std::vector<std::unique_ptr<SimDevice>> devices_;
    QList<QByteArray> requests_;
};
