// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/Timer.h"

namespace rt {

namespace {
TimerClock* installedClock = nullptr;
}

int effectiveInterval(int requested)
{
    return requested > 0 && requested < MinimumEffectiveInterval ? MinimumEffectiveInterval : requested;
}

void setTimerClock(TimerClock* clock) { installedClock = clock; }

Timer::Timer(QObject* parent) : QObject(parent)
{
    mTimer.setTimerType(Qt::PreciseTimer);
    connect(&mTimer, &QTimer::timeout, this, &Timer::raiseTick);
}

Timer::~Timer()
{
    if (mRunningInterval > 0 && installedClock)
        installedClock->stop(*this);
}

void Timer::raiseTick()
{
    if (Tick)
        Tick();
}

void Timer::setEnabled(bool enabled)
{
    mEnabled = enabled;
    apply();
}

void Timer::setInterval(int milliseconds)
{
    mInterval = milliseconds;
    apply();
}

void Timer::apply()
{
    const int wanted = mEnabled && mInterval > 0 ? effectiveInterval(mInterval) : 0;
    if (wanted == mRunningInterval)
        return;
    mRunningInterval = wanted;
    if (installedClock) {
        if (wanted > 0)
            installedClock->start(*this, wanted);
        else
            installedClock->stop(*this);
    } else if (wanted > 0) {
        mTimer.start(wanted);
    } else {
        mTimer.stop();
    }
}

}  // namespace rt
