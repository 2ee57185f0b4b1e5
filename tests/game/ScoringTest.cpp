#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "ChildProcesses.h"
#include "PlayState.h"
#include "Registry.h"
#include "ScoreAnimation.h"
#include "TestTable.h"
#include "ViDeScoreboard.h"

namespace {
constexpr forms::Rgb kYellow = forms::RGB(255, 255, 0);
constexpr forms::Rgb kRed = forms::RGB(255, 0, 0);

struct ScoringFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    ScoringFixture() {
        m.SetUpGame();
        m.myGameStatus = 7;
        m.GamePlaying = true;
    }
    std::string stored(const char* name) { return GetRegistryValue("user", "Statistic", name, "0"); }
    // The deal's end with the pause already over.
    void scoreDeal() {
        m.Timer1.Tag = "A_OK1";
        m.Aftermath();
    }
    // A deal of 6 bid by the winners' seat that takes them from 60 to 70
    // against 0 to 4: the game ends and the winners' count goes up.
    void scoreGameWonBy(bool vi) {
        m.myGameStatus = 7;
        m.gbVi = vi ? 60 : 0;
        m.gbDe = vi ? 0 : 60;
        m.gbHogstaBudet = 6;
        m.gbBjuditHogst = vi ? 0 : 1;
        DealPointsVi = vi ? 10 : 4;
        DealPointsDe = vi ? 4 : 10;
        scoreDeal();
    }
};

struct DealCase {
    const char* what;
    short viTotal, deTotal;
    short bid;
    int bidder;
    short viTook, deTook;
    bool replay;
    short viAfter, deAfter;  // game totals after the deal
    short signedBid;
    const char* score;       // the deal score label
    bool viWon, deWon;
};

const DealCase kDeals[] = {
    {"Vi bids 8, takes 7: set back", 0, 0, 8, 0, 7, 7, false, -8, 7, -8, "-8 : 7", false, false},
    {"De bids 8, takes exactly 8: made", 0, 0, 8, 3, 6, 8, false, 6, 8, 8, "6 : 8", false, false},
    {"both past 61, Vi bid: Vi wins with less", 55, 60, 7, 2, 7, 7, false, 62, 67, 7, "7 : 7", true, false},
    {"both past 61, De bid: De wins with less", 60, 55, 7, 1, 7, 7, false, 67, 62, 7, "7 : 7", false, true},
    {"exactly 61 goes on", 54, 40, 7, 0, 7, 7, false, 61, 47, 7, "7 : 7", false, false},
    {"only De past 61 though Vi made its bid", 40, 58, 6, 0, 8, 6, false, 48, 64, 6, "8 : 6", false, true},
    {"set back below zero", -5, 10, 9, 2, 5, 9, false, -14, 19, -9, "-9 : 9", false, false},
    {"set back De while Vi passes 61", 60, 50, 10, 1, 6, 8, false, 66, 40, -10, "6 : -10", true, false},
    {"replay leaves the totals", 30, 20, 8, 0, 4, 10, true, 30, 20, -8, "-8 : 10", false, false},
};

void PrintTo(const DealCase& c, std::ostream* os) { *os << c.what; }

class DealTable : public ScoringFixture, public ::testing::WithParamInterface<DealCase> {};
}  // namespace

