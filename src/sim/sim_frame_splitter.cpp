#include "sim/sim_frame_splitter.h"

#include "link/frame.h"

#include <algorithm>
#include <utility>

SimLineClock::duration SimFrameSplitter::idleGap(double charMs) {
    return simMs(std::max(3.5 * charMs, 2.0));
}

std::optional<QByteArray> SimFrameSplitter::feed(const QByteArray& bytes, SimLineClock::time_point now) {
    if (bytes.isEmpty())
        return std::nullopt;
    buffer_.append(bytes);
    lastByte_ = now;
    if (!AnswerChecksumOk(buffer_))
        return std::nullopt;
    return std::exchange(buffer_, {});
}

std::optional<QByteArray> SimFrameSplitter::expire(SimLineClock::time_point now) {
    if (buffer_.isEmpty() || now < lastByte_ + gap_)
        return std::nullopt;
    return std::exchange(buffer_, {});
}

std::optional<SimLineClock::time_point> SimFrameSplitter::deadline() const {
    if (buffer_.isEmpty())
        return std::nullopt;
    return lastByte_ + gap_;
}
