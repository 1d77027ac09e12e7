#include "platform/ttimer.h"

#include <QTimer>
#include <algorithm>

TTimer::TTimer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), timer_(new QTimer(this)), interval_(intervalMs), enabled_(enabled) {
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &TTimer::tick);
    restart();
}

void TTimer::SetInterval(int ms) {
    if (ms == interval_)
        return;
    interval_ = ms;
    restart();
}

void TTimer::SetEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    restart();
}

// QTimer restarts on every start() and fires continuously at interval 0; both rules are kept out
// here, so the QTimer is only touched when the toolkit timer would change its count.
void TTimer::restart() {
    timer_->stop();
    if (enabled_ && interval_ > 0)
        timer_->start(std::max(interval_, MinimumPeriodMs));
}

void TTimer::tick() {
    if (OnTimer)
        OnTimer();
    emit fired();
}
