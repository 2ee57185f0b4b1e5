#include "SchedulerDriver.h"

#include <algorithm>

#include "Timers.h"

SchedulerDriver::SchedulerDriver(forms::TimerScheduler& scheduler, std::function<void()> afterStep, QObject* parent)
    : QObject(parent), scheduler_(scheduler), afterStep_(std::move(afterStep)) {
    poll_.setTimerType(Qt::PreciseTimer);
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, &SchedulerDriver::step);
}

void SchedulerDriver::start() {
    clock_.start();
    poll_.start();
}

void SchedulerDriver::stop() { poll_.stop(); }

std::int64_t SchedulerDriver::ClampedStep(std::int64_t elapsedMs) { return std::clamp<std::int64_t>(elapsedMs, 0, MaxStepMs); }

void SchedulerDriver::step() {
    // The time a dialog stood open, or a tick ran inside a nested event
    // loop, does not count for the game.
    const std::int64_t elapsed = clock_.restart();
    if (inStep_ || scheduler_.Paused()) return;
    inStep_ = true;
    scheduler_.Advance(ClampedStep(elapsed));
    inStep_ = false;
    if (afterStep_) afterStep_();
}
