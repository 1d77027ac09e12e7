#include "link/frame.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

TEST(Crc16, KnownValues) {
    EXPECT_EQ(CalcCRC16(bytes({0x01, 0x04, 0x00, 0x01, 0x00, 0x02})), 0x0B20);
    EXPECT_EQ(CalcCRC16(QByteArray()), 0xFFFF);
    EXPECT_EQ(CalcCRC16(bytes({0x01})), 0x807E);
    EXPECT_EQ(CrcText(0x0B20), "200B");
}

TEST(Frame, RegisterReadRequest) {
    EXPECT_EQ(FrameText("010400010002"), "010400010002200B");
    EXPECT_EQ(FrameTextToBytes("010400010002200B"), bytes({0x01, 0x04, 0x00, 0x01, 0x00, 0x02, 0x20, 0x0B}));
}

TEST(Frame, OddLastDigitIsIgnored) {
    EXPECT_EQ(RequestTextToBuffer("01041"), bytes({0x01, 0x04}));
    EXPECT_EQ(FrameTextToBytes("0104F"), bytes({0x01, 0x04}));
}

TEST(Frame, NonHexPairRaisesTheConversionError) {
    try {
        FrameTextToBytes("01G4");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.text(), "'$G4' is not a valid integer value");
    }
}

TEST(Frame, TextForms) {
    const QByteArray answer = bytes({0x01, 0x04, 0x0A, 0xFF});
    EXPECT_EQ(SpacedText(answer), " 01 04 0A FF");
    EXPECT_EQ(ContiguousText(answer), "01040AFF");
}

TEST(Frame, AnswerChecksum) {
    EXPECT_TRUE(AnswerChecksumOk(bytes({0x01, 0x04, 0x00, 0x01, 0x00, 0x02, 0x20, 0x0B})));
    EXPECT_FALSE(AnswerChecksumOk(bytes({0x01, 0x04, 0x00, 0x01, 0x00, 0x02, 0x20, 0x0C})));
    EXPECT_FALSE(AnswerChecksumOk(bytes({0x01, 0x7E, 0x80})));  // shorter than address, function, checksum
}

struct HexCase {
    const char* text;
    int32_t value;
};

TEST(HexToInt, NeverFailsAndCountsOnPastNine) {
    for (const HexCase& c : {HexCase{"00", 0}, {"FF", 255}, {"ff", 255}, {"=", 13}, {":", 10}, {"1A", 26},
                             {"FFFFFFFF", -1}, {"100000000", 0}})
        EXPECT_EQ(HexToInt(c.text), c.value) << c.text;
}

TEST(HexStrToInt, StandardConversion) {
    for (const HexCase& c : {HexCase{"", 0}, {"1A", 26}, {"1a", 26}, {"7FFFFFFF", 0x7FFFFFFF},
                             {"80000000", INT32_MIN}, {"0000000001", 1}})
        EXPECT_EQ(HexStrToInt(c.text), c.value) << c.text;
    for (const char* bad : {"1G", " 1", "1 ", "123456789", "-1"})
        EXPECT_THROW(HexStrToInt(bad), EConvertError) << bad;
    try {
        HexStrToInt("1G");
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.text(), "'$1G' is not a valid integer value");
    }
}

TEST(StrToInt, Decimal) {
    EXPECT_EQ(StrToInt("255"), 255);
    EXPECT_EQ(StrToInt(" 7"), 7);
    EXPECT_EQ(StrToInt("-3"), -3);
    for (const char* bad : {"", "7 ", "1A", "2147483648"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
}

TEST(TextHelpers, LeftRightAndBits) {
    EXPECT_EQ(RightChars("ABC", 5), "ABC");
    EXPECT_EQ(RightChars("ABC", 2), "BC");
    EXPECT_EQ(RightChars("ABC", 0), "");
    EXPECT_EQ(LeftChars("ABC", 2), "AB");
    EXPECT_EQ(LeftChars("ABC", -1), "");
    EXPECT_TRUE(BitIsSet(0x80, 7));
    EXPECT_FALSE(BitIsSet(0x80, 0));
    EXPECT_EQ(HexByte(10), "0A");
    EXPECT_EQ(HexByte(300), "12C");
}

}  // namespace
