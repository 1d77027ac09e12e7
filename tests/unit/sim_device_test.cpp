// The simulated device's answers, byte for byte.
#include "link/frame.h"
#include "sim/sim_device.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// A request or answer given without its checksum.
QByteArray frame(const char* body) {
    return withCrc(hex(body));
}

SimDevice testDevice() {
    SimDevice device(0x01, SimModel::Korvanta10C, 1234567);
    device.status = 0x81;
    device.control = 0x40;
    return device;
}

struct AnswerCase {
    const char* what;
    const char* request;
    const char* answer; // nullptr: the request is echoed
};

class SimDeviceAnswers : public testing::TestWithParam<AnswerCase> {};

TEST_P(SimDeviceAnswers, AnswerIsExact) {
    const AnswerCase& c = GetParam();
    SimDevice device = testDevice();
    const QByteArray request = frame(c.request);
    const auto answer = device.handle(request);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->toHex(' ').toStdString(),
              (c.answer ? frame(c.answer) : request).toHex(' ').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Table, SimDeviceAnswers,
                         testing::Values(AnswerCase{"both registers", "010400010002", "01040401048140"},
                                         AnswerCase{"register 0001 alone", "010400010001", "0104020104"},
                                         AnswerCase{"register 0002 alone", "010400020001", "0104028140"},
                                         AnswerCase{"register 0003", "010400030001", "018402"},
                                         AnswerCase{"register 0000", "010400000001", "018402"},
                                         AnswerCase{"read past register 0002", "010400020002", "018402"},
                                         AnswerCase{"count 0", "010400010000", "018403"},
                                         AnswerCase{"read without count", "01040001", "018403"},
                                         AnswerCase{"write status and control", "010600028001", nullptr},
                                         AnswerCase{"write register 0003", "010600030000", "018602"},
                                         AnswerCase{"speed code 09", "010600011109", "018603"},
                                         AnswerCase{"new address 0", "010600010004", "018603"},
                                         AnswerCase{"identification", "012B", "012B0C3D0212D687"},
                                         AnswerCase{"write clock", "0170230000", nullptr},
                                         AnswerCase{"hour 24", "0170240000", "01F003"},
                                         AnswerCase{"minute not BCD", "01701A0000", "01F003"},
                                         AnswerCase{"clock without seconds", "017012", "01F003"},
                                         AnswerCase{"write date", "017103251224", nullptr},
                                         AnswerCase{"weekday 8", "017108251224", "01F103"},
                                         AnswerCase{"31 February", "017103310224", "01F103"},
                                         AnswerCase{"serial number", "013062581934000005", nullptr},
                                         AnswerCase{"wrong serial key", "013062581935000005", "01B003"},
                                         AnswerCase{"serial number too short", "01306258193400", "01B003"},
                                         AnswerCase{"loader start", "01EA48", "01EA53"},
                                         AnswerCase{"record before start", "01EA3A30300D0A", "0145"},
                                         AnswerCase{"unknown function", "0155", "01D501"}),
                         [](const testing::TestParamInfo<AnswerCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(SimDevice, RegisterReadExampleGoesOutAsOnTheLine) {
    const QByteArray request = hex("010400010002200B");
    EXPECT_EQ(withCrc(hex("010400010002")), request);
    SimDevice device(0x01, SimModel::Korvanta10, 5);
    device.speedCode = 0x03;
    device.status = 0x81;
    device.control = 0x40;
    EXPECT_EQ(device.handle(request), frame("01040401038140"));
}

TEST(SimDevice, AddressChangeTakesEffectAfterTheEcho) {
    SimDevice device = testDevice();
    const QByteArray write = frame("010600011105");
    EXPECT_EQ(device.handle(write), write);
    EXPECT_EQ(device.address, 0x11);
    EXPECT_EQ(device.speedCode, 0x05);
    EXPECT_EQ(device.handle(frame("110400010001")), frame("1104021105"));
}

TEST(SimDevice, ClockAndDateReadBackWhatWasWritten) {
    SimDevice device = testDevice();
    device.handle(frame("0170090500"));
    device.handle(frame("017103251224"));
    const auto clock = device.handle(frame("0160"));
    ASSERT_TRUE(clock && clock->size() == 7);
    EXPECT_EQ(clock->mid(0, 4), hex("01600905"));
    EXPECT_LE(static_cast<uint8_t>(clock->at(4)), 0x01); // seconds run on from 00
    EXPECT_EQ(device.handle(frame("0161")), frame("016103251224"));
}

TEST(SimDevice, SerialWriteChangesTheIdentification) {
    SimDevice device = testDevice();
    device.handle(frame("013062581934000005"));
    EXPECT_EQ(device.serial, 5u);
    EXPECT_EQ(device.handle(frame("012B")), frame("012B0C3D02000005"));
}

TEST(SimDevice, NineByteIdentificationLeavesOutTheFunctionCode) {
    SimDevice device = testDevice();
    device.nineByteIdent = true;
    const auto answer = device.handle(frame("012B"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->size(), 9);
    EXPECT_EQ(*answer, frame("010C3D0212D687"));
    EXPECT_TRUE(AnswerChecksumOk(*answer));
}

} // namespace
