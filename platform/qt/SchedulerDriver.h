#pragma once
// Runs a timer scheduler on Qt's event loop with real elapsed time. A long
// gap (a slow step, a suspended machine) moves the clock on by at most
// MaxStepMs, so the game's timers never fire in a burst; nothing ticks while
// the scheduler is paused, and a tick that opens a dialog never runs the
// scheduler again from inside itself.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace forms {
class TimerScheduler;
}

class SchedulerDriver : public QObject {
    Q_OBJECT
public:
    static constexpr int PollMs = 10;
    static constexpr std::int64_t MaxStepMs = 100;

    SchedulerDriver(forms::TimerScheduler& scheduler, std::function<void()> afterStep, QObject* parent = nullptr);
    void start();
    void stop();
    bool running() const { return poll_.isActive(); }

    // The clock step for a measured gap: negative gaps count as none, long
    // ones are cut to MaxStepMs.
    static std::int64_t ClampedStep(std::int64_t elapsedMs);

private:
    void step();
    forms::TimerScheduler& scheduler_;
    std::function<void()> afterStep_;
    QTimer poll_;
    QElapsedTimer clock_;
    bool inStep_ = false;
};
