// Timers on the virtual clock: intervals, restarts, ticks that change their
// own timer, ordering, and the pause while a dialog is open.
#include <gtest/gtest.h>

#include <functional>
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

// A clock run on real time lags between its steps; catching up moves it on
// without a tick, and the tick it passed comes once at the next step.
TEST(TimersTest, CatchingUpRunsNoTickAndLeavesOneDue) {
    forms::TimerScheduler s;
    forms::Timer t(s, 100, true);
    std::vector<std::int64_t> at;
    t.OnTimer = [&] { at.push_back(s.Now()); };
    s.CatchUp(250);
    EXPECT_TRUE(at.empty());
    EXPECT_EQ(s.TimeToNextTick(), 0);
    s.Advance(100);
    const std::vector<std::int64_t> expected = {250, 350};
    EXPECT_EQ(at, expected);
    forms::SchedulerPause pause(&s);
    s.CatchUp(500);
    EXPECT_EQ(s.Now(), 350) << "a pause drops the time";
}

// The change is told before it happens: a driver that catches the clock up
// there makes a countdown start from the true time, and a pause drop only
// the time it lasts.
TEST(TimersTest, ATimingChangeIsToldBeforeItHappens) {
    struct Case {
        const char* name;
        bool startsOn;
        std::function<void(forms::Timer&)> change;
        int told;
        std::int64_t firstTick;
    };
    const Case cases[] = {
        {"enabled", false, [](forms::Timer& t) { t.SetEnabled(true); }, 1, 130},
        {"given an interval", true, [](forms::Timer& t) { t.SetInterval(100); }, 1, 130},
        {"enabled while on", true, [](forms::Timer& t) { t.SetEnabled(true); }, 0, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        forms::TimerScheduler s;
        forms::Timer t(s, 100, c.startsOn);
        std::int64_t first = -1;
        t.OnTimer = [&] {
            if (first < 0) first = s.Now();
        };
        int told = 0;
        s.OnTimingChange = [&] {
            ++told;
            s.CatchUp(30);
        };
        c.change(t);
        EXPECT_EQ(told, c.told);
        s.OnTimingChange = nullptr;
        s.Advance(1000 - s.Now());
        EXPECT_EQ(first, c.firstTick);
    }
    forms::TimerScheduler s;
    std::vector<bool> pausedWhenTold;
    s.OnTimingChange = [&] { pausedWhenTold.push_back(s.Paused()); };
    s.Pause();
    s.Resume();
    s.Resume();  // not paused: nothing changes
    const std::vector<bool> expected = {false, true};
    EXPECT_EQ(pausedWhenTold, expected);
}

}  // namespace
