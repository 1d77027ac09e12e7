#include "platform/events.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <thread>

void ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitMs(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
