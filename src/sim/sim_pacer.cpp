#include "sim/sim_pacer.h"

#include "sim/sim_timing.h"

#include <algorithm>

void SimPacer::schedule(const SimReply& reply, SimLineClock::time_point requestEnd, double charMs) {
    const SimLineClock::time_point start =
        pending_.empty() ? requestEnd : std::max(requestEnd, pending_.back().first);
    for (int i = 0; i < reply.bytes.size(); ++i)
        pending_.emplace_back(start + simMs(simByteDueMs(reply, i, charMs)), reply.bytes[i]);
}

std::optional<SimLineClock::time_point> SimPacer::nextDue() const {
    if (pending_.empty())
        return std::nullopt;
    return pending_.front().first;
}

QByteArray SimPacer::takeDue(SimLineClock::time_point now) {
    QByteArray due;
    while (!pending_.empty() && pending_.front().first <= now) {
        due.append(pending_.front().second);
        pending_.pop_front();
    }
    return due;
}

void SimPacer::putBack(const QByteArray& bytes, SimLineClock::time_point now) {
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it)
        pending_.emplace_front(now, *it);
}
