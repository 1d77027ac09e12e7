#include "protocol/identification.h"

#include "link/frame.h"
#include "protocol/answer_layouts.h"

namespace {

constexpr int IdentificationDigits = 12;
// Function code, six data bytes and checksum.
constexpr int DigitsWithFunctionCode = 2 + IdentificationDigits + AnswerChecksumDigits;

} // namespace

Identification DecodeIdentificationAnswer(const QString& dataText) {
    const QString text = dataText.size() == DigitsWithFunctionCode ? dataText.mid(2) : dataText;
    Identification id;
    if (text.size() < IdentificationDigits + AnswerChecksumDigits) {
        id.tooShort = true;
        return id;
    }
    const QByteArray bytes = FrameTextToBytes(LeftChars(text, IdentificationDigits));
    const auto byte = [&bytes](int n) { return static_cast<uint8_t>(bytes[n - 1]); };
    id.version = byte(1);
    id.typeCode = DeviceTypeCode(byte(2), byte(3));
    id.serialNumber = (byte(4) << 16) | (byte(5) << 8) | byte(6);
    return id;
}

QString DeviceTypeCode(uint8_t typeByteA, uint8_t typeByteB) {
    const auto twoDigits = [](uint8_t b) { return QString::number(b).rightJustified(2, '0'); };
    return twoDigits(typeByteA) + twoDigits(typeByteB);
}

QString SerialKey(int serialNumber) {
    const QString digits = QString::number(serialNumber).rightJustified(8, '0');
    return digits.left(2) + ' ' + digits.mid(2, 3) + ' ' + digits.mid(5);
}
