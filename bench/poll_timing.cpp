// A whole poll (register read, identification, clock, date) of a simulated device that answers at
// once, over a pseudo-terminal at 9600 and at 115200 bit/s: the time from the click to the date
// shown, beside the floor of four pre-send waits and idle gaps plus the wire time of the eight
// frames.
#include "main_rig.h"
#include "sim_process.h"

#include "app/tmain.h"
#include "commands/request_fields.h"
#include "link/exchange.h"
#include "platform/qt_serial_transport.h"
#include "platform/scripted_dialogs.h"
#include "platform/talign_edit.h"
#include "platform/ttimer.h"
#include "protocol/answer_panel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Request and answer bytes of the poll: 04 (8 + 9), 2B (4 + 10), 60 (4 + 7), 61 (4 + 8).
constexpr int PollBytes = 8 + 9 + 4 + 10 + 4 + 7 + 4 + 8;

int measure(int baud, int boudRatePosition) {
    QTemporaryDir dir;
    SimProcess sim(dir.path(), {"--device", "17:10C", "--baud", QString::number(baud)});
    if (!sim.waitReady())
        return 1;
    sim.WriteSettings(dir.path(), boudRatePosition);
    ScriptedDialogs dialogs;
    const std::unique_ptr<TMain> owned = MainOnRealPort(dir.path() + "/", dialogs);
    TMain& main = *owned;
    main.Fields->EditAdres->SetText("17");

    // The date is shown when the decoder has taken the date answer.
    bool shown = false;
    const auto decode = main.Exchange->DecodeAnswer;
    main.Exchange->DecodeAnswer = [&](const QString& a, const QString& f, const QString& d) {
        decode(a, f, d);
        shown = shown || f == "61";
    };

    constexpr int rounds = 5;
    double total = 0;
    for (int i = 0; i < rounds; ++i) {
        // Each poll starts with the port closed, as after a quiet period.
        while (main.Exchange->TimeOut()->Enabled())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        shown = false;
        QElapsedTimer clock;
        clock.start();
        main.BtnAdrSend->click();
        while (!shown && clock.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 2);
        if (!shown) {
            std::fprintf(stderr, "poll at %d bit/s did not complete: %s\n", baud, qPrintable(dialogs.messages().join("; ")));
            return 1;
        }
        total += clock.nsecsElapsed() / 1e6;
    }
    const double wireMs = PollBytes * 10 * 1000.0 / baud;
    const double floorMs = 4 * (100 + TTimer::MinimumPeriodMs) + wireMs;
    std::printf("poll at %6d bit/s: mean %.1f ms; floor %.1f ms (4 x (100 + %d) + %.1f wire); ratio %.3f (target 1.15)\n",
                baud, total / rounds, floorMs, TTimer::MinimumPeriodMs, wireMs, total / rounds / floorMs);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return measure(9600, 2) || measure(115200, 10);
}
