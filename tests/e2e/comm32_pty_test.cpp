// The serial port component on real pseudo-terminals: socat joins two of them, the component
// opens one end by its link path and a plain QSerialPort plays the device on the other.
#include "link/com_ports.h"
#include "platform/comm32.h"
#include "platform/errors.h"
#include "platform/qt_serial_transport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Two linked pseudo-terminals. The link names carry the process id: Qt's lock files are named
// after the last part of the path, so they must not meet those of a test running beside us.
class PtyPair {
public:
    explicit PtyPair(const QString& dir) {
        const QString stem = QStringLiteral("%1/pty%2").arg(dir).arg(QCoreApplication::applicationPid());
        portPath = stem + QStringLiteral("-port");
        devicePath = stem + QStringLiteral("-device");
    }
    ~PtyPair() { stop(); }

    bool start() {
        socat_.start(QStringLiteral("socat"), {QStringLiteral("-d"), QStringLiteral("-d"),
                                               QStringLiteral("pty,raw,echo=0,link=") + portPath,
                                               QStringLiteral("pty,raw,echo=0,link=") + devicePath});
        if (!socat_.waitForStarted(5000))
            return false;
        // socat says so once both ends exist and it copies between them.
        QByteArray log;
        const QDeadlineTimer deadline(5000);
        while (!log.contains("starting data transfer loop") && !deadline.hasExpired()) {
            socat_.waitForReadyRead(100);
            log += socat_.readAllStandardError();
        }
        return log.contains("starting data transfer loop");
    }

    void stop() {
        if (socat_.state() == QProcess::NotRunning)
            return;
        socat_.terminate();
        socat_.waitForFinished(5000);
    }

    QString portPath;
    QString devicePath;

private:
    QProcess socat_;
};

struct Recorder {
    explicit Recorder(TComm32& comm) {
        comm.OnReceiveData = [this](const QByteArray& chunk) {
            chunks.append(chunk);
            received += chunk;
        };
        comm.OnLineFailure = [this](const QString& text) { failures.append(text); };
    }
    QList<QByteArray> chunks;
    QByteArray received;
    QStringList failures;
};

std::unique_ptr<TComm32> makeComm(const QString& port) {
    auto comm = std::make_unique<TComm32>(std::make_unique<QtSerialTransport>());
    comm->SetCommPort(port);
    return comm;
}

QString openError(TComm32& comm) {
    try {
        comm.Open();
    } catch (const ECommsError& e) {
        return e.text();
    }
    return QString();
}

} // namespace

