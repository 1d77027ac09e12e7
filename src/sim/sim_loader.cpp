#include "sim/sim_loader.h"

#include <cctype>

namespace {

constexpr int EndOfFileType = 0x01;

int recordType(const QByteArray& record) {
    return QByteArray::fromHex(record.mid(7, 2)).at(0);
}

} // namespace

bool isIntelHexRecord(const QByteArray& record) {
    if (record.size() < 11 || record.front() != ':' || record.size() % 2 == 0)
        return false;
    const QByteArray digits = record.mid(1);
    for (char c : digits)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    const QByteArray bytes = QByteArray::fromHex(digits);
    if (bytes.size() != static_cast<uint8_t>(bytes[0]) + 5)
        return false;
    uint8_t sum = 0;
    for (char b : bytes)
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(b));
    return sum == 0;
}

std::optional<char> SimLoader::start() {
    loading_ = startLetter == 'S';
    finished_ = false;
    repeatAsked_ = false;
    line_ = 0;
    faultsGiven_ = 0;
    records_.clear();
    return startLetter;
}

std::optional<char> SimLoader::record(const QByteArray& characters) {
    if (!loading_)
        return 'E';
    if (!repeatAsked_) {
        ++line_;
        faultsGiven_ = 0;
    }
    repeatAsked_ = false;
    if (fault.line == line_ && faultsGiven_ < fault.times) {
        ++faultsGiven_;
        switch (fault.letter) {
        case 'R':
            repeatAsked_ = true;
            return 'R';
        case 'E':
            loading_ = false;
            return 'E';
        case 'F':
        case 'O':
            loading_ = false;
            finished_ = true;
            return fault.letter;
        case '\0':
            return std::nullopt;
        default:
            return fault.letter;
        }
    }
    return acceptRecord(characters.trimmed());
}

std::optional<char> SimLoader::acceptRecord(const QByteArray& record) {
    if (!isIntelHexRecord(record)) {
        loading_ = false;
        return 'E';
    }
    records_.append(record);
    if (recordType(record) == EndOfFileType) {
        loading_ = false;
        finished_ = true;
        return 'F';
    }
    return 'C';
}
