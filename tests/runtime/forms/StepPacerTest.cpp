// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pacing of step loops on a clock the test moves: the work of a step and the
// pacer's waits both advance it.

#include "runtime/forms/StepPacer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::chrono_literals;

namespace {

struct FakeSteadyClock {
    std::chrono::nanoseconds now{1s};
    std::vector<std::chrono::nanoseconds> waits;

    rt::StepPacer pacer(std::chrono::nanoseconds step)
    {
        return rt::StepPacer(
            step, [this] { return now; },
            [this](std::chrono::nanoseconds wait) {
                waits.push_back(wait);
                now += wait;
            });
    }
};

TEST(StepPacer, EachStepLastsItsTimeAndALateStepIsNotFollowedByAWait)
{
    FakeSteadyClock clock;
    rt::StepPacer pacer = clock.pacer(2ms);
    const auto begin = clock.now;
    // Steps whose drawing takes 0.5 ms, 2 ms, 3 ms, 0.1 ms.
    for (const auto work : {500us, 2000us, 3000us, 100us}) {
        clock.now += work;
        pacer.endStep();
    }
    EXPECT_EQ(clock.waits, (std::vector<std::chrono::nanoseconds>{1500us, 1900us}));
    // The late step is not made up: the step after it still gets its full time.
    EXPECT_EQ(clock.now - begin, 2ms + 2ms + 3ms + 2ms);
}

TEST(StepPacer, ManyQuickStepsTakeTheirCountTimesTheStep)
{
    FakeSteadyClock clock;
    rt::StepPacer pacer = clock.pacer(2ms);
    const auto begin = clock.now;
    for (int step = 0; step < 190; ++step) {
        clock.now += 300us;
        pacer.endStep();
    }
    EXPECT_EQ(clock.now - begin, 380ms);
}

}  // namespace
