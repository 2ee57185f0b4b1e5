// Timers on the virtual clock: intervals, restarts, ticks that change their
// own timer, ordering, and the pause while a dialog is open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Timers.h"

namespace {

TEST(TimersTest, TicksEveryIntervalWhileEnabled) {
    forms::TimerScheduler s;
    forms::Timer t(s, 100, true);
    int ticks = 0;
    t.OnTimer = [&] { ++ticks; };
    s.Advance(99);
    EXPECT_EQ(ticks, 0);
    s.Advance(1);
    EXPECT_EQ(ticks, 1);
    s.Advance(250);
    EXPECT_EQ(ticks, 3);
    t.SetEnabled(false);
    s.Advance(1000);
    EXPECT_EQ(ticks, 3);
}

TEST(TimersTest, ChangingTheIntervalOrReenablingRestartsTheCountdown) {
    forms::TimerScheduler s;
    forms::Timer t(s, 300, true);
    int ticks = 0;
    t.OnTimer = [&] { ++ticks; };
    s.Advance(250);
    t.SetInterval(1200);  // the pause before the discard is a fresh wait
    s.Advance(1199);
    EXPECT_EQ(ticks, 0);
    s.Advance(1);
    EXPECT_EQ(ticks, 1);
    s.Advance(700);
    t.SetEnabled(false);
    t.SetEnabled(true);
    s.Advance(1199);
    EXPECT_EQ(ticks, 1);
    s.Advance(1);
    EXPECT_EQ(ticks, 2);
    t.SetEnabled(true);  // already on: no restart
    s.Advance(1200);
    EXPECT_EQ(ticks, 3);
}

TEST(TimersTest, ATickMayStopOrRetimeItsOwnTimer) {
    forms::TimerScheduler s;
    forms::Timer t(s, 100, true);
    std::vector<std::int64_t> at;
    t.OnTimer = [&] {
        at.push_back(s.Now());
        if (at.size() == 1) t.SetInterval(800);
        if (at.size() == 2) t.SetEnabled(false);
    };
    s.Advance(5000);
    const std::vector<std::int64_t> expected = {100, 900};
    EXPECT_EQ(at, expected);
}

TEST(TimersTest, DueTicksRunInTimeOrderTiesInCreationOrder) {
    forms::TimerScheduler s;
    forms::Timer a(s, 200, true), b(s, 100, true);
    std::string order;
    a.OnTimer = [&] { order += 'a'; };
    b.OnTimer = [&] { order += 'b'; };
    s.Advance(400);
    EXPECT_EQ(order, "babbab");
}

TEST(TimersTest, NothingTicksWhilePaused) {
    forms::TimerScheduler s;
    forms::Timer t(s, 100, true);
    int ticks = 0;
    t.OnTimer = [&] { ++ticks; };
    {
        forms::SchedulerPause pause(&s);
        s.Advance(1000);
        EXPECT_EQ(s.AdvanceToNextTick(), -1);
    }
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(s.AdvanceToNextTick(), 100);
    EXPECT_EQ(ticks, 1);
}

TEST(TimersTest, AdvanceToNextTickWithNothingEnabled) {
    forms::TimerScheduler s;
    forms::Timer t(s, 100, false);
    EXPECT_EQ(s.AdvanceToNextTick(), -1);
}

TEST(TimersTest, TimeToNextTickFollowsTheEarliestEnabledTimer) {
    forms::TimerScheduler s;
    EXPECT_EQ(s.TimeToNextTick(), -1);
    forms::Timer slow(s, 1000, true), fast(s, 180, true), off(s, 5, false);
    EXPECT_EQ(s.TimeToNextTick(), 180);
    s.Advance(100);
    EXPECT_EQ(s.TimeToNextTick(), 80);
    s.Advance(80);
    EXPECT_EQ(s.TimeToNextTick(), 180) << "the fast timer ticked and counts again";
    fast.SetEnabled(false);
    EXPECT_EQ(s.TimeToNextTick(), 820);
}

}  // namespace
