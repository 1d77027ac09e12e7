#pragma once
// Faults a test can switch on for one device.
#include <cstdint>
#include <optional>

struct SimFaults {
    // The device does not hear the request at all: it neither acts nor answers.
    bool noAnswer = false;
    // Added to the device's reaction time.
    int lateMs = 0;
    // The answer leaves the device in pieces of this many bytes with a pause between them; 0 sends
    // it in one piece.
    int chunkSize = 0;
    int chunkGapMs = 0;
    // The answer's checksum is spoilt (its last byte inverted).
    bool badCrc = false;
    // When set, the faults above hit only requests of this function code.
    std::optional<uint8_t> onlyFunction;

    bool hits(uint8_t function) const { return !onlyFunction || *onlyFunction == function; }
};
