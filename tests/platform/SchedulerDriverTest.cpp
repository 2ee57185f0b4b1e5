// The clock steps and sleeps of the driver that runs the game's timers on
// Qt's event loop, and the real driver on the loop: timers started by a
// click, by other code outside a tick and after a dialog tick on time and one
// at a time, input finds the clock up to date, and a tick never runs inside
// another.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "SchedulerDriver.h"
#include "Timers.h"

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

// A widget whose input runs a handler, as the table's pictures do.
class InputTarget : public QWidget {
public:
    std::function<void()> OnInput;

protected:
    void mousePressEvent(QMouseEvent*) override { handle(); }
    void mouseReleaseEvent(QMouseEvent*) override { handle(); }
    void mouseDoubleClickEvent(QMouseEvent*) override { handle(); }
    void keyPressEvent(QKeyEvent*) override { handle(); }

private:
    void handle() {
        if (OnInput) OnInput();
    }
};

std::unique_ptr<QEvent> MouseEvent(QEvent::Type type) {
    const QPointF at(5, 5);
    return std::make_unique<QMouseEvent>(type, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
}

// Runs Qt's event loop until quit or until a generous limit has passed.
void RunLoop(QEventLoop& loop, int limitMs = 3000) {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(limitMs);
    loop.exec();
}

// Runs the real driver; it counts its steps, so a test can tell which ticks
// ran within one wake.
struct SchedulerDriverLoopTest : ::testing::Test {
    forms::TimerScheduler scheduler;
    InputTarget target;
    int steps = 0;
    SchedulerDriver driver{scheduler, [this] { ++steps; }};
    void SetUp() override {
        target.resize(20, 20);
        target.show();
        driver.start();
    }
};

struct Tick {
    std::int64_t wallMs;  // since the timer was started
    std::int64_t gameMs;  // on the game's clock, since the timer was started
    int step;
};

enum class StartedBy { Click, CallFromTheLoop, DialogAnswer };

struct SchedulerDriverTimerStartTest : SchedulerDriverLoopTest {
    static constexpr int PeriodMs = 20;
    static constexpr std::size_t TicksPerRound = 4;
    static constexpr int IdleMs = 50;  // the start comes while the driver sleeps its long idle wait
    forms::Timer timer{scheduler, PeriodMs, false};

    // Starts the timer the given way while the driver is idle and collects
    // its first ticks.
    std::vector<Tick> round(StartedBy how) {
        std::vector<Tick> ticks;
        QElapsedTimer wall;
        std::int64_t gameAtStart = 0;
        QEventLoop loop;
        const auto startTimer = [&] {
            wall.start();
            timer.SetEnabled(true);
            gameAtStart = scheduler.Now();
        };
        timer.OnTimer = [&] {
            ticks.push_back({wall.elapsed(), scheduler.Now() - gameAtStart, steps});
            if (ticks.size() < TicksPerRound) return;
            timer.SetEnabled(false);
            loop.quit();
        };
        target.OnInput = [&] {
            if (how == StartedBy::DialogAnswer) answerDialog();
            startTimer();
        };
        QTimer later;
        later.setSingleShot(true);
        QObject::connect(&later, &QTimer::timeout, [&] {
            if (how == StartedBy::CallFromTheLoop)
                startTimer();
            else
                QCoreApplication::postEvent(&target, MouseEvent(QEvent::MouseButtonPress).release());
        });
        later.start(IdleMs);
        RunLoop(loop);
        timer.OnTimer = nullptr;
        target.OnInput = nullptr;
        return ticks;
    }

    // A modal dialog: the scheduler is paused while its own loop runs.
    void answerDialog() {
        forms::SchedulerPause pause(&scheduler);
        QEventLoop dialog;
        QTimer::singleShot(IdleMs, &dialog, &QEventLoop::quit);
        dialog.exec();
    }
};

std::int64_t Median(std::vector<std::int64_t> v) {
    if (v.empty()) return -1;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

std::string Describe(const std::vector<std::vector<Tick>>& rounds) {
    std::ostringstream out;
    for (const auto& r : rounds) {
        out << "\n  wall/game/step:";
        for (const Tick& t : r) out << ' ' << t.wallMs << '/' << t.gameMs << '/' << t.step;
    }
    return out.str();
}

// Each round stands for one start; medians over the rounds keep a late wake
// on a busy machine from deciding, while a wrongly planned wake shows in
// every round.
TEST_F(SchedulerDriverTimerStartTest, ATimerStartedOutsideATickTicksOnTimeOneTickPerWake) {
    struct Case {
        const char* name;
        StartedBy how;
    };
    const Case cases[] = {{"a click", StartedBy::Click},
                          {"a call from the event loop", StartedBy::CallFromTheLoop},
                          {"a dialog answered in a click's handler", StartedBy::DialogAnswer}};
    constexpr int Rounds = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::vector<Tick>> rounds;
        std::vector<std::int64_t> firstTicks, gaps;
        int roundsWithOneTickPerWake = 0;
        for (int i = 0; i < Rounds; ++i) {
            const std::vector<Tick> ticks = round(c.how);
            rounds.push_back(ticks);
            ASSERT_EQ(ticks.size(), TicksPerRound) << Describe(rounds);
            for (std::size_t k = 0; k < ticks.size(); ++k)
                EXPECT_EQ(ticks[k].gameMs, PeriodMs * static_cast<std::int64_t>(k + 1))
                    << "each tick one period after the one before" << Describe(rounds);
            firstTicks.push_back(ticks.front().wallMs);
            std::set<int> wakes;
            for (const Tick& t : ticks) wakes.insert(t.step);
            if (wakes.size() == ticks.size()) ++roundsWithOneTickPerWake;
            for (std::size_t k = 1; k < ticks.size(); ++k) gaps.push_back(ticks[k].wallMs - ticks[k - 1].wallMs);
            EXPECT_GE(ticks.front().wallMs, PeriodMs * 3 / 4) << "never before its period" << Describe(rounds);
        }
        EXPECT_GT(roundsWithOneTickPerWake, Rounds / 2) << "no burst" << Describe(rounds);
        EXPECT_LT(Median(firstTicks), 3 * PeriodMs) << "the first tick comes after about a period" << Describe(rounds);
        EXPECT_GE(Median(gaps), PeriodMs / 2) << Describe(rounds);
        EXPECT_LT(Median(gaps), 3 * PeriodMs) << Describe(rounds);
    }
}

// A click counts from the moment it happens: ticks that fell due while the
// loop was busy run before the click's handler, which then reads a clock
// that is up to date.
TEST_F(SchedulerDriverLoopTest, InputFindsTheClockUpToDate) {
    forms::Timer timer(scheduler, 40, true);
    std::string order;
    timer.OnTimer = [&] { order += 't'; };
    std::int64_t seen = -1;
    target.OnInput = [&] {
        order += 'i';
        seen = scheduler.Now();
    };
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QEvent>()> event;
    };
    const Case cases[] = {
        {"press", [] { return MouseEvent(QEvent::MouseButtonPress); }},
        {"release", [] { return MouseEvent(QEvent::MouseButtonRelease); }},
        {"double click", [] { return MouseEvent(QEvent::MouseButtonDblClick); }},
        {"key", [] { return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier); }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::int64_t before = scheduler.Now();
        order.clear();
        std::this_thread::sleep_for(std::chrono::milliseconds(60));  // the loop is busy
        const std::unique_ptr<QEvent> e = c.event();
        QCoreApplication::sendEvent(&target, e.get());
        EXPECT_GE(seen - before, 60);
        ASSERT_FALSE(order.empty());
        EXPECT_EQ(order.back(), 'i');
        EXPECT_EQ(order.front(), 't') << order;
    }
}

