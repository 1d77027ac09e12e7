#pragma once
// Cuts the byte stream from the line into request frames. A frame ends when the bytes gathered so
// far form a frame with a valid checksum, or when the line has been quiet for the idle gap (then
// whatever was gathered is taken as one frame, which no device will accept).
#include "sim/sim_line_clock.h"

#include <QByteArray>
#include <optional>

class SimFrameSplitter {
public:
    // 3.5 character times, as Modbus RTU has it, but never below 2 ms: a pseudo-terminal and the
    // scheduler cut a frame into reads that far apart.
    static SimLineClock::duration idleGap(double charMs);

    void setIdleGap(SimLineClock::duration gap) { gap_ = gap; }

    // The bytes of one read; the frame when they complete one.
    std::optional<QByteArray> feed(const QByteArray& bytes, SimLineClock::time_point now);
    // The gathered bytes once the line has been quiet for the gap.
    std::optional<QByteArray> expire(SimLineClock::time_point now);
    // When expire() will give the gathered bytes; nullopt when nothing is gathered.
    std::optional<SimLineClock::time_point> deadline() const;

private:
    QByteArray buffer_;
    SimLineClock::time_point lastByte_;
    SimLineClock::duration gap_ = simMs(2);
};
