#pragma once
// Serves a bus of simulated devices on a pseudo-terminal, reachable through a symbolic link to
// its slave side, so that any serial program can open the link as its port. The master side
// stays open all along: clients may open and close the slave as often as they like.
#include "sim/sim_bus.h"
#include "sim/sim_frame_splitter.h"
#include "sim/sim_options.h"
#include "sim/sim_pacer.h"

#include <QFile>
#include <QString>
#include <csignal>

class SimPtyServer {
public:
    SimPtyServer(SimBus& bus, const SimOptions& options);
    ~SimPtyServer();
    SimPtyServer(const SimPtyServer&) = delete;
    SimPtyServer& operator=(const SimPtyServer&) = delete;

    // Opens the pseudo-terminal, the log and the link; false with the reason in *error.
    bool start(QString* error);
    // Serves until *stop is set (by a signal handler).
    void run(const volatile std::sig_atomic_t& stop);

private:
    void readAvailable(SimLineClock::time_point now);
    void takeFrame(const QByteArray& frame, SimLineClock::time_point now);
    void writeDue(SimLineClock::time_point now);
    void clientGone();
    double charMs(bool paced) const;

    SimBus& bus_;
    SimOptions options_;
    int master_ = -1;
    QString slavePath_;
    bool linkMade_ = false;
    bool clientAway_ = false;
    QFile log_;
    SimFrameSplitter splitter_;
    SimPacer pacer_;
};
