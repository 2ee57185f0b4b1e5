// The clock steps and sleeps of the driver that runs the game's timers on
// Qt's event loop.
#include <gtest/gtest.h>

#include <cstdint>

#include "SchedulerDriver.h"

namespace {

TEST(SchedulerDriverTest, GapsAreCutSoTimersNeverFireInABurst) {
    struct Case {
        std::int64_t elapsed, step;
    };
    const Case cases[] = {{-5, 0}, {0, 0}, {10, 10}, {100, 100}, {5000, SchedulerDriver::MaxStepMs}};
    for (const Case& c : cases) EXPECT_EQ(SchedulerDriver::ClampedStep(c.elapsed), c.step) << c.elapsed;
    EXPECT_LT(SchedulerDriver::MaxStepMs, 180) << "shorter than the dealing timer";
}

TEST(SchedulerDriverTest, SleepsUntilTheNextTickButNotLong) {
    struct Case {
        std::int64_t toNext;
        bool paused;
        int wait;
    };
    const Case cases[] = {{0, false, 0},
                          {25, false, 25},
                          {180, false, SchedulerDriver::MaxWaitMs},
                          {-1, false, SchedulerDriver::MaxWaitMs},
                          {500, true, SchedulerDriver::PollMs}};
    for (const Case& c : cases) EXPECT_EQ(SchedulerDriver::WaitMs(c.toNext, c.paused), c.wait) << c.toNext;
    EXPECT_LT(SchedulerDriver::MaxWaitMs, SchedulerDriver::MaxStepMs) << "a planned sleep is never cut short";
}

}  // namespace
