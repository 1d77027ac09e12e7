#include "protocol/identification.h"

#include "link/frame.h"

#include <gtest/gtest.h>

namespace {

// What the decoder receives from address 01, with the real checksum, in both splits: the normal
// one and the one made while an identification answer is awaited (function code left in front).
QString DataText(const QString& data) {
    return FrameText("012B" + data).mid(4);
}
QString DataTextWithFunction(const QString& data) {
    return FrameText("012B" + data).mid(2);
}
// The nine-byte answer that has no function code byte at all.
QString NineByteDataText(const QString& data) {
    return FrameText("01" + data).mid(2);
}

TEST(IdentificationAnswer, AllFormsGiveTheSameValues) {
    const QString bytes = "0C3D0212D687";
    for (const QString& text : {DataText(bytes), DataTextWithFunction(bytes), NineByteDataText(bytes)}) {
        SCOPED_TRACE(text.toStdString());
        const Identification id = DecodeIdentificationAnswer(text);
        EXPECT_FALSE(id.tooShort);
        EXPECT_EQ(id.version, 12);
        EXPECT_EQ(id.typeCode, "6102");
        EXPECT_EQ(id.serialNumber, 1234567);
        EXPECT_EQ(SerialKey(id.serialNumber), "01 234 567");
    }
}

TEST(IdentificationAnswer, SerialNumberUsesAllTwentyFourBits) {
    EXPECT_EQ(DecodeIdentificationAnswer(DataText("FF3D01FFFFFF")).serialNumber, 16777215);
    EXPECT_EQ(DecodeIdentificationAnswer(DataText("FF3D01FFFFFF")).version, 255);
    EXPECT_EQ(DecodeIdentificationAnswer(DataText("013D01800001")).serialNumber, 0x800001);
}

TEST(IdentificationAnswer, ShortAnswersAreRecognised) {
    const struct {
        const char* what;
        QString text;
    } cases[] = {
        {"five data bytes", DataText("0C3D0212D6")},
        {"no checksum", "0C3D0212D687"},
        {"exception answer's data", "02C1F1"},
        {"empty", ""},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(DecodeIdentificationAnswer(c.text).tooShort) << c.what;
}

TEST(DeviceTypeCode, EachByteInDecimalPaddedToTwoDigits) {
    const struct {
        uint8_t a, b;
        const char* code;
    } cases[] = {
        {0x3D, 0x01, "6101"},  {0x3D, 0x0A, "6110"},   {0x00, 0x05, "0005"},
        {0x64, 0x01, "10001"}, {0xFF, 0xFF, "255255"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeviceTypeCode(c.a, c.b), c.code);
}

TEST(SerialKey, EightDigitsInGroupsOfTwoThreeThree) {
    const struct {
        int number;
        const char* key;
    } cases[] = {
        {1234567, "01 234 567"},  {5, "00 000 005"},        {0, "00 000 000"},
        {16777215, "16 777 215"}, {99999999, "99 999 999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SerialKey(c.number), c.key);
}

} // namespace
