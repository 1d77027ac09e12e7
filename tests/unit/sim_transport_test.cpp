// The in-process transport: answers through the event loop, at the line's pace, dropped with a
// closed port; and the port behaviour a test can switch.
#include "link/frame.h"
#include "sim/sim_transport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

QByteArray frame(const char* body) {
    return withCrc(QByteArray::fromHex(body));
}

class SimTransportTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "unit_tests";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
    }

    SimTransportTest() : transport(bus) {
        bus.addDevice(0x11);
        transport.onReceived = [this](const QByteArray& piece) {
            pieces.append(piece);
            if (pieces.size() == 1)
                firstPieceMs = clock.elapsed();
        };
    }

    // Handles events until `count` pieces came or `ms` passed.
    void waitForPieces(int count, int ms = 1000) {
        QElapsedTimer waited;
        waited.start();
        while (pieces.size() < count && waited.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }

    SimBus bus;
    SimTransport transport;
    QList<QByteArray> pieces;
    QElapsedTimer clock;
    qint64 firstPieceMs = -1;
};

TEST_F(SimTransportTest, AnswerComesThroughTheEventLoopAfterItsTimeOnTheLine) {
    ASSERT_EQ(transport.open(LineSettings{}), OpenFailure::None);
    clock.start();
    ASSERT_TRUE(transport.write(frame("110400010002")));
    EXPECT_TRUE(pieces.isEmpty());
    waitForPieces(1);
    ASSERT_EQ(pieces.size(), 1);
    EXPECT_EQ(pieces[0], frame("11040411040000"));
    // 8 request and 9 answer characters of 10 bits at 9600 bit/s, and the device's 2 ms.
    EXPECT_GE(firstPieceMs, 19);
    EXPECT_EQ(bus.requests(), QList<QByteArray>{frame("110400010002")});
}

TEST_F(SimTransportTest, ChunkedAnswerArrivesInItsPieces) {
    bus.device(0x11)->faults.chunkSize = 4;
    bus.device(0x11)->faults.chunkGapMs = 5;
    transport.setWireTime(false);
    transport.open(LineSettings{});
    transport.write(frame("110400010002"));
    waitForPieces(3);
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_EQ(pieces[0].size(), 4);
    EXPECT_EQ(pieces[2].size(), 1);
    EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], frame("11040411040000"));
}

TEST_F(SimTransportTest, ClosingLosesTheAnswerOnItsWay) {
    transport.open(LineSettings{});
    transport.write(frame("110400010002"));
    transport.close();
    transport.open(LineSettings{});
    waitForPieces(1, 100);
    EXPECT_TRUE(pieces.isEmpty());
}

TEST_F(SimTransportTest, BytesWrittenWhileClosedNeverReachTheLine) {
    EXPECT_FALSE(transport.write(frame("110600028001")));
    EXPECT_TRUE(bus.requests().isEmpty());
    EXPECT_EQ(bus.device(0x11)->register2(), 0x0000);
}

TEST_F(SimTransportTest, OpenRecordsTheSettingsOrFailsAsSet) {
    LineSettings settings;
    settings.port = "SIM";
    settings.baudRate = 19200;
    settings.parity = ParitySetting::pEven;
    transport.setOpenFailure(OpenFailure::NotCommHandle);
    EXPECT_EQ(transport.open(settings), OpenFailure::NotCommHandle);
    EXPECT_FALSE(transport.isOpen());
    EXPECT_EQ(transport.openCount(), 0);

    transport.setOpenFailure(OpenFailure::None);
    EXPECT_EQ(transport.open(settings), OpenFailure::None);
    EXPECT_TRUE(transport.isOpen());
    EXPECT_EQ(transport.openCount(), 1);
    EXPECT_EQ(transport.settings().port, "SIM");
    EXPECT_EQ(transport.settings().baudRate, 19200);
    EXPECT_EQ(transport.settings().parity, ParitySetting::pEven);

    settings.baudRate = 4800;
    transport.setApplyResult(false);
    EXPECT_FALSE(transport.apply(settings));
    EXPECT_EQ(transport.settings().baudRate, 19200);
    transport.setApplyResult(true);
    EXPECT_TRUE(transport.apply(settings));
    EXPECT_EQ(transport.settings().baudRate, 4800);
}

TEST_F(SimTransportTest, DeviceGoneClosesThenReports) {
    transport.open(LineSettings{});
    QString reported;
    bool openWhenReported = true;
    transport.onFailure = [&](const QString& text) {
        reported = text;
        openWhenReported = transport.isOpen();
    };
    transport.deviceGone();
    EXPECT_EQ(reported, "Input/output error");
    EXPECT_FALSE(openWhenReported);
    EXPECT_EQ(transport.closeCount(), 1);
}

TEST_F(SimTransportTest, PortListIsSettable) {
    EXPECT_EQ(transport.availablePorts("COM1"), QStringList{"SIM"});
    transport.setAvailablePorts({});
    EXPECT_TRUE(transport.availablePorts("SIM").isEmpty());
}

} // namespace
