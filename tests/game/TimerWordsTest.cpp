// The words in Timer1's tag: their order within one tick, the two- and
// three-tick waits, the blinking prompt and the go-on click.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Rng.h"
#include "ScoreAnimation.h"
#include "TestTable.h"

namespace {

// With an undefined status every call of the state machine shows one
// message box, so the tests can count when it ran.
constexpr int kProbeStatus = 99;

struct TimerWords : ::testing::Test {
    TestTable t;
    Main& m() { return t.m(); }
    void SetUp() override {
        m().myGameStatus = 0;
        m().Run();
        m().myGameStatus = kProbeStatus;
    }
    int runs() const { return t.dialogs.CountOf("MsgBox"); }
};

TEST_F(TimerWords, EachWordTakesItsNumberOfTicks) {
    struct Case {
        const char* start;
        std::vector<std::string> tagsAfterTicks;
        int tickThatRuns;  // 1-based; 0 for none
    };
    const Case cases[] = {
        {"OK", {"OK1", ""}, 2},
        {"HITTAHOGBUD", {"HogBud1", "HogBud1"}, 2},
        {"HogBud1", {"HogBud1"}, 1},
        {"FARGVALD", {"FARGVALD"}, 1},
        {"VALGFARG", {"VALGFARG"}, 1},
        {"Suggest", {"Suggest1", "SuggestOK", ""}, 0},
        {"STOP_RUNDA", {"STOP_RUNDA", "STOP_RUNDA"}, 0},
        {"bjudnext", {"bjudnext"}, 0},  // words are case-sensitive
        {"", {"", ""}, 0},
    };
    for (const Case& c : cases) {
        m().Timer1.Tag = c.start;
        const int before = runs();
        int ranAt = 0;
        for (std::size_t i = 0; i < c.tagsAfterTicks.size(); ++i) {
            m().Timer1_Timer();
            EXPECT_EQ(m().Timer1.Tag, c.tagsAfterTicks[i]) << c.start << " tick " << i + 1;
            if (!ranAt && runs() > before) ranAt = static_cast<int>(i) + 1;
        }
        EXPECT_EQ(ranAt, c.tickThatRuns) << c.start;
        m().Timer1.Tag.clear();
    }
}

TEST_F(TimerWords, TheEndOfDealWordsScoreOnTheSecondTick) {
    m().myGameStatus = 7;  // trick play has just ended
    m().Timer1.Tag = "A_OK";
    m().Timer1_Timer();
    EXPECT_EQ(m().Timer1.Tag, "A_OK1");
    m().Timer1_Timer();
    EXPECT_EQ(m().Timer1.Tag, "STOP_RUNDA") << "the deal was scored and waits for the click";
    EXPECT_EQ(m().Timer3.Tag, "ANIMATE");
}

TEST_F(TimerWords, AWordSetInsideATickIsActedOnWhenItComesLater) {
    // The discard sets "WAIT_KOR" in the "FARGVALD" tick; test 15 of the
    // same tick already toggles the prompt it showed.
    m().myGameStatus = 5;
    m().Timer1.Tag = "FARGVALD";
    m().Timer1_Timer();
    EXPECT_EQ(m().Timer1.Tag, "WAIT_KOR");
    EXPECT_FALSE(m().LblClickVidare.Visible);
}

TEST_F(TimerWords, ThePromptBlinksEvery800Milliseconds) {
    m().myGameStatus = 5;
    m().Timer1.Tag = "FARGVALD";
    m().Run();  // the discard: prompt shown, timer restarted at 800 ms
    ASSERT_TRUE(m().LblClickVidare.Visible);
    std::vector<bool> seen;
    for (int i = 0; i < 4; ++i) {
        t.advance(800);
        seen.push_back(m().LblClickVidare.Visible);
    }
    const std::vector<bool> expected = {false, true, false, true};
    EXPECT_EQ(seen, expected);
}

TEST_F(TimerWords, TheThinkingPauseBeforeTheDiscardCountsFromWhenItIsSet) {
    // Resolving the highest bid left Timer1 at 300 ms; the colour choice in
    // the same tick sets the random pause, which must run in full.
    struct Case {
        float rnd;
        int pause;
    };
    const Case cases[] = {{0.0f, 1200}, {0.5f, 1350}, {0.9999f, 1499}};
    for (const Case& c : cases) {
        SetRandomSource([&c] { return c.rnd; });
        m().Timer1.SetInterval(300);
        t.advance(100);
        m().myGameStatus = 5;
        m().Timer1.Tag.clear();
        m().Run();
        ASSERT_EQ(m().Timer1.Tag, "FARGVALD");
        t.advance(c.pause - 1);
        EXPECT_EQ(m().myGameStatus, 5) << "rnd " << c.rnd;
        t.advance(1);
        EXPECT_EQ(m().myGameStatus, 6) << "rnd " << c.rnd;
        EXPECT_EQ(m().Timer1.Tag, "WAIT_KOR");
        m().Timer1.Tag.clear();
    }
    SetRandomSource({});
}

TEST_F(TimerWords, OtherTimersIgnoreForeignWords) {
    AnimationTrick = 3;
    AnimationState = 1;
    m().Timer3.Tag = "DELUT";
    m().Timer3_Timer();
    EXPECT_EQ(AnimationTrick, 3);
    EXPECT_EQ(AnimationState, 1);
    m().Timer2.Tag = "ANIMATE";
    m().Timer2_Timer();
    EXPECT_EQ(m().Hand[1].AntalKort(), 0);
    EXPECT_EQ(m().Timer2.Tag, "ANIMATE");
}

TEST_F(TimerWords, TheGoOnClickEndsTheWaitsAndNothingElse) {
    struct Case {
        const char* timer3;
        const char* timer1;
        int runs;
        const char* timer3After;
        const char* timer1After;
    };
    const Case cases[] = {
        {"ANIMATE", "STOP_RUNDA", 1, "", ""},
        {"ANIMATE", "", 1, "", ""},
        {"", "WAIT_KOR", 1, "", ""},
        {"", "STOP_RUNDA", 1, "", ""},
        {"", "Play", 0, "", "Play"},
        {"", "Bjudnext", 0, "", "Bjudnext"},
        {"", "OK", 0, "", "OK"},
        {"", "", 0, "", ""},
        {"DELUT", "A_OK", 0, "DELUT", "A_OK"},
    };
    for (const Case& c : cases) {
        m().myGameStatus = kProbeStatus;
        m().Timer3.Tag = c.timer3;
        m().Timer1.Tag = c.timer1;
        m().LblClickVidare.Visible = true;
        const int before = runs();
        m().AdvanceMe();
        EXPECT_EQ(runs() - before, c.runs) << c.timer3 << "/" << c.timer1;
        EXPECT_EQ(m().Timer3.Tag, c.timer3After) << c.timer3 << "/" << c.timer1;
        EXPECT_EQ(m().Timer1.Tag, c.timer1After) << c.timer3 << "/" << c.timer1;
        if (c.runs > 0) {
            EXPECT_FALSE(m().LblClickVidare.Visible) << c.timer3 << "/" << c.timer1;
        }
        // A second call straight after (the click after a press) does nothing.
        m().AdvanceMe();
        EXPECT_EQ(runs() - before, c.runs) << "second call " << c.timer3 << "/" << c.timer1;
    }
}

TEST_F(TimerWords, TheEndOfADealWithoutItsAnimationStillClearsAFinishedGame) {
    // A game just won: totals above 61, waiting for the click. Going on
    // must clear the game, or the next deal would count the win again.
    m().gbVi = 70;
    m().gbDe = 20;
    m().myGameStatus = 1;
    m().Timer3.Tag.clear();
    m().Timer1.Tag = "STOP_RUNDA";
    m().bReplay = true;
    m().AdvanceMe();
    EXPECT_EQ(m().gbVi, 0);
    EXPECT_EQ(m().gbDe, 0);
    EXPECT_FALSE(m().bReplay);
    EXPECT_EQ(m().myGameStatus, 2) << "the next deal is dealt";
}

}  // namespace