TEST_P(DealTable, SetBackTotalsAndGameEnd) {
    const DealCase& c = GetParam();
    m.gbVi = c.viTotal;
    m.gbDe = c.deTotal;
    m.gbHogstaBudet = c.bid;
    m.gbBjuditHogst = c.bidder;
    m.bReplay = c.replay;
    DealPointsVi = c.viTook;
    DealPointsDe = c.deTook;
    ScoreboardEntry = ScoreboardRecord{111, 222, 3, 3, false, false};

    scoreDeal();

    EXPECT_EQ(m.gbVi, c.viAfter) << c.what;
    EXPECT_EQ(m.gbDe, c.deAfter) << c.what;
    EXPECT_EQ(m.LblScore.Caption, c.score) << c.what;
    EXPECT_TRUE(m.LblScore.Visible);
    EXPECT_TRUE(m.LblClickVidare.Visible);
    if (c.replay) {
        EXPECT_EQ(ScoreboardEntry.ViTotal, 111) << c.what;  // no row for a replay
    } else {
        EXPECT_EQ(ScoreboardEntry.ViTotal, c.viAfter) << c.what;
        EXPECT_EQ(ScoreboardEntry.DeTotal, c.deAfter) << c.what;
        EXPECT_EQ(ScoreboardEntry.Bid, c.signedBid) << c.what;
        EXPECT_EQ(ScoreboardEntry.Bidder, c.bidder) << c.what;
        EXPECT_EQ(ScoreboardEntry.ViWon, c.viWon) << c.what;
        EXPECT_EQ(ScoreboardEntry.DeWon, c.deWon) << c.what;
    }
    EXPECT_EQ(m.LblGameOver.Visible, c.viWon || c.deWon) << c.what;
    // The game's end starts the news ticker.
    EXPECT_EQ(m.LblTicker.Visible, c.viWon || c.deWon) << c.what;
    EXPECT_EQ(m.TimerAD.Enabled(), c.viWon || c.deWon) << c.what;
    // The deal's row on the score sheet, the winner's column red.
    EXPECT_EQ(ScoreboardRowCount, c.replay ? 0 : 1) << c.what;
    EXPECT_EQ(m.LabelVi[0].Caption.empty(), c.replay) << c.what;
    if (!c.replay) {
        EXPECT_EQ(ScoreboardVi[0], c.viAfter) << c.what;
        EXPECT_EQ(ScoreboardDe[0], c.deAfter) << c.what;
        EXPECT_EQ(ScoreboardBid[0], c.signedBid) << c.what;
    }
    EXPECT_EQ(m.LabelVi[5].ForeColor, c.viWon ? kRed : kYellow) << c.what;
    EXPECT_EQ(m.LabelDe[5].ForeColor, c.deWon ? kRed : kYellow) << c.what;
    EXPECT_EQ(stored("TotalVi"), c.viWon ? " 1" : "0") << c.what;
    EXPECT_EQ(stored("TotalDe"), c.deWon ? " 1" : "0") << c.what;
    if (c.viWon) {
        EXPECT_EQ(m.LblStatisticVi.Caption, " 1");
    }
    if (c.deWon) {
        EXPECT_EQ(m.LblStatisticDe.Caption, " 1");
    }

    EXPECT_EQ(m.myGameStatus, 1);
    EXPECT_EQ(m.Timer1.Tag, "STOP_RUNDA");
    EXPECT_EQ(m.Timer3.Tag, "ANIMATE");
    EXPECT_EQ(AnimationTrick, 1);
    EXPECT_EQ(AnimationState, 0);
    EXPECT_TRUE(m.ImgReplayUp.Visible);
    EXPECT_TRUE(m.ImgReplayDn.Visible);
}

INSTANTIATE_TEST_SUITE_P(Deals, DealTable, ::testing::ValuesIn(kDeals));

TEST_F(ScoringFixture, TheFirstCallOnlyArmsThePause) {
    m.gbVi = 60;
    m.gbHogstaBudet = 6;
    DealPointsVi = 10;
    DealPointsDe = 4;
    m.Timer1.Tag.clear();
    m.Aftermath();
    EXPECT_EQ(m.Timer1.Tag, "A_OK");
    EXPECT_EQ(m.Timer1.Interval(), 1000);
    EXPECT_TRUE(m.Timer1.Enabled());
    EXPECT_EQ(m.gbVi, 60);
    EXPECT_EQ(m.myGameStatus, 7);
    EXPECT_FALSE(m.LblClickVidare.Visible);
}

TEST_F(ScoringFixture, AWonGameIsCountedOnceOnly) {
    m.gbVi = 60;
    m.gbHogstaBudet = 6;
    m.gbBjuditHogst = 0;
    DealPointsVi = 10;
    DealPointsDe = 4;
    scoreDeal();
    ASSERT_EQ(stored("TotalVi"), " 1");
    // A stray second scoring of the same deal neither adds nor counts.
    scoreDeal();
    EXPECT_EQ(stored("TotalVi"), " 1");
    EXPECT_EQ(m.gbVi, 70);
    EXPECT_EQ(m.Timer1.Tag, "") << "a refused call leaves no word that calls it again";
}

TEST_F(ScoringFixture, ALeftoverPauseWordDiesWithTheRefusedCall) {
    m.gbHogstaBudet = 6;
    DealPointsVi = 10;
    DealPointsDe = 4;
    m.myGameStatus = 2;  // the table has moved on to another deal
    for (const char* word : {"A_OK1", "A_OK"}) {
        m.Timer1.Tag = word;
        m.Aftermath();
        EXPECT_EQ(m.Timer1.Tag, "") << word;
    }
    // Words of other steps are not the scoring's to take.
    m.Timer1.Tag = "Bjudnext";
    m.Aftermath();
    EXPECT_EQ(m.Timer1.Tag, "Bjudnext");

    // Through the timer: the word is consumed once and the tick goes quiet.
    m.Timer1.Tag = "A_OK1";
    m.Timer1_Timer();
    m.Timer1_Timer();
    EXPECT_EQ(m.Timer1.Tag, "");
    EXPECT_EQ(m.gbVi, 0);
    EXPECT_FALSE(m.LblClickVidare.Visible);
    EXPECT_EQ(m.myGameStatus, 2);
}

