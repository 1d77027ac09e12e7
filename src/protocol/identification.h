#pragma once
// The identification answer (2B): version, type byte A, type byte B and a 24-bit serial number
// (most significant byte first), then the checksum.
#include <QString>
#include <cstdint>

struct Identification {
    // Fewer than the six data bytes and the checksum: nothing of it may be shown.
    bool tooShort = false;
    int version = 0;
    QString typeCode;     // device type code, "6101" for the type bytes 3D 01
    int serialNumber = 0; // 0 .. 16777215
};

// A data text of exactly 18 digits is the ten-byte answer read while an identification was
// awaited, which still starts with the function code: that code is dropped. Any other text
// starts with the version byte. Raises EConvertError when a digit pair is not hexadecimal.
Identification DecodeIdentificationAnswer(const QString& dataText);

// Each type byte in decimal, padded to two digits; a byte of 100 or more gives three digits and
// thus a code that no table row holds.
QString DeviceTypeCode(uint8_t typeByteA, uint8_t typeByteB);

// The key of a serial-number list line: eight decimal digits with leading zeros and a blank
// after the 2nd and the 5th digit ("01 234 567" for 1234567, "00 000 005" for 5).
QString SerialKey(int serialNumber);
