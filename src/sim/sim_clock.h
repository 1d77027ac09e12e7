#pragma once
// The device's real-time clock: time of day, date and weekday, running on from whatever was last
// written. The weekday is kept as written (the device does not derive it from the date) and
// advances with each day that passes.
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTime>

class SimClock {
public:
    // Starts from the system's local date and time.
    SimClock();

    QTime time() const;
    QDate date() const;
    int weekday() const; // 1 = Monday .. 7 = Sunday

    void setTime(QTime time);
    void setDate(int weekday, QDate date);

private:
    QDateTime now() const;
    void restart(const QDateTime& value, int weekday);

    QDateTime base_; // UTC so that no daylight-saving jump moves the device's clock
    int baseWeekday_ = 1;
    QElapsedTimer sinceBase_;
};
