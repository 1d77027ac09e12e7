#pragma once
// korvanta-sim as its own process, serving its devices on a pseudo-terminal linked into a folder.
#include <QProcess>
#include <QString>
#include <QStringList>

class SimProcess {
public:
    // extra: further command-line options (--device, --baud, ...).
    SimProcess(const QString& dir, const QStringList& extra);
    ~SimProcess();

    // Waits until the simulator said it serves its link.
    bool waitReady();
    bool stop();
    // The request frames the simulator received, one line each as spaced hex.
    QStringList loggedRequests() const;
    // Writes "settings.ini" into programDir naming the link as the port, 8N1 without flow
    // control, at the given position of the speed list (2 is 9600 bit/s).
    void WriteSettings(const QString& programDir, int boudRatePosition = 2) const;

    QString linkPath;
    QString logPath;
    QProcess process;
};
