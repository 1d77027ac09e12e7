#include "protocol/answer_layouts.h"

#include "link/frame.h"
#include "platform/errors.h"

namespace {

constexpr int DigitsPerByte = 2;

bool allDecimal(const QString& digits) {
    for (QChar ch : digits) {
        if (ch < '0' || ch > '9')
            return false;
    }
    return !digits.isEmpty();
}

// The two digits of data byte n (1 = the first byte after the function code).
QString byteDigits(const QString& dataText, int n) {
    return dataText.mid((n - 1) * DigitsPerByte, DigitsPerByte);
}

bool holdsBytes(const QString& dataText, int dataBytes) {
    return dataText.size() >= dataBytes * DigitsPerByte + AnswerChecksumDigits;
}

} // namespace

AnswerKind AnswerKindOf(const QString& functionText) {
    if (functionText == "04")
        return AnswerKind::RegisterRead;
    if (functionText == "2B" || functionText == "BadVersion2B")
        return AnswerKind::Identification;
    if (functionText == "60")
        return AnswerKind::Clock;
    if (functionText == "61")
        return AnswerKind::Date;
    return AnswerKind::Other;
}

RegisterReadAnswer ParseRegisterReadAnswer(const QString& dataText) {
    RegisterReadAnswer answer;
    if (dataText.size() < DigitsPerByte)
        return answer;
    answer.byteCount = HexStrToInt(LeftChars(dataText, DigitsPerByte));
    const QString afterCount = dataText.mid(DigitsPerByte);
    answer.data = FrameTextToBytes(LeftChars(afterCount, answer.byteCount * DigitsPerByte));
    answer.complete = holdsBytes(afterCount, answer.byteCount);
    return answer;
}

std::optional<int> SpeedIndexOfCode(int speedCode) {
    if (speedCode >= 1 && speedCode <= 8)
        return speedCode - 1;
    return std::nullopt;
}

RegisterDisplay DecideRegisterDisplay(const RegisterReadAnswer& answer, const QString& lastReadStart,
                                      const QString& lastReadCount) {
    const bool addressAndSpeed = lastReadStart == "0001";
    const bool registersFirst = lastReadStart == "0002";
    const bool registersAfterSpeed = addressAndSpeed && lastReadCount == "0002";

    int needed = 0;
    if (registersAfterSpeed)
        needed = 4;
    else if (addressAndSpeed || registersFirst)
        needed = 2;

    RegisterDisplay display;
    if (!answer.complete || answer.data.size() < needed) {
        display.tooShort = true;
        return display;
    }
    const auto byte = [&answer](int n) { return static_cast<uint8_t>(answer.data[n - 1]); };
    if (addressAndSpeed) {
        display.address = byte(1);
        display.speedIndex = SpeedIndexOfCode(byte(2));
        if (registersAfterSpeed) {
            display.status = byte(3);
            display.control = byte(4);
        }
    } else if (registersFirst) {
        display.status = byte(1);
        display.control = byte(2);
    }
    return display;
}

RegisterDisplay DecodeRegisterReadAnswer(const QString& dataText, const QString& lastReadStart,
                                         const QString& lastReadCount) {
    return DecideRegisterDisplay(ParseRegisterReadAnswer(dataText), lastReadStart, lastReadCount);
}

ClockReading DecodeClockAnswer(const QString& dataText) {
    ClockReading reading;
    if (!holdsBytes(dataText, 2)) {
        reading.tooShort = true;
        return reading;
    }
    const QString hours = byteDigits(dataText, 1);
    const QString minutes = byteDigits(dataText, 2);
    if (allDecimal(hours) && allDecimal(minutes))
        reading.timeText = hours + ":" + minutes;
    return reading;
}

DateReading DecodeDateAnswer(const QString& dataText) {
    DateReading reading;
    if (!holdsBytes(dataText, 4)) {
        reading.tooShort = true;
        return reading;
    }
    const auto dayOrMonth = [](const QString& digits) { return digits == "00" ? QString("01") : digits; };
    const QString day = dayOrMonth(byteDigits(dataText, 2));
    const QString month = dayOrMonth(byteDigits(dataText, 3));
    const QString yearDigits = byteDigits(dataText, 4);
    const QString year = yearDigits == "00" ? QString("1980") : "20" + yearDigits;

    if (allDecimal(day) && allDecimal(month) && allDecimal(year))
        reading.date = QDate(year.toInt(), month.toInt(), day.toInt());
    if (!reading.date.isValid())
        throw EConvertError(QString("'%1.%2.%3' is not a valid date").arg(day, month, year));
    return reading;
}
