// korvanta-sim as its own process on a pseudo-terminal, checked with a standard Modbus master
// (mbpoll) and with a plain serial port: what the devices answer and what the simulator saw.
#include "sim_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct MbpollResult {
    int exitCode;
    QString out;
    QString err;
};

MbpollResult mbpoll(const QStringList& arguments) {
    QProcess p;
    p.start("mbpoll", QStringList{"-m", "rtu", "-b", "9600", "-P", "none"} + arguments);
    if (!p.waitForFinished(10000))
        return {-1, {}, "mbpoll did not finish"};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

class MbpollTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<SimProcess> sim;

    void startSim(const QStringList& extra = {}) {
        sim = std::make_unique<SimProcess>(dir->path(), extra);
        QVERIFY2(sim->waitReady(), qPrintable(sim->process.readAllStandardError()));
    }

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable("mbpoll").isEmpty(),
                 "mbpoll is not installed (scripts/setup)");
    }
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() {
        if (sim) {
            QVERIFY(sim->stop());
            QVERIFY2(!QFileInfo(sim->linkPath).isSymLink(), "the link outlived the simulator");
        }
        sim.reset();
    }

    void readsTheRegistersOfTheDefaultDevice() {
        startSim();
        const auto r = mbpoll({"-a", "17", "-t", "3", "-r", "2", "-c", "2", "-1", sim->linkPath});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("[2]: \t4356\n"), qPrintable(r.out + r.err)); // address 17, speed code 04
        QVERIFY2(r.out.contains("[3]: \t0\n"), qPrintable(r.out));
        QCOMPARE(sim->loggedRequests(), QStringList{"11 04 00 01 00 02 22 9B"});
    }

    void writtenRegisterReadsBack() {
        startSim();
        const auto w = mbpoll({"-a", "17", "-t", "4", "-r", "3", sim->linkPath, "33088"});
        QVERIFY2(w.exitCode == 0 && w.out.contains("Written 1 references."), qPrintable(w.out + w.err));
        const auto r = mbpoll({"-a", "17", "-t", "3", "-r", "3", "-c", "1", "-1", sim->linkPath});
        QVERIFY2(r.out.contains("[3]: \t33088"), qPrintable(r.out + r.err));
        QCOMPARE(sim->loggedRequests(), (QStringList{"11 06 00 02 81 40 4B 3A", "11 04 00 02 00 01 92 9A"}));
    }

    void devicesShareTheLineAndRefuseWhatTheyDoNotKnow() {
        startSim({"--device", "5:10C-X:42", "--device", "17:10"});
        const auto both = mbpoll({"-a", "5,17", "-t", "3", "-r", "2", "-c", "1", "-1", sim->linkPath});
        QVERIFY2(both.out.contains("slave 5...\n[2]: \t1284"), qPrintable(both.out + both.err));
        QVERIFY2(both.out.contains("slave 17...\n[2]: \t4356"), qPrintable(both.out));

        const auto badRegister = mbpoll({"-a", "5", "-t", "3", "-r", "9", "-1", sim->linkPath});
        QVERIFY2(badRegister.err.contains("Illegal data address"),
                 qPrintable(badRegister.out + badRegister.err));
        const auto badFunction = mbpoll({"-a", "5", "-u", sim->linkPath});
        QVERIFY2(badFunction.err.contains("Illegal function"), qPrintable(badFunction.out + badFunction.err));

        const auto nobody = mbpoll({"-a", "9", "-t", "3", "-r", "2", "-1", "-o", "0.3", sim->linkPath});
        QVERIFY2(nobody.err.contains("timed out"), qPrintable(nobody.out + nobody.err));
    }

    // A serial line loses what arrives while the port is closed; the pseudo-terminal would keep
    // it for the next open unless the simulator drops it.
    void answerToAClosedPortIsNotDeliveredOnTheNextOpen() {
        startSim({"--baud", "1200"});
        const QByteArray request = QByteArray::fromHex("110400010002229B");
        QSerialPort port(sim->linkPath);
        port.setBaudRate(1200);
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.write(request);
        QVERIFY(port.waitForBytesWritten(1000));
        port.close(); // the 9-byte answer takes about 75 ms at 1200 bit/s

        QTest::qWait(200);
        QVERIFY(port.open(QIODevice::ReadWrite));
        QTest::qWait(200);
        QCOMPARE(port.readAll(), QByteArray());

        port.write(request);
        QByteArray answer;
        const QDeadlineTimer deadline(2000);
        while (answer.size() < 9 && !deadline.hasExpired() && port.waitForReadyRead(500))
            answer += port.readAll();
        QCOMPARE(answer.toHex(' '), QByteArray("11 04 04 11 04 00 00 ae b8"));
        port.close();
        QCOMPARE(sim->loggedRequests().size(), 2);
    }
};

QTEST_GUILESS_MAIN(MbpollTest)
#include "mbpoll_test.moc"
