// korvanta-sim: devices of the family on a pseudo-terminal, for tests, benchmarks and the demo.
#include "sim/sim_bus.h"
#include "sim/sim_options.h"
#include "sim/sim_pty_server.h"

#include <QStringList>
#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void installSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    const auto options = parseSimOptions(arguments, &error);
    if (!options) {
        std::fprintf(stderr, "korvanta-sim: %s\n%s", qPrintable(error), SimUsage);
        return 2;
    }

    SimBus bus;
    for (const SimDeviceSpec& wanted : options->devices)
        bus.addDevice(wanted.address, wanted.model, wanted.serial);

    installSignalHandlers();
    SimPtyServer server(bus, *options);
    if (!server.start(&error)) {
        std::fprintf(stderr, "korvanta-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("ready %s\n", qPrintable(options->linkPath));
    std::fflush(stdout);
    server.run(stopRequested);
    return 0;
}
