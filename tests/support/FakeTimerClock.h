// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A clock for rt::Timer that tests advance by hand: every running timer ticks
// at its effective interval, in time order, as the clock passes its due times.

#include "runtime/controls/Timer.h"

#include <cstdint>
#include <map>

class FakeTimerClock : public rt::TimerClock {
public:
    // Installs itself for the timers started from now on; Qt's timers return
    // when it is destroyed.
    FakeTimerClock() { rt::setTimerClock(this); }
    ~FakeTimerClock() override { rt::setTimerClock(nullptr); }

    void start(rt::Timer& timer, int interval) override;
    void stop(rt::Timer& timer) override { mRunning.erase(&timer); }

    void advance(int64_t milliseconds);
    int64_t now() const { return mNow; }
    int ticks() const { return mTicks; }

private:
    struct Running {
        int interval;
        int64_t due;
    };
    std::map<rt::Timer*, Running> mRunning;
    int64_t mNow = 0;
    int mTicks = 0;
};
