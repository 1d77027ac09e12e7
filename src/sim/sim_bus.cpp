#include "sim/sim_bus.h"

#include "link/frame.h"

SimDevice& SimBus::addDevice(uint8_t address, SimModel model, uint32_t serial) {
    devices_.push_back(std::make_unique<SimDevice>(address, model, serial));
    return *devices_.back();
}

SimDevice* SimBus::device(uint8_t address) const {
    for (const auto& d : devices_)
        if (d->address == address)
            return d.get();
    return nullptr;
}

std::vector<SimReply> SimBus::submit(const QByteArray& frame) {
    requests_.append(frame);
    std::vector<SimReply> replies;
    if (!AnswerChecksumOk(frame))
        return replies;
    const auto address = static_cast<uint8_t>(frame[0]);
    const auto function = static_cast<uint8_t>(frame[1]);

    // Decide who is addressed before any of them acts, since a write can change an address.
    std::vector<SimDevice*> addressed;
    for (const auto& d : devices_)
        if (address == Broadcast || d->address == address)
            addressed.push_back(d.get());

    for (SimDevice* d : addressed) {
        const bool faulty = d->faults.hits(function);
        if (faulty && d->faults.noAnswer)
            continue;
        auto answer = d->handle(frame);
        if (address == Broadcast || !answer)
            continue;
        SimReply reply{*answer, d->reactionMs, 0, 0};
        if (faulty) {
            reply.delayMs += d->faults.lateMs;
            reply.chunkSize = d->faults.chunkSize;
            reply.chunkGapMs = d->faults.chunkGapMs;
            if (d->faults.badCrc)
                reply.bytes[reply.bytes.size() - 1] = static_cast<char>(~reply.bytes.back());
        }
        replies.push_back(reply);
    }
    return replies;
}
