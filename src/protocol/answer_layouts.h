#pragma once
// The answers to a register read (04), a clock read (60) and a date read (61), taken apart from
// the data text the exchange cycle hands on: every byte after the address and function code as
// two hex digits, the two checksum bytes at the end included. These functions only say what an
// answer shows; the answer panel puts it on screen.
//
// An answer shorter than its layout (the checksum bytes count as part of it) is reported as too
// short: its caller then changes no field and chains no request, so that a checksum byte is never
// shown as a register or a clock digit.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

// The checksum at the end of every answer's data text.
constexpr int AnswerChecksumDigits = 4;

enum class AnswerKind { RegisterRead, Identification, Clock, Date, Other };
// "04", "2B" or the marker "BadVersion2B", "60", "61" (exactly, upper case); anything else is Other.
AnswerKind AnswerKindOf(const QString& functionText);

// Register-read answer: byte count N, N data bytes, checksum.
struct RegisterReadAnswer {
    int byteCount = 0;     // N as the device announced it; 0 for an empty text
    QByteArray data;       // the data bytes the text holds, at most N
    bool complete = false; // the text holds the count byte, all N data bytes and the checksum
};
// Raises EConvertError when a digit pair is not hexadecimal.
RegisterReadAnswer ParseRegisterReadAnswer(const QString& dataText);

// What a register-read answer shows, given the register read it answers. When tooShort is set
// every other member is empty.
struct RegisterDisplay {
    bool tooShort = false;
    std::optional<int> address;     // bus address (register 0001, high byte)
    std::optional<int> speedIndex;  // item of the speed list; empty leaves the selection as it is
    std::optional<uint8_t> status;  // status register; status and control come together
    std::optional<uint8_t> control; // control register
    // The registers are on screen, so they may be written back.
    bool showsRegisters() const { return status.has_value(); }
};
// lastReadStart "0001": address and speed code from data bytes 1 and 2, and with lastReadCount
// "0002" status and control from bytes 3 and 4; "0002": status and control from bytes 1 and 2;
// any other start shows nothing. Too short: the answer is not complete, or it holds fewer data
// bytes than what it must show.
RegisterDisplay DecideRegisterDisplay(const RegisterReadAnswer& answer, const QString& lastReadStart,
                                      const QString& lastReadCount);
RegisterDisplay DecodeRegisterReadAnswer(const QString& dataText, const QString& lastReadStart,
                                         const QString& lastReadCount);

// Speed codes 1..8 select the items 0..7 ("1200" .. "230400"); other codes select nothing.
std::optional<int> SpeedIndexOfCode(int speedCode);

// Clock answer: hours and minutes in BCD, then whatever the device adds, then the checksum.
struct ClockReading {
    bool tooShort = false;
    // "HH:MM" from the two hex digits of each byte; empty when too short or when a digit is not
    // decimal (the time field then keeps what it shows).
    std::optional<QString> timeText;
};
ClockReading DecodeClockAnswer(const QString& dataText);

// Date answer: one byte not read, day, month, year within the century (BCD), then whatever the
// device adds, then the checksum. Day and month "00" read as "01"; year "00" is 1980, any other
// two digits 2000 plus them.
struct DateReading {
    bool tooShort = false;
    QDate date; // valid unless tooShort
};
// Raises EConvertError "'DD.MM.YYYY' is not a valid date" (the digits as read) when the day,
// month and year do not form a date: day 31 in a 30-day month, month 13, a digit that is not
// decimal.
DateReading DecodeDateAnswer(const QString& dataText);
