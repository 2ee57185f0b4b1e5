#pragma once
// Runs a timer scheduler on Qt's event loop with real elapsed time. It
// sleeps until the next tick falls due (at most MaxWaitMs), so a game that
// waits for the player costs next to nothing. It brings the clock up to date
// before any input, and whenever a timer starts counting or a pause begins
// or ends outside a tick (in a click's handler, after a dialog's answer, in a
// queued call), and then plans its wake again: a timer counts from the moment
// it was started and ticks on time, one tick per wake. A wake that comes late
// (a slow step, a suspended machine) moves the clock on by at most MaxStepMs,
// so the dealing timer and every slower one never fire in a burst; nothing
// ticks while the scheduler is paused, and a tick that opens a dialog never
// runs the scheduler again from inside itself.

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
    static constexpr int PollMs = 10;  // while paused: the time a dialog stands open is dropped
    static constexpr int MaxWaitMs = 90;
    static constexpr std::int64_t MaxStepMs = 100;

    SchedulerDriver(forms::TimerScheduler& scheduler, std::function<void()> afterStep, QObject* parent = nullptr);
    ~SchedulerDriver() override;
    void start();
    void stop();
    bool running() const { return running_; }

    // The clock step for a measured gap: negative gaps count as none, long
    // ones are cut to MaxStepMs.
    static std::int64_t ClampedStep(std::int64_t elapsedMs);
    // How long to sleep before the next step, given the time to the next
    // tick (-1: no timer enabled) and whether the scheduler is paused.
    static int WaitMs(std::int64_t toNextTick, bool paused);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void step();
    void planNext();
    void timingChanging();
    forms::TimerScheduler& scheduler_;
    std::function<void()> afterStep_;
    QTimer wake_;
    QElapsedTimer clock_;
    bool inStep_ = false;
    bool running_ = false;
};