TEST_F(ScoringFixture, TheWinCountSurvivesAnyStoredText) {
    struct Case {
        const char* stored;
        const char* next;
    };
    const Case cases[] = {{" 5", " 6"},         {"0", " 1"},          {"", " 1"},
                          {"abc", " 1"},        {"32767", " 32768"},  {"99999", " 100000"},
                          {"2147483647", " 2147483647"}, {"99999999999", " 2147483647"}, {"12 wins", " 13"}};
    for (const Case& c : cases) {
        SaveRegistryValue("user", "Statistic", "TotalDe", c.stored);
        scoreGameWonBy(false);
        EXPECT_EQ(stored("TotalDe"), c.next) << c.stored;
        EXPECT_EQ(m.LblStatisticDe.Caption, c.next) << c.stored;
    }
}

TEST_F(ScoringFixture, TwoGamesEndingAtOnceKeepEveryWin) {
    // Two copies of the game share one settings folder and end game after
    // game at the same moments, each counting its wins through its own
    // window; each copy's caption shows a count that only grows.
    constexpr int kGames = 200;
    SaveRegistryValue("user", "Statistic", "TotalVi", " 7");
    const std::vector<int> codes = runSideBySide(2, [&](int) {
        int shown = 7;
        for (int game = 0; game < kGames; ++game) {
            scoreGameWonBy(true);
            const int count = std::stoi(m.LblStatisticVi.Caption);
            if (count <= shown) return 1;
            shown = count;
            m.ContinueAfterRound();
        }
        return 0;
    });
    EXPECT_EQ(codes, std::vector<int>(2, 0));
    EXPECT_EQ(stored("TotalVi"), " " + std::to_string(7 + 2 * kGames));
}

TEST_F(ScoringFixture, GoingOnClearsAFinishedGameOnly) {
    struct Case {
        short vi, de;
        bool cleared;
    };
    const Case cases[] = {{62, 10, true}, {10, 70, true}, {61, 61, false}, {-20, 5, false}};
    for (const Case& c : cases) {
        m.gbVi = c.vi;
        m.gbDe = c.de;
        m.GamePlaying = true;
        m.myGameStatus = 1;
        m.bReplay = true;
        m.LblSuggest.Caption = "Play the ace";
        for (forms::Control* ctl :
             std::initializer_list<forms::Control*>{&m.LblReplay, &m.ImgContUp, &m.ImgReplayUp, &m.LBTrace, &m.LblSuggest})
            ctl->Visible = true;
        m.ContinueAfterRound();
        EXPECT_EQ(m.gbVi, c.cleared ? 0 : c.vi);
        EXPECT_EQ(m.gbDe, c.cleared ? 0 : c.de);
        EXPECT_EQ(m.GamePlaying, !c.cleared);
        EXPECT_FALSE(m.bReplay);
        EXPECT_FALSE(m.LblReplay.Visible);
        EXPECT_FALSE(m.ImgContUp.Visible);
        EXPECT_FALSE(m.ImgReplayUp.Visible);
        EXPECT_FALSE(m.LBTrace.Visible);
        EXPECT_FALSE(m.LblSuggest.Visible);
        EXPECT_EQ(m.LblSuggest.Caption, "");
    }
}

// After a won game, whichever way the next one starts, the sheet is empty
// and no column is red; game set-up also stops the ticker the win started.
TEST_F(ScoringFixture, ANewGameClearsTheSheetAndSetUpStopsTheTicker) {
    struct Case {
        const char* what;
        void (*start)(Main&);
        bool stopsTicker;
    };
    const Case cases[] = {
        {"going on after the won game", [](Main& m) { m.ContinueAfterRound(); }, false},
        {"game set-up", [](Main& m) {
             m.myGameStatus = 0;
             m.Run();
         }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m.SetUpGame();
        const short deals[][4] = {{0, 30, 8, 1}, {30, 62, 8, 1}};  // Vi total, De total, bid, bidder
        for (const auto& d : deals) {
            m.myGameStatus = 7;
            m.gbHogstaBudet = d[2];
            m.gbBjuditHogst = d[3];
            DealPointsVi = static_cast<short>(d[0] - m.gbVi);
            DealPointsDe = static_cast<short>(d[1] - m.gbDe);
            scoreDeal();
        }
        ASSERT_EQ(ScoreboardRowCount, 2);
        ASSERT_EQ(m.LabelDe[0].ForeColor, kRed);
        ASSERT_TRUE(m.LblTicker.Visible);
        t.advance(20 * 5);

        c.start(m);

        EXPECT_EQ(ScoreboardRowCount, 0);
        for (int r = 0; r < ScoreboardRows; ++r) {
            EXPECT_EQ(m.LabelVi[r].Caption, "") << "row " << r;
            EXPECT_EQ(m.LabelDe[r].Caption, "") << "row " << r;
            EXPECT_EQ(m.LabelVi[r].ForeColor, kYellow) << "row " << r;
            EXPECT_EQ(m.LabelDe[r].ForeColor, kYellow) << "row " << r;
        }
        EXPECT_EQ(m.LblTicker.Visible, !c.stopsTicker);
        EXPECT_EQ(m.TimerAD.Enabled(), !c.stopsTicker);
        if (c.stopsTicker) {
            EXPECT_EQ(m.LblTicker.Caption, "");
        }
    }
}
