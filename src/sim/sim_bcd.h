#pragma once
// Clock and date values travel as BCD: the two decimal digits of a value as the two hex digits
// of a byte.
#include <cstdint>

constexpr uint8_t toBcd(int value) {
    return static_cast<uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

// -1 when a nibble is not a decimal digit.
constexpr int fromBcd(uint8_t bcd) {
    const int high = bcd >> 4;
    const int low = bcd & 0x0F;
    return high > 9 || low > 9 ? -1 : high * 10 + low;
}
