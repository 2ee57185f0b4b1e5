#pragma once
// Timers with Interval, Enabled and Tag, all on one scheduler with its own
// clock. The programs advance the clock from Qt's event loop; tests advance
// it by hand, so no test sleeps. A timer ticks every Interval milliseconds
// while enabled; changing the interval or enabling it again restarts its
// countdown; at most one tick is pending per timer; a tick may stop or
// restart its own timer. While the scheduler is paused (a modal dialog is
// open) no timer ticks. Whoever runs the clock on real time hears of every
// countdown that starts and of every pause, so it can keep the clock up to
// date between its steps.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace forms {

class Timer;

class TimerScheduler {
public:
    TimerScheduler() = default;
    TimerScheduler(const TimerScheduler&) = delete;
    TimerScheduler& operator=(const TimerScheduler&) = delete;
    ~TimerScheduler();

    // Moves the clock on by ms, running every tick that falls due, in time
    // order (ties in the order the timers were made).
    void Advance(std::int64_t ms);
    // Runs ticks until the next tick of any timer has happened; returns the
    // time it moved on, or -1 when no timer is enabled.
    std::int64_t AdvanceToNextTick();
    // The time until the next tick of any timer (0 when one is due), or -1
    // when no timer is enabled.
    std::int64_t TimeToNextTick() const;
    std::int64_t Now() const { return now_; }
    // Moves the clock on by ms without running a tick: a tick that falls due
    // meanwhile runs at the next Advance, once. Nothing moves while paused.
    void CatchUp(std::int64_t ms);

    // Told just before a timer's countdown starts (it is made, enabled or
    // given an interval) and just before a pause begins or ends, from inside
    // a tick too. A driver on real time brings the clock up to date here, so
    // a countdown starts from the true time and a pause drops only its own.
    std::function<void()> OnTimingChange;

    void Pause() {
        timingChange();
        ++paused_;
    }
    void Resume() {
        if (paused_ == 0) return;
        timingChange();
        --paused_;
    }
    bool Paused() const { return paused_ > 0; }

private:
    friend class Timer;
    void timingChange() {
        if (OnTimingChange) OnTimingChange();
    }
    Timer* nextDue(std::int64_t limit) const;
    std::vector<Timer*> timers_;
    std::int64_t now_ = 0;
    int paused_ = 0;
};

class Timer {
public:
    explicit Timer(TimerScheduler& scheduler, int intervalMs = 0, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::string Name;
    std::string Tag;
    std::function<void()> OnTimer;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

private:
    friend class TimerScheduler;
    void restart();
    TimerScheduler* scheduler_;
    int interval_;
    bool enabled_;
    std::int64_t due_ = 0;
};

// Pauses a scheduler for as long as it lives (around a modal dialog).
class SchedulerPause {
public:
    explicit SchedulerPause(TimerScheduler* s) : s_(s) {
        if (s_) s_->Pause();
    }
    ~SchedulerPause() {
        if (s_) s_->Resume();
    }
    SchedulerPause(const SchedulerPause&) = delete;
    SchedulerPause& operator=(const SchedulerPause&) = delete;

private:
    TimerScheduler* s_;
};

}  // namespace forms
