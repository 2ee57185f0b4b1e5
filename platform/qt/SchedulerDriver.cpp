#include "SchedulerDriver.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

#include "Timers.h"

SchedulerDriver::SchedulerDriver(forms::TimerScheduler& scheduler, std::function<void()> afterStep, QObject* parent)
    : QObject(parent), scheduler_(scheduler), afterStep_(std::move(afterStep)) {
    wake_.setTimerType(Qt::PreciseTimer);
    wake_.setSingleShot(true);
    connect(&wake_, &QTimer::timeout, this, &SchedulerDriver::step);
}

SchedulerDriver::~SchedulerDriver() {
    if (running_) stop();
}

void SchedulerDriver::start() {
    running_ = true;
    clock_.start();
    scheduler_.OnTimingChange = [this] { timingChanging(); };
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
    planNext();
}

void SchedulerDriver::stop() {
    running_ = false;
    wake_.stop();
    scheduler_.OnTimingChange = nullptr;
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

std::int64_t SchedulerDriver::ClampedStep(std::int64_t elapsedMs) { return std::clamp<std::int64_t>(elapsedMs, 0, MaxStepMs); }

int SchedulerDriver::WaitMs(std::int64_t toNextTick, bool paused) {
    if (paused) return PollMs;
    if (toNextTick < 0) return MaxWaitMs;
    return static_cast<int>(std::min<std::int64_t>(toNextTick, MaxWaitMs));
}

bool SchedulerDriver::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
            if (running_ && !inStep_) step();
            break;
        default: break;
    }
    return QObject::eventFilter(watched, e);
}

// Outside a step the clock lags behind by the time since the last one: it
// catches up first, without running a tick, so that the countdown about to
// start counts from now and the pause about to begin or end drops only its
// own time. The wake is planned again as soon as the code that made the
// change is back in an event loop.
void SchedulerDriver::timingChanging() {
    if (!running_ || inStep_) return;
    scheduler_.CatchUp(ClampedStep(clock_.restart()));
    wake_.start(0);
}

void SchedulerDriver::planNext() {
    if (running_) wake_.start(WaitMs(scheduler_.TimeToNextTick(), scheduler_.Paused()));
}

void SchedulerDriver::step() {
    // The time a dialog stood open, or a tick ran inside a nested event
    // loop, does not count for the game.
    const std::int64_t elapsed = clock_.restart();
    if (inStep_) {
        wake_.start(PollMs);
        return;
    }
    if (scheduler_.Paused()) {
        planNext();
        return;
    }
    inStep_ = true;
    wake_.start(PollMs);  // keeps dropping the time of a dialog this step opens
    scheduler_.Advance(ClampedStep(elapsed));
    inStep_ = false;
    if (afterStep_) afterStep_();
    planNext();
}
