#include "sim/sim_clock.h"

SimClock::SimClock() {
    const QDateTime local = QDateTime::currentDateTime();
    restart(QDateTime(local.date(), local.time(), Qt::UTC), local.date().dayOfWeek());
}

QDateTime SimClock::now() const {
    return base_.addMSecs(sinceBase_.elapsed());
}

QTime SimClock::time() const {
    return now().time();
}

QDate SimClock::date() const {
    return now().date();
}

int SimClock::weekday() const {
    const auto days = base_.date().daysTo(now().date());
    return static_cast<int>((baseWeekday_ - 1 + days) % 7) + 1;
}

void SimClock::setTime(QTime time) {
    const QDateTime current = now();
    restart(QDateTime(current.date(), time, Qt::UTC), weekday());
}

void SimClock::setDate(int weekday, QDate date) {
    restart(QDateTime(date, now().time(), Qt::UTC), weekday);
}

void SimClock::restart(const QDateTime& value, int weekday) {
    base_ = value;
    baseWeekday_ = weekday;
    sinceBase_.start();
}