class Comm32PtyTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        pair_ = std::make_unique<PtyPair>(dir_.path());
        QVERIFY2(pair_->start(), "socat did not start");
        device_.setPortName(pair_->devicePath);
        QVERIFY2(device_.open(QIODevice::ReadWrite), qPrintable(device_.errorString()));
    }

    void cleanup() {
        device_.close();
        pair_.reset();
    }

    void startsWithTheComponentsOwnSettings() {
        TComm32 comm(std::make_unique<QtSerialTransport>());
        const LineSettings& s = comm.Settings();
        QCOMPARE(comm.CommPort(), QStringLiteral("\\\\.\\COM17"));
        QCOMPARE(s.baudRate, 9600);
        QCOMPARE(s.byteSize, ByteSizeSetting::sz_8);
        QCOMPARE(s.parity, ParitySetting::pNone);
        QCOMPARE(s.stopBits, StopBitsSetting::sb1_0);
        QCOMPARE(s.flowControl, FlowControlSetting::fcNone);
        QCOMPARE(s.rxQueue, 4096);
        QCOMPARE(s.txQueue, 4096);
        QVERIFY(!comm.Connected());
    }

    void bytesTravelBothWays() {
        auto comm = makeComm(pair_->portPath);
        Recorder rec(*comm);
        comm->Open();
        QVERIFY(comm->Connected());

        const QByteArray frame = QByteArray::fromHex("010400010002200B");
        QVERIFY(comm->Write(frame));
        QByteArray onDevice;
        QTRY_VERIFY_WITH_TIMEOUT((onDevice += device_.readAll()).size() >= frame.size(), 3000);
        QCOMPARE(onDevice, frame);

        // More than one read's worth arrives whole and in order, in non-empty chunks.
        QByteArray answer;
        for (int i = 0; i < 40000; ++i)
            answer.append(char(i * 7));
        device_.write(answer);
        QTRY_COMPARE_WITH_TIMEOUT(rec.received.size(), answer.size(), 5000);
        QCOMPARE(rec.received, answer);
        for (const QByteArray& chunk : rec.chunks)
            QVERIFY(!chunk.isEmpty() && chunk.size() <= 32768);

        comm->Close();
        QVERIFY(!comm->Connected());
        QVERIFY(!comm->Write(frame));
        comm->Close(); // closing a closed port does nothing
        QVERIFY(rec.failures.isEmpty());
    }

    void openFailuresGiveTheComponentsTexts_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        const QString cannotOpen = QStringLiteral("Oшибка открытия com порта!");
        const QString notComm = QStringLiteral("File handle is not a comm handle. ");
        QFile regular(dir_.filePath(QStringLiteral("regular-file")));
        QVERIFY(regular.open(QIODevice::WriteOnly));
        regular.close();
        QTest::newRow("missing") << dir_.filePath(QStringLiteral("missing")) << cannotOpen;
        QTest::newRow("Windows name") << QStringLiteral("\\\\.\\COM17") << cannotOpen;
        QTest::newRow("/dev/null") << QStringLiteral("/dev/null") << notComm;
        QTest::newRow("regular file") << regular.fileName() << notComm;
        QTest::newRow("folder") << dir_.path() << notComm;
    }

    void openFailuresGiveTheComponentsTexts() {
        QFETCH(QString, path);
        QFETCH(QString, text);
        auto comm = makeComm(path);
        QCOMPARE(openError(*comm), text);
        QVERIFY(!comm->Connected());
    }

    void aBusyPortCannotBeOpenedTwice() {
        auto first = makeComm(pair_->portPath);
        first->Open();
        QCOMPARE(openError(*first), QStringLiteral("Порт уже открыт!"));
        QVERIFY(first->Connected());

        auto second = makeComm(pair_->portPath);
        QCOMPARE(openError(*second), QStringLiteral("Oшибка открытия com порта!"));
        QVERIFY(!second->Connected());

        // Released by the first, the port opens for the second.
        first->Close();
        second->Open();
        QVERIFY(second->Connected());
    }

    void settingsApplyAtOnceToTheOpenPort() {
        auto comm = makeComm(pair_->portPath);
        Recorder rec(*comm);
        comm->Open();
        comm->SetBaudRate(19200);
        comm->SetStopBits(StopBitsSetting::sb2_0);
        comm->SetFlowControl(FlowControlSetting::fcHardware);
        // A pseudo-terminal has no character format to change; asking must not cost the port.
        comm->SetParity(ParitySetting::pMark);
        comm->SetByteSize(ByteSizeSetting::sz_7);

        termios tio{};
        const int fd = ::open(QFile::encodeName(pair_->portPath).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        const bool read = ::tcgetattr(fd, &tio) == 0;
        ::close(fd);
        QVERIFY(read);
        QCOMPARE(cfgetospeed(&tio), speed_t(B19200));
        QVERIFY(tio.c_cflag & CSTOPB);
        QVERIFY(tio.c_cflag & CRTSCTS);
        QVERIFY(comm->Connected());
        QTest::qWait(50);
        QVERIFY(rec.failures.isEmpty());
    }

    void refusedSettingsCloseThePort() {
        auto comm = makeComm(pair_->portPath);
        Recorder rec(*comm);
        comm->SetBaudRate(-1);
        QCOMPARE(openError(*comm), QStringLiteral("неверные параметры порта!"));
        QVERIFY(!comm->Connected());

        comm->SetBaudRate(9600);
        comm->Open();
        // Refused on the open port: closed, reported once, the setting kept for the next open.
        comm->SetBaudRate(-1);
        QVERIFY(!comm->Connected());
        QCOMPARE(comm->BaudRate(), -1);
        QTRY_COMPARE(rec.failures, QStringList{QStringLiteral("неверные параметры порта!")});
        QCOMPARE(openError(*comm), QStringLiteral("неверные параметры порта!"));
    }

    void losingTheDeviceClosesThePortAndReportsOnce() {
        auto comm = makeComm(pair_->portPath);
        Recorder rec(*comm);
        comm->Open();
        device_.close();
        pair_->stop();
        // A write queued before the loss is noticed must not add a second report.
        comm->Write(QByteArray("\x01\x04", 2));
        QTRY_COMPARE_WITH_TIMEOUT(rec.failures.size(), 1, 5000);
        QVERIFY(!comm->Connected());
        QVERIFY(!rec.failures.first().isEmpty());
        QTest::qWait(300);
        QCOMPARE(rec.failures.size(), 1);

        // The device comes back: the next open works and bytes flow again.
        QVERIFY(pair_->start());
        device_.setPortName(pair_->devicePath);
        QVERIFY(device_.open(QIODevice::ReadWrite));
        comm->Open();
        device_.write("ok");
        QTRY_COMPARE_WITH_TIMEOUT(rec.received, QByteArray("ok"), 3000);
        QCOMPARE(rec.failures.size(), 1);
    }

    void storedPseudoTerminalIsListed() {
        auto comm = makeComm(pair_->portPath);
        QFile regular(dir_.filePath(QStringLiteral("not-a-tty")));
        QVERIFY(regular.open(QIODevice::WriteOnly));
        regular.close();

        const QStringList withLink = comm->AvailablePorts(pair_->portPath);
        QCOMPARE(withLink.count(pair_->portPath), 1);
        QCOMPARE(withLink.last(), pair_->portPath);
        const QStringList system = comm->AvailablePorts(QString());
        QCOMPARE(withLink.mid(0, withLink.size() - 1), system);

        for (const QString& stored : {regular.fileName(), QStringLiteral("/dev/null"), dir_.path(),
                                      dir_.filePath(QStringLiteral("missing")), QStringLiteral("COM1")})
            QCOMPARE(comm->AvailablePorts(stored), system);

        // The port list of the program: emptied first, device paths kept although they carry
        // no "COM" in their names.
        QStringList list{QStringLiteral("stale entry")};
        EnumComPorts(list, QStringLiteral("COM"), *comm, pair_->portPath);
        QCOMPARE(list, withLink);

        // A stored port the system lists already appears once.
        if (!system.isEmpty())
            QCOMPARE(comm->AvailablePorts(system.first()), system);
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<PtyPair> pair_;
    QSerialPort device_;
};

QTEST_GUILESS_MAIN(Comm32PtyTest)
#include "comm32_pty_test.moc"
