#include "link/frame.h"

#include "platform/errors.h"

uint16_t CalcCRC16(const uint8_t* bytes, uint16_t count) {
    uint16_t crc = 0xFFFF;
    for (uint16_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
    }
    return crc;
}

uint16_t CalcCRC16(const QByteArray& bytes) {
    return CalcCRC16(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<uint16_t>(bytes.size()));
}

int32_t HexToInt(const QString& text) {
    uint32_t value = 0;
    for (QChar ch : text) {
        const int code = ch.unicode();
        int digit;
        if (code < 'A')
            digit = code - '0';
        else if (code >= 'a')
            digit = code - 'a' + 10;
        else
            digit = code - 'A' + 10;
        value = value * 16u + static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);
}

namespace {

[[noreturn]] void conversionError(const QString& text) {
    throw EConvertError(QString("'%1' is not a valid integer value").arg(text));
}

}  // namespace

namespace {

int hexDigit(QChar ch) {
    if (ch >= '0' && ch <= '9')
        return ch.unicode() - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch.unicode() - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch.unicode() - 'a' + 10;
    return -1;
}

// The standard text-to-integer conversion: leading blanks, an optional sign, then decimal digits
// or "$" and hex digits; a 32-bit result (hex values wrap, as the standard conversion does).
int32_t standardConversion(const QString& text) {
    int i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const bool hex = i < text.size() && text[i] == '$';
    if (hex)
        ++i;
    if (i >= text.size())
        conversionError(text);
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0 || (!hex && d > 9))
            conversionError(text);
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        if (value > (hex ? 0xFFFFFFFFull : 0x80000000ull))
            conversionError(text);
    }
    if (hex)
        return static_cast<int32_t>(static_cast<uint32_t>(negative ? (0x100000000ull - value) : value));
    if (!negative && value > 0x7FFFFFFFull)
        conversionError(text);
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : static_cast<int32_t>(value);
}

}  // namespace

int32_t HexStrToInt(const QString& text) {
    if (text.isEmpty())
        return 0;
    return standardConversion("$" + text);
}

int32_t StrToInt(const QString& text) { return standardConversion(text); }

QString LeftChars(const QString& text, int n) {
    if (n <= 0)
        return {};
    return text.left(n);
}

QString RightChars(const QString& text, int n) {
    if (n <= 0)
        return {};
    return text.right(n);
}

bool BitIsSet(uint8_t b, int n) { return n >= 0 && n < 8 && ((b >> n) & 1) != 0; }

QString HexByte(int value) { return QString::number(value, 16).toUpper().rightJustified(2, '0'); }

QString CrcText(uint16_t crc) {
    const QString four = QString::number(crc, 16).toUpper().rightJustified(4, '0');
    return four.mid(2, 2) + four.left(2);
}

QByteArray RequestTextToBuffer(const QString& requestText) {
    QByteArray buffer;
    const int count = static_cast<int>(requestText.size() / 2);
    buffer.reserve(count);
    for (int i = 0; i < count; ++i)
        buffer.append(static_cast<char>(HexToInt(requestText.mid(2 * i, 2)) & 0xFF));
    return buffer;
}

QString FrameText(const QString& requestText) {
    return requestText + CrcText(CalcCRC16(RequestTextToBuffer(requestText)));
}

QByteArray FrameTextToBytes(const QString& frameText) {
    QByteArray bytes;
    const int count = static_cast<int>(frameText.size() / 2);
    bytes.reserve(count);
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(HexStrToInt(frameText.mid(2 * i, 2)) & 0xFF));
    return bytes;
}

QString SpacedText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() * 3);
    for (char b : bytes)
        text += ' ' + HexByte(static_cast<uint8_t>(b));
    return text;
}

QString ContiguousText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

bool AnswerChecksumOk(const QByteArray& answer) {
    if (answer.size() < 4)
        return false;
    const uint16_t crc = CalcCRC16(answer.left(answer.size() - 2));
    return static_cast<uint8_t>(answer[answer.size() - 2]) == (crc & 0xFF) &&
           static_cast<uint8_t>(answer[answer.size() - 1]) == (crc >> 8);
}
