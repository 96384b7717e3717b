// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms/StepPacer.h"

#include <thread>

namespace rt {

namespace {

std::chrono::nanoseconds steadyNow() { return std::chrono::steady_clock::now().time_since_epoch(); }

void sleepFor(std::chrono::nanoseconds duration) { std::this_thread::sleep_for(duration); }

}  // namespace

StepPacer::StepPacer(std::chrono::nanoseconds stepTime) : StepPacer(stepTime, steadyNow, sleepFor) {}

StepPacer::StepPacer(std::chrono::nanoseconds stepTime, Clock clock, Sleep sleep)
    : mStepTime(stepTime), mClock(std::move(clock)), mSleep(std::move(sleep)), mStepStart(mClock())
{
}

void StepPacer::endStep()
{
    const std::chrono::nanoseconds left = mStepStart + mStepTime - mClock();
    if (left > std::chrono::nanoseconds::zero())
        mSleep(left);
    mStepStart = mClock();
}

}  // namespace rt
