// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/FakeTimerClock.h"

void FakeTimerClock::start(rt::Timer& timer, int interval) { mRunning[&timer] = Running{interval, mNow + interval}; }

void FakeTimerClock::advance(int64_t milliseconds)
{
    const int64_t end = mNow + milliseconds;
    for (;;) {
        // A tick may start or stop timers, so look again after each one.
        auto next = mRunning.end();
        for (auto it = mRunning.begin(); it != mRunning.end(); ++it) {
            if (it->second.due <= end && (next == mRunning.end() || it->second.due < next->second.due))
                next = it;
        }
        if (next == mRunning.end())
            break;
        mNow = next->second.due;
        next->second.due += next->second.interval;
        ++mTicks;
        next->first->raiseTick();
    }
    mNow = end;
}
