// The simulator program's line handling: character times, cutting requests out of the byte
// stream, pacing answers, and its command line.
#include "sim/sim_device.h"
#include "sim/sim_frame_splitter.h"
#include "sim/sim_options.h"
#include "sim/sim_pacer.h"
#include "sim/sim_timing.h"

#include <gtest/gtest.h>

namespace {

QByteArray frame(const char* body) {
    return withCrc(QByteArray::fromHex(body));
}

TEST(SimTiming, CharacterTimeFollowsTheFormat) {
    LineSettings s;
    EXPECT_EQ(simBitsPerChar(s), 10);
    s.parity = ParitySetting::pOdd;
    EXPECT_EQ(simBitsPerChar(s), 11);
    s.byteSize = ByteSizeSetting::sz_7;
    s.stopBits = StopBitsSetting::sb2_0;
    EXPECT_EQ(simBitsPerChar(s), 11);
    EXPECT_DOUBLE_EQ(simCharMs(10, 9600), 10000.0 / 9600);
}

TEST(SimTiming, ChunkedReplyIsCutAndTimedPerPiece) {
    const SimReply reply{QByteArray(9, 'x'), 2, 4, 10};
    const auto pieces = simPieces(reply);
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_EQ(pieces[2].size(), 1);
    EXPECT_DOUBLE_EQ(simByteDueMs(reply, 3, 1.0), 2 + 4);
    EXPECT_DOUBLE_EQ(simByteDueMs(reply, 4, 1.0), 2 + 5 + 10);
    EXPECT_DOUBLE_EQ(simByteDueMs(reply, 8, 0.0), 2 + 20);
}

TEST(SimFrameSplitter, FrameEndsWithItsChecksumEvenWhenSplitAcrossReads) {
    SimFrameSplitter splitter;
    const auto t = SimLineClock::now();
    const QByteArray request = frame("110400010002");
    EXPECT_FALSE(splitter.feed(request.left(3), t));
    EXPECT_EQ(splitter.feed(request.mid(3), t), request);
    EXPECT_FALSE(splitter.deadline());
}

TEST(SimFrameSplitter, GarbageIsTakenAsOneFrameAfterTheIdleGap) {
    SimFrameSplitter splitter;
    splitter.setIdleGap(SimFrameSplitter::idleGap(10000.0 / 1200)); // 3.5 characters at 1200 bit/s
    const auto t = SimLineClock::now();
    splitter.feed(QByteArray::fromHex("110400"), t);
    EXPECT_FALSE(splitter.expire(t + simMs(29)));
    EXPECT_EQ(splitter.expire(t + simMs(30)), QByteArray::fromHex("110400"));
    EXPECT_EQ(SimFrameSplitter::idleGap(0.1), simMs(2));
}

TEST(SimPacer, BytesGoOutOneCharacterTimeApart) {
    SimPacer pacer;
    const auto t = SimLineClock::now();
    pacer.schedule(SimReply{QByteArray("abcdefghi"), 2, 0, 0}, t, 1.0);
    EXPECT_EQ(pacer.nextDue(), t + simMs(3));
    EXPECT_TRUE(pacer.takeDue(t + simMs(2.5)).isEmpty());
    EXPECT_EQ(pacer.takeDue(t + simMs(7.5)), "abcde");
    pacer.putBack("de", t + simMs(7.5));
    EXPECT_EQ(pacer.takeDue(t + simMs(20)), "defghi");
    EXPECT_FALSE(pacer.nextDue());
}

TEST(SimPacer, UnpacedAnswerGoesAtOnceAndQueuesBehindTheLast) {
    SimPacer pacer;
    const auto t = SimLineClock::now();
    pacer.schedule(SimReply{QByteArray("abc"), 2, 0, 0}, t, 0);
    pacer.schedule(SimReply{QByteArray("xy"), 2, 0, 0}, t, 0);
    EXPECT_EQ(pacer.takeDue(t + simMs(2)), "abc");
    EXPECT_EQ(pacer.takeDue(t + simMs(4)), "xy");
}

TEST(SimOptions, DefaultsToOneKorvanta10CAt17) {
    QString error;
    const auto options = parseSimOptions({"/tmp/link"}, &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->linkPath, "/tmp/link");
    EXPECT_EQ(options->baud, 9600);
    EXPECT_TRUE(options->pace);
    ASSERT_EQ(options->devices.size(), 1u);
    EXPECT_EQ(options->devices[0].address, 17);
    EXPECT_EQ(options->devices[0].model, SimModel::Korvanta10C);
    EXPECT_EQ(options->devices[0].serial, 1234567u);
}

TEST(SimOptions, TakesEveryOption) {
    QString error;
    const auto options = parseSimOptions({"--baud", "19200", "--device", "1:10", "/tmp/link", "--device",
                                          "200:10c-x-h:16777215", "--log", "/tmp/l", "--no-pace"},
                                         &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->baud, 19200);
    EXPECT_FALSE(options->pace);
    EXPECT_EQ(options->logPath, "/tmp/l");
    ASSERT_EQ(options->devices.size(), 2u);
    EXPECT_EQ(options->devices[0].model, SimModel::Korvanta10);
    EXPECT_EQ(options->devices[1].address, 200);
    EXPECT_EQ(options->devices[1].model, SimModel::Korvanta10CXH);
    EXPECT_EQ(options->devices[1].serial, 16777215u);
}

TEST(SimOptions, RefusesWrongArguments) {
    const std::vector<QStringList> wrong = {
        {},
        {"--device", "17:10C"},
        {"/tmp/link", "--baud"},
        {"/tmp/link", "--baud", "fast"},
        {"/tmp/link", "--device", "0:10C"},
        {"/tmp/link", "--device", "256:10C"},
        {"/tmp/link", "--device", "17:20"},
        {"/tmp/link", "--device", "17:10C:16777216"},
        {"/tmp/link", "--device", "17"},
        {"/tmp/link", "--device", "5:10", "--device", "5:10C"},
        {"/tmp/link", "/tmp/other"},
        {"/tmp/link", "--verbose"},
    };
    for (const QStringList& arguments : wrong) {
        QString error;
        EXPECT_FALSE(parseSimOptions(arguments, &error)) << arguments.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
