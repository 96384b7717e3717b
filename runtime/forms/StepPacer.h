// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Paces a loop that moves something on the screen step by step, so that each
// step lasts a fixed time however fast the machine draws it. A step that took
// longer than its time is followed by the next one at once: late steps are
// never made up by waiting less later, nor by waiting at all.

#include <chrono>
#include <functional>

namespace rt {

class StepPacer {
public:
    using Clock = std::function<std::chrono::nanoseconds()>;
    using Sleep = std::function<void(std::chrono::nanoseconds)>;

    // The step begins now, on the machine's steady clock.
    explicit StepPacer(std::chrono::nanoseconds stepTime);
    StepPacer(std::chrono::nanoseconds stepTime, Clock clock, Sleep sleep);

    // Waits for what is left of the current step; the next step begins when
    // this returns.
    void endStep();

private:
    std::chrono::nanoseconds mStepTime;
    Clock mClock;
    Sleep mSleep;
    std::chrono::nanoseconds mStepStart;
};

}  // namespace rt
