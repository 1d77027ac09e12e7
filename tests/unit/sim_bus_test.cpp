// Devices sharing one line: addressing, broadcast, the requests seen and the switchable faults.
#include "link/frame.h"
#include "sim/sim_bus.h"

#include <gtest/gtest.h>

namespace {

QByteArray frame(const char* body) {
    return withCrc(QByteArray::fromHex(body));
}

class SimBusTest : public testing::Test {
protected:
    SimBusTest() {
        bus.addDevice(0x01, SimModel::Korvanta10, 100);
        bus.addDevice(0x11, SimModel::Korvanta10C, 1234567);
    }
    SimBus bus;
};

TEST_F(SimBusTest, EachDeviceAnswersItsOwnAddressOnly) {
    auto replies = bus.submit(frame("112B"));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].bytes, frame("112B0C3D0212D687"));
    EXPECT_EQ(replies[0].delayMs, 2);
    EXPECT_EQ(replies[0].chunkSize, 0);
    replies = bus.submit(frame("012B"));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].bytes, frame("012B0C3D01000064"));
    EXPECT_TRUE(bus.submit(frame("052B")).empty());
}

TEST_F(SimBusTest, FramesWithAWrongChecksumOrTooShortReachNoDevice) {
    QByteArray spoilt = frame("110600020001");
    spoilt[spoilt.size() - 1] = static_cast<char>(spoilt.back() ^ 1);
    EXPECT_TRUE(bus.submit(spoilt).empty());
    EXPECT_EQ(bus.device(0x11)->register2(), 0x0000);
    EXPECT_TRUE(bus.submit(QByteArray::fromHex("1104")).empty());
    EXPECT_EQ(bus.requests(), (QList<QByteArray>{spoilt, QByteArray::fromHex("1104")}));
}

TEST_F(SimBusTest, BroadcastActsOnEveryDeviceAndNobodyAnswers) {
    EXPECT_TRUE(bus.submit(frame("000600028001")).empty());
    EXPECT_TRUE(bus.submit(frame("00306258193400002A")).empty());
    EXPECT_TRUE(bus.submit(frame("00EA48")).empty());
    EXPECT_TRUE(bus.submit(frame("000400010002")).empty());
    for (const auto& d : bus.devices()) {
        EXPECT_EQ(d->register2(), 0x8001);
        EXPECT_EQ(d->serial, 42u);
        EXPECT_TRUE(d->loader.loading());
    }
}

TEST_F(SimBusTest, RecordsEveryRequestInOrder) {
    bus.submit(frame("110400010002"));
    bus.submit(frame("00EA48"));
    bus.submit(frame("302B"));
    EXPECT_EQ(bus.requests(), (QList<QByteArray>{frame("110400010002"), frame("00EA48"), frame("302B")}));
    bus.clearRequests();
    EXPECT_TRUE(bus.requests().isEmpty());
}

TEST_F(SimBusTest, SilentDeviceNeitherActsNorAnswers) {
    bus.device(0x11)->faults.noAnswer = true;
    EXPECT_TRUE(bus.submit(frame("110600028001")).empty());
    EXPECT_EQ(bus.device(0x11)->register2(), 0x0000);
    EXPECT_EQ(bus.submit(frame("012B")).size(), 1u);
}

TEST_F(SimBusTest, FaultsShapeTheReplyOfTheChosenFunctionOnly) {
    SimDevice& d = *bus.device(0x11);
    d.faults.lateMs = 900;
    d.faults.chunkSize = 3;
    d.faults.chunkGapMs = 20;
    d.faults.badCrc = true;
    d.faults.onlyFunction = 0x2B;

    const auto faulty = bus.submit(frame("112B"));
    ASSERT_EQ(faulty.size(), 1u);
    EXPECT_EQ(faulty[0].delayMs, 902);
    EXPECT_EQ(faulty[0].chunkSize, 3);
    EXPECT_EQ(faulty[0].chunkGapMs, 20);
    EXPECT_FALSE(AnswerChecksumOk(faulty[0].bytes));
    EXPECT_EQ(faulty[0].bytes.chopped(1), frame("112B0C3D0212D687").chopped(1));

    const auto plain = bus.submit(frame("110400010002"));
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].delayMs, 2);
    EXPECT_EQ(plain[0].chunkSize, 0);
    EXPECT_TRUE(AnswerChecksumOk(plain[0].bytes));
}

TEST_F(SimBusTest, DeviceIsFoundAtItsNewAddressAfterAnAddressWrite) {
    bus.submit(frame("110600012004"));
    EXPECT_EQ(bus.device(0x11), nullptr);
    ASSERT_NE(bus.device(0x20), nullptr);
    EXPECT_EQ(bus.submit(frame("200400010001"))[0].bytes, frame("2004022004"));
}

} // namespace
