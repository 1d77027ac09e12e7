#include "platform/events.h"
#include "platform/ttimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// How long until the timer's next tick is due, from the timer it runs on; -1 when it is stopped.
int remainingMs(const TTimer& timer) {
    const QTimer* inner = timer.findChild<QTimer*>();
    return inner && inner->isActive() ? inner->remainingTime() : -1;
}

} // namespace

class PlatformTimingTest : public QObject {
    Q_OBJECT

private slots:
    void settingTheSameValueChangesNothing() {
        TTimer timer(nullptr, 200, true);
        WaitMs(80);
        timer.SetInterval(200);
        timer.SetEnabled(true);
        QVERIFY2(remainingMs(timer) <= 160, "the running count was restarted");
        QVERIFY(remainingMs(timer) >= 0);

        timer.SetEnabled(false);
        timer.SetEnabled(false);
        QCOMPARE(remainingMs(timer), -1);
    }

    void newIntervalRestartsARunningTimerOnly() {
        TTimer timer(nullptr, 200, true);
        WaitMs(80);
        timer.SetInterval(300);
        QVERIFY(remainingMs(timer) > 250);

        TTimer stopped(nullptr, 200, false);
        stopped.SetInterval(100);
        QCOMPARE(remainingMs(stopped), -1);
        stopped.SetEnabled(true);
        QVERIFY(remainingMs(stopped) > 50);
    }

    void intervalZeroNeverFires() {
        TTimer timer(nullptr, 0, true);
        QSignalSpy spy(&timer, &TTimer::fired);
        QVERIFY(!spy.wait(100));
        QCOMPARE(remainingMs(timer), -1);

        timer.SetInterval(20);
        QVERIFY(spy.wait(1000));
        timer.SetInterval(0);
        const qsizetype ticks = spy.count();
        QTest::qWait(60);
        QCOMPARE(spy.count(), ticks);
    }

    void noTickSoonerThanTenMilliseconds_data() {
        QTest::addColumn<int>("interval");
        QTest::newRow("1 ms") << 1;
        QTest::newRow("2 ms") << 2;
        QTest::newRow("10 ms") << 10;
    }
    void noTickSoonerThanTenMilliseconds() {
        QFETCH(int, interval);
        TTimer timer(nullptr, interval, false);
        QSignalSpy spy(&timer, &TTimer::fired);
        QElapsedTimer clock;
        qint64 firstTickNs = -1;
        timer.OnTimer = [&] {
            if (firstTickNs < 0)
                firstTickNs = clock.nsecsElapsed();
        };
        clock.start();
        timer.SetEnabled(true);
        // A real event loop, which wakes for the timer as early as the timer allows.
        QVERIFY(spy.wait(2000));
        QVERIFY2(firstTickNs >= qint64(TTimer::MinimumPeriodMs) * 1000000,
                 qPrintable(QString::number(firstTickNs / 1e6) + " ms"));
    }

    void repeatsUntilDisabledWithHandlerAndSignalOnEachTick() {
        TTimer timer(nullptr, 10, true);
        QSignalSpy spy(&timer, &TTimer::fired);
        int ticks = 0;
        timer.OnTimer = [&] {
            if (++ticks == 3)
                timer.SetEnabled(false);
        };
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 3, 2000);
        QTest::qWait(60);
        QCOMPARE(ticks, 3);
        QCOMPARE(spy.count(), 3);
    }

    void waitBlocksWithoutEventsProcessMessagesHandlesThem() {
        bool delivered = false;
        QTimer::singleShot(0, this, [&] { delivered = true; });
        QElapsedTimer clock;
        clock.start();
        WaitMs(30);
        QVERIFY(clock.elapsed() >= 30);
        QVERIFY(!delivered);
        ProcessMessages();
        QVERIFY(delivered);
    }
};

QTEST_GUILESS_MAIN(PlatformTimingTest)
#include "platform_timing_test.moc"
