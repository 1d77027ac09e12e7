#include "sim_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

SimProcess::SimProcess(const QString& dir, const QStringList& extra) {
    // Qt's lock files are named after the link's last part: keep it apart from parallel tests.
    linkPath = QStringLiteral("%1/sim%2").arg(dir).arg(QCoreApplication::applicationPid());
    logPath = dir + "/requests.log";
    process.start(KORVANTA_SIM_BIN, QStringList{linkPath, "--log", logPath} + extra);
}

SimProcess::~SimProcess() { stop(); }

bool SimProcess::waitReady() {
    QByteArray out;
    const QDeadlineTimer deadline(5000);
    while (!out.contains("\n") && !deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    return out == "ready " + linkPath.toLocal8Bit() + "\n";
}

bool SimProcess::stop() {
    if (process.state() == QProcess::NotRunning)
        return false;
    process.terminate();
    return process.waitForFinished(5000);
}

QStringList SimProcess::loggedRequests() const {
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromLatin1(log.readAll()).split('\n', Qt::SkipEmptyParts);
}

void SimProcess::WriteSettings(const QString& programDir, int boudRatePosition) const {
    QFile ini(programDir + "/settings.ini");
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(ini.fileName()));
    ini.write(QString("[Port]\r\nPort=%1\r\nBoudRate=%2\r\nBitsSize=1\r\nParity=2\r\nStopBits=0\r\nStreem=2\r\n")
                  .arg(linkPath)
                  .arg(boudRatePosition)
                  .toLocal8Bit());
}
