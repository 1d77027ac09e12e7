// One request/answer round trip through SendFrame against korvanta-sim on a pseudo-terminal,
// printed beside its floor: the 100 ms wait, the idle gap that ends the answer, and the wire time
// of the request and the answer at the port speed.
#include "main_rig.h"
#include "sim_process.h"

#include "app/tmain.h"
#include "link/exchange.h"
#include "platform/handler_guard.h"
#include "platform/qt_serial_transport.h"
#include "platform/scripted_dialogs.h"
#include "platform/ttimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SimProcess sim(dir.path(), {"--device", "17:10C", "--baud", "9600"});
    if (!sim.waitReady()) {
        std::fprintf(stderr, "korvanta-sim did not start\n");
        return 1;
    }
    sim.WriteSettings(dir.path());
    ScriptedDialogs dialogs;
    const std::unique_ptr<TMain> owned = MainOnRealPort(dir.path() + "/", dialogs);
    TMain& main = *owned;

    constexpr int rounds = 10;
    double total = 0, best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        bool answered = false;
        QElapsedTimer clock;
        main.Exchange->DecodeAnswer = [&](const QString&, const QString&, const QString&) { answered = true; };
        clock.start();
        Guarded(dialogs, [&] { main.Exchange->SendFrame("11", "04", "00010002"); });
        while (!answered && clock.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        const double ms = clock.nsecsElapsed() / 1e6;
        if (!answered) {
            std::fprintf(stderr, "no answer: %s\n", qPrintable(dialogs.messages().join("; ")));
            return 1;
        }
        total += ms;
        best = std::min(best, ms);
    }
    const double wireMs = (8 + 9) * 10 * 1000.0 / 9600;
    const double floorMs = 100 + TTimer::MinimumPeriodMs + wireMs;
    std::printf("round trip at 9600 bit/s: mean %.1f ms, best %.1f ms over %d\n", total / rounds, best, rounds);
    std::printf("floor (100 ms wait + %d ms idle gap + %.1f ms wire): %.1f ms\n", TTimer::MinimumPeriodMs, wireMs,
                floorMs);
    std::printf("ratio mean/floor: %.3f\n", total / rounds / floorMs);
    return 0;
}
