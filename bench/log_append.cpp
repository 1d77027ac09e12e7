// Appends 1,000,000 lines to the exchange log and prints the time per 10,000 lines at the start
// and at the end, and how long making the last line visible takes with the full log.
#include "platform/log_list_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    TLogListBox log;
    log.resize(600, 400);
    log.show();
    QApplication::processEvents();

    constexpr int total = 1000000;
    constexpr int block = 10000;
    QElapsedTimer timer;
    double first = 0, last = 0, worst = 0;
    for (int done = 0; done < total; done += block) {
        timer.start();
        for (int i = 0; i < block; ++i)
            log.Add(QString("RX:  11 04 04 11 04 00 00 %1").arg(done + i));
        log.ScrollToEnd();
        QApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (done == 0)
            first = ms;
        last = ms;
        worst = std::max(worst, ms);
    }
    timer.start();
    log.ScrollToEnd();
    QApplication::processEvents();
    const double scroll = timer.nsecsElapsed() / 1e6;

    std::printf("lines: %d\n", log.Count());
    std::printf("first 10,000 lines: %.1f ms\n", first);
    std::printf("last 10,000 lines:  %.1f ms (worst block %.1f ms)\n", last, worst);
    std::printf("ratio last/first:   %.2f\n", last / first);
    std::printf("scroll to end with the full log: %.2f ms\n", scroll);
    return 0;
}