// A tick that runs an event loop of its own (a dialog) sees no other tick
// run inside it, whatever happens in that loop: input, a timer started, the
// driver's own wake. The time that loop ran does not count for the game, so
// no burst of ticks follows it.
TEST_F(SchedulerDriverLoopTest, NoTickRunsInsideATick) {
    forms::Timer opener(scheduler, 50, true), other(scheduler, 20, false);
    int depth = 0, deepest = 0, otherTicks = 0;
    std::vector<int> openerSteps;
    QEventLoop loop;
    const auto enter = [&] { deepest = std::max(deepest, ++depth); };
    opener.OnTimer = [&] {
        enter();
        openerSteps.push_back(steps);
        if (openerSteps.size() == 1) {
            QEventLoop dialog;
            QTimer::singleShot(10, &target, [&] {
                QCoreApplication::postEvent(&target, MouseEvent(QEvent::MouseButtonPress).release());
            });
            QTimer::singleShot(150, &dialog, &QEventLoop::quit);
            dialog.exec();
        }
        if (openerSteps.size() == 3) {
            opener.SetEnabled(false);
            loop.quit();
        }
        --depth;
    };
    other.OnTimer = [&] {
        enter();
        ++otherTicks;
        --depth;
    };
    target.OnInput = [&] { other.SetEnabled(true); };
    RunLoop(loop);
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(otherTicks, 1) << "the timer the dialog's click started runs once the tick is over";
    ASSERT_EQ(openerSteps.size(), 3u);
    EXPECT_NE(openerSteps[1], openerSteps[2]) << "no burst after the dialog";
}

}  // namespace
