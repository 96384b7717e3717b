// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A timer control: raises Tick every Interval milliseconds while Enabled.
// An interval of 0 never ticks.

#include <functional>
#include <QObject>
#include <QTimer>

namespace rt {

class Timer;

// The platform the forms were designed for never ticked faster than about
// every 55 ms, and their tick counts (the tip's wait, how long a tip stays)
// were tuned on it: a shorter interval ticks every 55 ms here too.
constexpr int MinimumEffectiveInterval = 55;
int effectiveInterval(int requested);

// Where timers take their ticks from: Qt's timers unless another clock is
// installed (tests drive every timer from a clock of their own).
class TimerClock {
public:
    virtual ~TimerClock() = default;
    virtual void start(Timer& timer, int interval) = 0;
    virtual void stop(Timer& timer) = 0;
};
void setTimerClock(TimerClock* clock);

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);
    ~Timer() override;

    bool Enabled() const { return mEnabled; }
    void setEnabled(bool enabled);
    int Interval() const { return mInterval; }
    void setInterval(int milliseconds);

    std::function<void()> Tick;

    // Called by the clock each time the interval has passed.
    void raiseTick();

private:
    void apply();

    QTimer mTimer;
    bool mEnabled = false;
    int mInterval = 0;
    // The interval the clock runs this timer at; 0 while it does not run.
    int mRunningInterval = 0;
};

}  // namespace rt
