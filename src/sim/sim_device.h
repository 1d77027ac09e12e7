#pragma once
// One device of the family on the bus: its registers, identification, clock, serial number and
// firmware loader, and how it answers each function.
#include "sim/sim_clock.h"
#include "sim/sim_faults.h"
#include "sim/sim_loader.h"
#include "sim/sim_model.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace SimFunction {
constexpr uint8_t ReadInputRegisters = 0x04;
constexpr uint8_t WriteSingleRegister = 0x06;
constexpr uint8_t Identification = 0x2B;
constexpr uint8_t WriteSerial = 0x30;
constexpr uint8_t ReadClock = 0x60;
constexpr uint8_t ReadDate = 0x61;
constexpr uint8_t WriteClock = 0x70;
constexpr uint8_t WriteDate = 0x71;
constexpr uint8_t Loader = 0xEA;
} // namespace SimFunction

namespace SimException {
constexpr uint8_t IllegalFunction = 0x01;
constexpr uint8_t IllegalDataAddress = 0x02;
constexpr uint8_t IllegalDataValue = 0x03;
} // namespace SimException

// The four bytes that must precede a new serial number in a serial-number write.
constexpr uint8_t SimSerialKey[4] = {0x62, 0x58, 0x19, 0x34};

class SimDevice {
public:
    SimDevice(uint8_t address, SimModel model, uint32_t serial);

    uint8_t address;
    uint8_t speedCode = 0x04; // 01..08 for 1200..230400 bit/s; 04 is 9600
    uint8_t status = 0x00;
    uint8_t control = 0x00;
    uint8_t version = 12;
    uint8_t typeA = SimTypeByteA;
    uint8_t typeB;
    uint32_t serial; // 24 bits

    // Answers identification without the function code byte (address, six data bytes, CRC), as
    // some firmware versions do.
    bool nineByteIdent = false;
    // Time between the end of a request and the first byte of the answer.
    int reactionMs = 2;

    SimFaults faults;
    SimClock clock;
    SimLoader loader;

    // The answer to a request frame addressed to this device (or to all devices, address 0), whose
    // checksum has been checked; nullopt when the device does not answer. Changes the device's
    // state as the request says, after the answer has been made.
    std::optional<QByteArray> handle(const QByteArray& request);

    uint16_t register1() const { return static_cast<uint16_t>(address << 8 | speedCode); }
    uint16_t register2() const { return static_cast<uint16_t>(status << 8 | control); }
};

// The bytes followed by their CRC-16/MODBUS, low byte first.
QByteArray withCrc(QByteArray bytes);
