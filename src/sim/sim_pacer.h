#pragma once
// Holds the answers going out on a line that has no speed of its own (a pseudo-terminal) and
// lets each byte go only when it would have been sent at the line speed.
#include "sim/sim_bus.h"
#include "sim/sim_line_clock.h"

#include <QByteArray>
#include <deque>
#include <optional>
#include <utility>

class SimPacer {
public:
    // charMs 0 sends each piece of the answer as soon as the device has made it. An answer queues
    // behind the bytes still waiting, as on one line.
    void schedule(const SimReply& reply, SimLineClock::time_point requestEnd, double charMs);

    std::optional<SimLineClock::time_point> nextDue() const;
    QByteArray takeDue(SimLineClock::time_point now);
    // Bytes that could not be written yet go out first next time.
    void putBack(const QByteArray& bytes, SimLineClock::time_point now);
    void clear() { pending_.clear(); }

private:
    std::deque<std::pair<SimLineClock::time_point, char>> pending_;
};
