#pragma once
// Modbus RTU frames as the program handles them: hex text, two upper-case digits a byte, and the
// CRC-16/MODBUS checksum sent low byte first.
#include <QByteArray>
#include <QString>
#include <cstdint>

// The checksum buffer holds a whole RTU frame: 256 bytes with the checksum.
constexpr int MaxFrameBytesBeforeCrc = 254;

uint16_t CalcCRC16(const uint8_t* bytes, uint16_t count);
uint16_t CalcCRC16(const QByteArray& bytes);

// value*16 + digit for each character; never fails, wraps as a 32-bit integer.
int32_t HexToInt(const QString& text);
// Empty text gives 0; otherwise "$"+text through the standard conversion.
// Raises EConvertError "'$<text>' is not a valid integer value".
int32_t HexStrToInt(const QString& text);
// Decimal text through the standard conversion; raises EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const QString& text);

QString LeftChars(const QString& text, int n);
QString RightChars(const QString& text, int n);
bool BitIsSet(uint8_t b, int n);

// Four digits: low byte then high byte (0x0B20 gives "200B").
QString CrcText(uint16_t crc);
// Pairs of characters through HexToInt; an odd last digit is ignored.
QByteArray RequestTextToBuffer(const QString& requestText);
// Request text followed by its checksum text.
QString FrameText(const QString& requestText);
// Pairs through HexStrToInt (raises EConvertError); an odd last character is ignored.
QByteArray FrameTextToBytes(const QString& frameText);
// " 01 04 ..." : a blank before each byte.
QString SpacedText(const QByteArray& bytes);
// "0104..." : two digits a byte.
QString ContiguousText(const QByteArray& bytes);
// Two upper-case hex digits (or more, for values above FF).
QString HexByte(int value);
// True when the last two bytes are the checksum of the bytes before them (and there are at
// least address, function and checksum).
bool AnswerChecksumOk(const QByteArray& answer);
