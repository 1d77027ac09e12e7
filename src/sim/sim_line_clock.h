#pragma once
#include <chrono>

using SimLineClock = std::chrono::steady_clock;

constexpr SimLineClock::duration simMs(double ms) {
    return std::chrono::duration_cast<SimLineClock::duration>(std::chrono::duration<double, std::milli>(ms));
}
