#include "sim/sim_device.h"

#include "link/frame.h"
#include "sim/sim_bcd.h"

#include <algorithm>

namespace {

uint8_t byteAt(const QByteArray& bytes, int index) {
    return static_cast<uint8_t>(bytes[index]);
}

uint16_t wordAt(const QByteArray& bytes, int index) {
    return static_cast<uint16_t>(byteAt(bytes, index) << 8 | byteAt(bytes, index + 1));
}

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

constexpr int SpeedCodeMin = 0x01;
constexpr int SpeedCodeMax = 0x08;
constexpr int MaxReadCount = 125;

} // namespace

QByteArray withCrc(QByteArray bytes) {
    const uint16_t crc = CalcCRC16(bytes);
    bytes.append(static_cast<char>(crc & 0xFF));
    bytes.append(static_cast<char>(crc >> 8));
    return bytes;
}

SimDevice::SimDevice(uint8_t address, SimModel model, uint32_t serial)
    : address(address), typeB(simTypeByteB(model)), serial(serial & 0xFFFFFF) {}

std::optional<QByteArray> SimDevice::handle(const QByteArray& request) {
    const uint8_t function = byteAt(request, 1);
    const QByteArray data = request.mid(2, request.size() - 4);
    const auto answer = [&](const QByteArray& body) { return withCrc(bytesOf({address, function}) + body); };
    const auto exception = [&](uint8_t code) { return withCrc(bytesOf({address, function | 0x80, code})); };
    const QByteArray echo = request;

    switch (function) {
    case SimFunction::ReadInputRegisters: {
        if (data.size() != 4)
            return exception(SimException::IllegalDataValue);
        const int first = wordAt(data, 0);
        const int count = wordAt(data, 2);
        if (count < 1 || count > MaxReadCount)
            return exception(SimException::IllegalDataValue);
        if (first < 1 || first + count - 1 > 2)
            return exception(SimException::IllegalDataAddress);
        QByteArray values;
        for (int reg = first; reg < first + count; ++reg) {
            const uint16_t value = reg == 1 ? register1() : register2();
            values.append(static_cast<char>(value >> 8));
            values.append(static_cast<char>(value & 0xFF));
        }
        return answer(bytesOf({static_cast<int>(values.size())}) + values);
    }
    case SimFunction::WriteSingleRegister: {
        if (data.size() != 4)
            return exception(SimException::IllegalDataValue);
        const int reg = wordAt(data, 0);
        const uint8_t high = byteAt(data, 2);
        const uint8_t low = byteAt(data, 3);
        if (reg == 1) {
            // Address 0 would leave the device reachable by broadcast only.
            if (high == 0 || low < SpeedCodeMin || low > SpeedCodeMax)
                return exception(SimException::IllegalDataValue);
            address = high;
            speedCode = low;
            return echo;
        }
        if (reg == 2) {
            status = high;
            control = low;
            return echo;
        }
        return exception(SimException::IllegalDataAddress);
    }
    case SimFunction::Identification: {
        const QByteArray six =
            bytesOf({version, typeA, typeB, static_cast<int>(serial >> 16 & 0xFF),
                     static_cast<int>(serial >> 8 & 0xFF), static_cast<int>(serial & 0xFF)});
        return nineByteIdent ? withCrc(bytesOf({address}) + six) : answer(six);
    }
    case SimFunction::ReadClock: {
        const QTime t = clock.time();
        return answer(bytesOf({toBcd(t.hour()), toBcd(t.minute()), toBcd(t.second())}));
    }
    case SimFunction::ReadDate: {
        const QDate d = clock.date();
        return answer(bytesOf({clock.weekday(), toBcd(d.day()), toBcd(d.month()), toBcd(d.year() % 100)}));
    }
    case SimFunction::WriteClock: {
        if (data.size() != 3)
            return exception(SimException::IllegalDataValue);
        const int h = fromBcd(byteAt(data, 0));
        const int m = fromBcd(byteAt(data, 1));
        const int s = fromBcd(byteAt(data, 2));
        if (!QTime::isValid(h, m, s))
            return exception(SimException::IllegalDataValue);
        clock.setTime(QTime(h, m, s));
        return echo;
    }
    case SimFunction::WriteDate: {
        if (data.size() != 4)
            return exception(SimException::IllegalDataValue);
        const int weekday = byteAt(data, 0);
        const int day = fromBcd(byteAt(data, 1));
        const int month = fromBcd(byteAt(data, 2));
        const int year = fromBcd(byteAt(data, 3));
        if (weekday < 1 || weekday > 7 || year < 0 || !QDate::isValid(2000 + year, month, day))
            return exception(SimException::IllegalDataValue);
        clock.setDate(weekday, QDate(2000 + year, month, day));
        return echo;
    }
    case SimFunction::WriteSerial: {
        if (data.size() != 7 || !std::equal(std::begin(SimSerialKey), std::end(SimSerialKey),
                                            reinterpret_cast<const uint8_t*>(data.constData())))
            return exception(SimException::IllegalDataValue);
        serial = static_cast<uint32_t>(byteAt(data, 4) << 16 | byteAt(data, 5) << 8 | byteAt(data, 6));
        return echo;
    }
    case SimFunction::Loader: {
        if (data == QByteArray(1, SimLoader::Start)) {
            const auto letter = loader.start();
            return letter ? std::optional(answer(QByteArray(1, *letter))) : std::nullopt;
        }
        // Record answers carry the letter in place of the function code.
        const auto letter = loader.record(data);
        return letter ? std::optional(withCrc(bytesOf({address, *letter}))) : std::nullopt;
    }
    default:
        return exception(SimException::IllegalFunction);
    }
}
