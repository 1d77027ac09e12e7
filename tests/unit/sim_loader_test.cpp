// The firmware loader's dialogue, as the uploader drives it.
#include "sim/sim_device.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<QByteArray> Image = {":020000040000FA", ":0400000001020304F2", ":0400040005060708DE",
                                       ":00000001FF"};

// The record frame exactly as the uploader builds it: the line's characters, CR LF, checksum.
QByteArray recordFrame(uint8_t address, const QByteArray& line) {
    QByteArray body;
    body.append(static_cast<char>(address));
    body.append(static_cast<char>(0xEA));
    return withCrc(body + line + "\r\n");
}

// What an upload of the image gets from the device: the letter of each answer ('-' for none),
// sending a line again after R, at most ten times, and stopping at any letter but C and R.
std::string upload(SimDevice& device) {
    std::string letters;
    device.handle(withCrc(QByteArray::fromHex("01EA48")));
    for (const QByteArray& line : Image) {
        for (int attempt = 1;; ++attempt) {
            const auto answer = device.handle(recordFrame(0x01, line));
            const char letter = answer ? answer->at(1) : '-';
            letters += letter;
            if (letter == 'R' && attempt < 10)
                continue;
            if (letter != 'C')
                return letters;
            break;
        }
    }
    return letters;
}

TEST(SimLoader, EndOfFileRecordFrameIsTheDocumentedOne) {
    EXPECT_EQ(recordFrame(0x01, ":00000001FF"), QByteArray::fromHex("01EA3A30303030303030314646"
                                                                    "0D0AE3F8"));
    EXPECT_EQ(withCrc(QByteArray::fromHex("01EA48")), QByteArray::fromHex("01EA486F56"));
}

TEST(SimLoader, TakesEveryRecordAndFinishesAtTheEndOfFileRecord) {
    SimDevice device(0x01, SimModel::Korvanta10C, 1);
    EXPECT_EQ(device.handle(withCrc(QByteArray::fromHex("01EA48"))), withCrc(QByteArray::fromHex("01EA53")));
    EXPECT_EQ(device.handle(recordFrame(0x01, Image[0])), withCrc(QByteArray::fromHex("0143")));
    for (size_t i = 1; i < Image.size() - 1; ++i)
        device.handle(recordFrame(0x01, Image[i]));
    EXPECT_EQ(device.handle(recordFrame(0x01, Image.back())), withCrc(QByteArray::fromHex("0146")));
    EXPECT_TRUE(device.loader.finished());
    EXPECT_EQ(device.loader.records(), QList<QByteArray>(Image.begin(), Image.end()));
}

struct FaultCase {
    const char* what;
    SimLoaderFault fault;
    std::string letters;
};

class SimLoaderFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(SimLoaderFaults, UploadGetsTheseLetters) {
    SimDevice device(0x01, SimModel::Korvanta10C, 1);
    device.loader.fault = GetParam().fault;
    EXPECT_EQ(upload(device), GetParam().letters);
}

INSTANTIATE_TEST_SUITE_P(Table, SimLoaderFaults,
                         testing::Values(FaultCase{"none", {}, "CCCF"},
                                         FaultCase{"R nine times then taken", {2, 'R', 9}, "CRRRRRRRRRCCF"},
                                         FaultCase{"R ten times", {2, 'R', 10}, "CRRRRRRRRRR"},
                                         FaultCase{"E", {3, 'E', 1}, "CCE"},
                                         FaultCase{"F early", {2, 'F', 1}, "CF"},
                                         FaultCase{"O", {1, 'O', 1}, "O"},
                                         FaultCase{"silent", {2, '\0', 1}, "C-"}),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(SimLoader, StartRefusedWithEAndRecordsThenRefused) {
    SimDevice device(0x01, SimModel::Korvanta10C, 1);
    device.loader.startLetter = 'E';
    EXPECT_EQ(device.handle(withCrc(QByteArray::fromHex("01EA48"))), withCrc(QByteArray::fromHex("01EA45")));
    EXPECT_EQ(device.handle(recordFrame(0x01, Image[0])), withCrc(QByteArray::fromHex("0145")));
}

TEST(SimLoader, AfterTheDeviceFinishedANewStartBeginsAfresh) {
    SimDevice device(0x01, SimModel::Korvanta10C, 1);
    device.loader.fault = {2, 'F', 1};
    EXPECT_EQ(upload(device), "CF");
    EXPECT_EQ(device.handle(recordFrame(0x01, Image[0]))->at(1), 'E');
    device.loader.fault = {};
    EXPECT_EQ(upload(device), "CCCF");
    EXPECT_EQ(device.loader.records().size(), 4);
}

TEST(SimLoader, RecognisesIntelHexRecords) {
    EXPECT_TRUE(isIntelHexRecord(":00000001FF"));
    EXPECT_TRUE(isIntelHexRecord(":0400000001020304f2"));
    EXPECT_FALSE(isIntelHexRecord(":0400000001020304F3")); // checksum
    EXPECT_FALSE(isIntelHexRecord(":0500000001020304F1")); // byte count
    EXPECT_FALSE(isIntelHexRecord("00000001FF"));
    EXPECT_FALSE(isIntelHexRecord(":00000001F"));
    EXPECT_FALSE(isIntelHexRecord(":00000001FG"));
}

TEST(SimLoader, BadRecordIsAnErrorAndBlanksAroundALineAreIgnored) {
    SimDevice device(0x01, SimModel::Korvanta10C, 1);
    device.handle(withCrc(QByteArray::fromHex("01EA48")));
    EXPECT_EQ(device.handle(recordFrame(0x01, "  :020000040000FA "))->at(1), 'C');
    EXPECT_EQ(device.handle(recordFrame(0x01, ":0400000001020304F3"))->at(1), 'E');
}

} // namespace
