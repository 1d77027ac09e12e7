// The exchange cycle inside the real main window, against the in-process simulator.
#include "main_rig.h"

#include "link/exchange.h"
#include "platform/comm32.h"
#include "platform/handler_guard.h"
#include "platform/ttimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

struct Decoded {
    QString address, function, data;
};

}  // namespace

class ExchangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainRig> rig;
    QList<Decoded> decoded;

    void send(const QString& a, const QString& f, const QString& d) {
        Guarded(rig->dialogs, [&] { rig->main->Exchange->SendFrame(a, f, d); });
    }

private slots:
    void init() {
        rig = std::make_unique<MainRig>();
        rig->bus.addDevice(0x01, SimModel::Korvanta10C, 1234567);
        decoded.clear();
        rig->main->Exchange->DecodeAnswer = [this](const QString& a, const QString& f, const QString& d) {
            decoded.append({a, f, d});
        };
    }
    void cleanup() { rig.reset(); }

    void registerReadGoesOutFramedAndLogged() {
        send("01", "04", "00010002");
        QCOMPARE(rig->wire(), QStringList{"010400010002200B"});
        QCOMPARE(rig->log().value(0), QString("TX:  010400010002200B"));
        QTRY_COMPARE(decoded.size(), 1);
        QCOMPARE(rig->log().size(), 2);
        QVERIFY(rig->log().at(1).startsWith("RX:  01 04 04 01 04 00 00 "));
        QCOMPARE(decoded[0].address, QString("01"));
        QCOMPARE(decoded[0].function, QString("04"));
        QVERIFY(decoded[0].data.startsWith("0401040000"));
        QCOMPARE(decoded[0].data.size(), 14);  // count, four data bytes, two checksum bytes
        QVERIFY(rig->dialogs.messages().isEmpty());
    }

    void chunksMakeOneAnswerOrSeveral_data() {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("answers");
        QTest::newRow("one piece") << 0 << 1;
        QTest::newRow("pieces closer than the idle gap") << 3 << 1;
        QTest::newRow("pieces further apart") << 60 << 3;
    }
    void chunksMakeOneAnswerOrSeveral() {
        QFETCH(int, gapMs);
        QFETCH(int, answers);
        SimDevice* device = rig->bus.device(0x01);
        device->faults.chunkSize = gapMs ? 3 : 0;
        device->faults.chunkGapMs = gapMs;
        send("01", "04", "00010002");  // nine answer bytes
        QTest::qWait(400);
        QStringList rx = rig->log().filter("RX: ");
        QCOMPARE(rx.size(), answers);
        if (answers == 1) {
            QCOMPARE(decoded.size(), 1);
        } else {
            // Pieces on their own fail the checksum: logged and marked, never decoded.
            QVERIFY(decoded.isEmpty());
            for (const QString& line : rx)
                QVERIFY(line.endsWith(TExchange::ChecksumErrorMark));
        }
    }

    void wrongChecksumIsLoggedMarkedAndNotDecoded() {
        rig->bus.device(0x01)->faults.badCrc = true;
        send("01", "04", "00010002");
        QTRY_COMPARE(rig->log().size(), 2);
        QVERIFY(rig->log().at(1).endsWith(TExchange::ChecksumErrorMark));
        QTest::qWait(50);
        QVERIFY(decoded.isEmpty());
    }

    void awaitingIdentKeepsTheFunctionInTheData() {
        rig->main->State.AwaitingIdent = true;
        send("01", "2B", "");
        QTRY_COMPARE(decoded.size(), 1);
        QCOMPARE(decoded[0].address, QString("01"));
        QCOMPARE(decoded[0].function, QString("BadVersion2B"));
        QVERIFY(decoded[0].data.startsWith("2B0C3D02"));
    }

    void bytesArrivingDuringTheAnswerStepBeginTheNextAnswer() {
        // A late chunk lands while the end-of-answer step handles pending events.
        TExchange* ex = rig->main->Exchange;
        ex->Delay()->OnTimer = nullptr;  // the steps are driven by hand here
        ex->Comm32ReceiveData(QByteArray::fromHex("01040401040000BBB9"));
        bool injected = false;
        QTimer::singleShot(0, [&] {
            injected = true;
            ex->Comm32ReceiveData(QByteArray::fromHex("01"));
        });
        ex->DelayTimer();
        QVERIFY(injected);
        QCOMPARE(decoded.size(), 1);
        QCOMPARE(ex->RxBytes, QByteArray::fromHex("01"));
        ex->DelayTimer();
        QCOMPARE(decoded.size(), 1);  // the single byte fails the checksum
        QStringList rx = rig->log().filter("RX: ");
        QCOMPARE(rx.size(), 2);
        QCOMPARE(rx[0], QString("RX:  01 04 04 01 04 00 00 BB B9"));
        QCOMPARE(rx[1], "RX:  01" + TExchange::ChecksumErrorMark);
        // A step that finds nothing new logs and decodes nothing.
        ex->DelayTimer();
        QCOMPARE(rig->log().filter("RX: ").size(), 2);
        QCOMPARE(ex->AnswerReceived, 1);
    }

    void rxHexHoldsEveryByteOnceButStaysBounded() {
        TExchange* ex = rig->main->Exchange;
        ex->RxHex.clear();
        ex->Comm32ReceiveData(QByteArray::fromHex("0102"));
        ex->Comm32ReceiveData(QByteArray::fromHex("03"));
        QCOMPARE(ex->RxHex, QString("010203"));
        ex->Comm32ReceiveData(QByteArray(1000, '\x55'));
        QCOMPARE(ex->RxHex.size(), TExchange::RxHexLimitDigits);
        QVERIFY(ex->RxHex.startsWith("0102035555"));
    }

    void timeOutClosesThePortOneWindowAfterTheFirstSend() {
        rig->bus.device(0x01)->faults.lateMs = 900;
        rig->bus.device(0x01)->faults.onlyFunction = 0x2B;
        QElapsedTimer clock;
        clock.start();
        send("01", "04", "00010002");
        QVERIFY(rig->transport->isOpen());
        QTest::qWait(1500 - static_cast<int>(clock.elapsed()));
        send("01", "2B", "");  // answered 900 ms later, after the window has closed
        QTRY_VERIFY_WITH_TIMEOUT(!rig->transport->isOpen(), 3000);
        const qint64 closedAt = clock.elapsed();
        QVERIFY2(closedAt >= 1990 && closedAt < 3000, qPrintable(QString::number(closedAt)));
        QVERIFY(!rig->main->State.PollActive);
        QTest::qWait(1000);
        QCOMPARE(rig->log().filter("RX: ").size(), 1);  // the 2B answer was lost with the port

        // The next request opens the port again.
        send("01", "04", "00010002");
        QVERIFY(rig->transport->isOpen());
        QCOMPARE(rig->transport->openCount(), 2);
    }

    void noComPort() {
        rig->transport->setAvailablePorts({});
        rig->main->State.PollActive = true;
        send("01", "04", "00010002");
        QCOMPARE(rig->dialogs.messages(), QStringList{NoComPortMessage});
        QVERIFY(rig->log().isEmpty());
        QVERIFY(rig->wire().isEmpty());
        QVERIFY(rig->main->Exchange->TimeOut()->Enabled());
        QTRY_VERIFY_WITH_TIMEOUT(!rig->main->State.PollActive, 3000);
    }

    void nonHexRequestRaisesTheConversionErrorAndSendsNothing() {
        send("01", "04", "0G01");
        QCOMPARE(rig->dialogs.messages(), QStringList{"'$0G' is not a valid integer value"});
        QVERIFY(rig->log().isEmpty());
        QVERIFY(rig->wire().isEmpty());
        QVERIFY(!rig->transport->isOpen());
    }

    void tooLongRequestIsRefused() {
        send("01", "10", QString(2 * 252, 'A'));  // 254 bytes before the checksum: fits
        QCOMPARE(rig->wire().size(), 1);
        send("01", "10", QString(2 * 253, 'A'));
        QCOMPARE(rig->dialogs.messages(), QStringList{TExchange::TooLongMessage});
        QCOMPARE(rig->wire().size(), 1);
        QCOMPARE(rig->log().filter("TX:").size(), 1);
    }

    void portThatCannotBeOpened() {
        rig->transport->setOpenFailure(OpenFailure::CannotOpen);
        send("01", "04", "00010002");
        QCOMPARE(rig->dialogs.messages(), QStringList{"Oшибка открытия com порта!"});
        QVERIFY(rig->log().isEmpty());
    }

    void deviceGoneClosesThePortAndTheNextSendReopens() {
        send("01", "04", "00010002");
        QTRY_COMPARE(decoded.size(), 1);
        rig->transport->deviceGone("Input/output error");
        QVERIFY(!rig->transport->isOpen());
        QTRY_COMPARE(rig->dialogs.messages(), QStringList{"Input/output error"});
        send("01", "04", "00010002");
        QVERIFY(rig->transport->isOpen());
        QTRY_COMPARE(decoded.size(), 2);
        QCOMPARE(rig->dialogs.messages().size(), 1);
    }

    void clearEmptiesTheLogOnly() {
        send("01", "04", "00010002");
        QTRY_COMPARE(rig->log().size(), 2);
        rig->main->Button1Click();
        QVERIFY(rig->log().isEmpty());
        send("01", "04", "00010002");
        QTRY_COMPARE(rig->log().size(), 2);
        QVERIFY(rig->log().at(0).startsWith("TX:  "));
    }
};

QTEST_MAIN(ExchangeTest)
#include "exchange_test.moc"
