#pragma once
// A timer with the toolkit's rules, which QTimer does not follow by itself:
// - setting the interval or the enabled state to the value it already has does nothing;
// - a new interval restarts a running timer; enabling a running timer does not restart it;
// - interval 0 never fires; no timer fires sooner than 10 ms after it was started.
// It repeats until it is disabled, like the toolkit's timer.
#include <QObject>
#include <functional>

class QTimer;

class TTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int MinimumPeriodMs = 10;

    explicit TTimer(QObject* parent = nullptr, int intervalMs = 1000, bool enabled = true);

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    // The handler run on each tick (the toolkit's OnTimer).
    std::function<void()> OnTimer;

signals:
    void fired();

private:
    void restart();
    void tick();

    QTimer* timer_;
    int interval_;
    bool enabled_;
};
