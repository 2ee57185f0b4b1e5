#include "Timers.h"

#include <algorithm>

namespace forms {

TimerScheduler::~TimerScheduler() {
    for (Timer* t : timers_) t->scheduler_ = nullptr;
}

Timer* TimerScheduler::nextDue(std::int64_t limit) const {
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (!t->enabled_ || t->interval_ <= 0 || t->due_ > limit) continue;
        if (!best || t->due_ < best->due_) best = t;
    }
    return best;
}

void TimerScheduler::Advance(std::int64_t ms) {
    const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
    while (!Paused()) {
        Timer* t = nextDue(target);
        if (!t) break;
        now_ = std::max(now_, t->due_);
        t->due_ = now_ + t->interval_;
        if (t->OnTimer) t->OnTimer();
    }
    if (!Paused()) now_ = target;
}

void TimerScheduler::CatchUp(std::int64_t ms) {
    if (!Paused()) now_ += std::max<std::int64_t>(ms, 0);
}

std::int64_t TimerScheduler::AdvanceToNextTick() {
    Timer* t = nextDue(INT64_MAX);
    if (!t || Paused()) return -1;
    const std::int64_t step = std::max<std::int64_t>(t->due_ - now_, 0);
    Advance(step);
    return step;
}

std::int64_t TimerScheduler::TimeToNextTick() const {
    const Timer* t = nextDue(INT64_MAX);
    return t ? std::max<std::int64_t>(t->due_ - now_, 0) : -1;
}

Timer::Timer(TimerScheduler& scheduler, int intervalMs, bool enabled)
    : scheduler_(&scheduler), interval_(intervalMs), enabled_(enabled) {
    scheduler.timers_.push_back(this);
    restart();
}

Timer::~Timer() {
    if (!scheduler_) return;
    auto& v = scheduler_->timers_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void Timer::restart() {
    if (!scheduler_) return;
    scheduler_->timingChange();
    due_ = scheduler_->now_ + interval_;
}

void Timer::SetInterval(int ms) {
    interval_ = std::max(ms, 0);
    restart();
}

void Timer::SetEnabled(bool on) {
    if (on && !enabled_) restart();
    enabled_ = on;
}

}  // namespace forms
