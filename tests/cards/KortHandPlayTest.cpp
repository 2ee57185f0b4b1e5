#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineBridge.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "CardNames.h"
#include "TestTable.h"

namespace {
// A table in trick play with clubs as trumps; seat 0 is the human.
struct SeatPlayFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    std::vector<std::string> log;
    SeatPlayFixture() {
        m.SetUpGame();
        m.AddLogListener([this](const std::string& line) { log.push_back(line); });
        m.myGameStatus = 7;
        m.gbFarg = farg::Klover;
        m.Packe.ValjFarg(farg::Klover);
        CurrentSeat = TrickLeader = 0;
        TrickCount = 1;
        PointsNotTaken = 14;
        ContestedPointsLeft = 12;
        RankPlayedInTrick.fill(-1);
    }
    void give(int seat, const std::vector<std::string>& cards) {
        for (const std::string& c : cards) {
            Kort* k = m.Packe.CardByNr(CardNr(c));
            m.Hand[seat].AddACardOSort(k, false);
        }
    }
    Kort* card(const std::string& c) { return m.Packe.CardByNr(CardNr(c)); }
    std::string lastPrompt() const { return t.dialogs.shown.empty() ? "" : t.dialogs.shown.back().prompt; }
};
}  // namespace

TEST_F(SeatPlayFixture, RefusedPlaysChangeNothing) {
    struct Case {
        int idx;
        const char* prompt;
    };
    // Hand: a non-trump first, then one trump.
    const Case cases[] = {{0, "ERROR - Wrong index"},
                          {-1, "ERROR - Wrong index"},
                          {3, "ERROR - Wrong index"},
                          {1, "ERROR - Card chosen not right color"}};
    give(0, {"Kh", "Ac"});
    for (const Case& c : cases) {
        t.dialogs.shown.clear();
        m.Hand[0].PlayIt(c.idx);
        EXPECT_EQ(lastPrompt(), c.prompt) << c.idx;
        EXPECT_EQ(m.Hand[0].AntalKort(), 2) << c.idx;
        EXPECT_TRUE(m.Hand[0].colHand.Contains(CardKey(*card("Kh")))) << c.idx;
        EXPECT_EQ(m.Bord[0].AntalKort(), 0) << c.idx;
        EXPECT_EQ(CardsPlayedCount, 0) << c.idx;
        EXPECT_EQ(CurrentSeat, 0) << c.idx;
        for (short f : PlayCardFlags) EXPECT_EQ(f, 0);
    }
}

TEST_F(SeatPlayFixture, APlayedTrumpGoesToThePileAndIntoThePlayState) {
    CurrentSeat = TrickLeader = 2;
    TrickCount = 3;
    give(2, {"Kh", "10c", "2c"});
    m.Label[2].ForeColor = forms::RGB(255, 255, 0);
    RuleProbabilityText = " 40";
    RuleTrace = "Take the points";
    RulesVersion = "7.1";

    m.Hand[2].PlayIt(2);

    EXPECT_TRUE(t.dialogs.shown.empty());
    ASSERT_EQ(m.Bord[2].AntalKort(), 1);
    EXPECT_EQ(m.Bord[2].colHand.Item(1), card("10c"));
    EXPECT_EQ(m.Hand[2].AntalKort(), 2);
    EXPECT_EQ(CardsPlayedCount, 1);
    EXPECT_EQ(PlayCardFlags[10], -1);
    EXPECT_EQ(RankPlayedInTrick[10], 3);
    EXPECT_EQ(SeatCardsPlayed[2], 1);
    EXPECT_EQ(TrickRangHistory[2][3], 10);
    // PlayNext took the card into the trick and moved the turn on.
    EXPECT_EQ(RoundDataRang[2], 10);
    EXPECT_EQ(RoundDataPoang[2], 1);
    EXPECT_EQ(RoundDataTyp[2], "10");
    EXPECT_EQ(CurrentSeat, 3);
    EXPECT_EQ(m.gbTmpRang, 0);
    EXPECT_EQ(m.gbTmpTyp, "");
    EXPECT_EQ(m.Label[2].ForeColor, forms::RGB(0, 0, 0));
    EXPECT_FALSE(card("10c")->Kop);
    ASSERT_FALSE(m.LBTrace.Items.empty());
    EXPECT_EQ(m.LBTrace.Items.back(), "NORD \t 40   Take the points");
    EXPECT_EQ(log, (std::vector<std::string>{"NORD plays: 10", "7.1", " 40   Take the points", "", "", "", "", ""}));
}

TEST_F(SeatPlayFixture, TraceLineWithoutProbabilityKeepsTheBlanks) {
    CurrentSeat = TrickLeader = 1;
    give(1, {"Ac"});
    RuleProbabilityText.clear();
    RuleTrace = "Lead high";
    m.Hand[1].PlayIt(1);
    ASSERT_FALSE(m.LBTrace.Items.empty());
    EXPECT_EQ(m.LBTrace.Items.back(), "VAST \t   Lead high");
}

TEST_F(SeatPlayFixture, AClickOnAHandWhoseTurnItIsNotPlaysNothing) {
    CurrentSeat = TrickLeader = 1;
    give(0, {"Ac", "Kc"});
    m.Hand[0].SetHandAktivitat(1);
    m.Hand[0].PlayIt(1);
    EXPECT_EQ(m.Hand[0].AntalKort(), 2);
    EXPECT_EQ(m.Bord[0].AntalKort(), 0);
    EXPECT_EQ(m.Bord[1].AntalKort(), 0);
    EXPECT_EQ(CardsPlayedCount, 0);
    EXPECT_EQ(CurrentSeat, 1);
    EXPECT_EQ(PlayCardFlags[14], 0);
}

TEST_F(SeatPlayFixture, TheHumansPlayEndsTheWaitAndTheSuggestion) {
    give(0, {"Ac", "Kc"});
    m.Hand[0].SetHandAktivitat(1);
    SuggestedCardIndex = 2;
    RuleProbabilityText.clear();
    RuleTrace = "Suggested";
    RulesVersion = "7.1";
    m.Hand[0].PlayIt(1);
    EXPECT_EQ(m.Hand[0].HandAktivitat(), 0);
    EXPECT_EQ(SuggestedCardIndex, 0);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ((std::vector<std::string>(log.begin(), log.begin() + 4)),
              (std::vector<std::string>{"SYD plays: A", "Suggestion:", "7.1", "   Suggested"}));
    EXPECT_EQ(m.Bord[0].colHand.Item(1), card("Ac"));
}

TEST_F(SeatPlayFixture, APlayBeyondTheSixthTrickStaysInsideTheHistory) {
    // Only a crafted replay gets here; the card is still played.
    CurrentSeat = TrickLeader = 1;
    TrickCount = 9;
    give(1, {"Ac"});
    m.Hand[1].PlayIt(1);
    EXPECT_EQ(m.Bord[1].AntalKort(), 1);
    EXPECT_EQ(PlayCardFlags[14], -1);
    for (const auto& seat : TrickRangHistory)
        for (short r : seat) EXPECT_EQ(r, 0);
}

TEST_F(SeatPlayFixture, FindCardIndexCountsEveryCardButMatchesTrumpsOnly) {
    // Clubs are trumps; the five of spades is the other five (rank 4).
    give(0, {"Kh", "Ac", "3h", "5s"});
    struct Case {
        int rang;
        short idx;
    };
    const Case cases[] = {{14, 2}, {4, 4}, {13, -1}, {2, -1}, {0, -1}, {5, -1}};
    for (const Case& c : cases) EXPECT_EQ(m.Hand[0].FindCardIDXofRang(c.rang), c.idx) << c.rang;
}

TEST_F(SeatPlayFixture, TheHumansTurnWaitsForAClick) {
    give(0, {"Ac", "Kc"});
    m.Hand[0].Play();
    EXPECT_EQ(m.Hand[0].HandAktivitat(), 1);
    EXPECT_EQ(m.Timer1.Tag, "Suggest");
    EXPECT_EQ(m.Hand[0].AntalKort(), 2);
    EXPECT_EQ(CurrentSeat, 0);
}

TEST_F(SeatPlayFixture, AComputerSeatAlwaysPutsDownATrump) {
    // Its only trump sits behind a non-trump; whatever the rules say, the
    // seat may not leave the table waiting.
    CurrentSeat = TrickLeader = 1;
    give(1, {"Kh", "7c"});
    m.Hand[1].Play();
    ASSERT_EQ(m.Bord[1].AntalKort(), 1);
    EXPECT_EQ(m.Bord[1].colHand.Item(1), card("7c"));
    EXPECT_EQ(m.Hand[1].AntalKort(), 1);
    EXPECT_EQ(CurrentSeat, 2);
    EXPECT_EQ(RoundDataRang[1], 7);
}

TEST_F(SeatPlayFixture, SuggestionShowsOnlyWhileTheHumanWaits) {
    struct Case {
        const char* what;
        bool suggest;
        int activity;
        bool raised;
        bool shown;
    };
    const Case cases[] = {
        {"switch off", false, 1, false, false},
        {"human waits", true, 1, true, true},
        {"turn is over", true, 0, false, false},
    };
    for (const Case& c : cases) {
        m.Hand[0].ClearHand();
        give(0, {"Ac", "Kc", "Qc"});
        for (Kort* k : m.Hand[0].colHand) k->Kop = false;
        m.LblSuggest.Caption = "old";
        m.LblSuggest.Visible = false;
        m.bSuggest = c.suggest;
        m.Hand[0].SetHandAktivitat(c.activity);
        SuggestedCardIndex = 2;
        m.Hand[0].SuggestSYD();
        EXPECT_EQ(card("Kc")->Kop, c.raised) << c.what;
        EXPECT_FALSE(card("Ac")->Kop) << c.what;
        EXPECT_EQ(m.LblSuggest.Visible, c.shown) << c.what;
        if (!c.shown) {
            EXPECT_EQ(m.LblSuggest.Caption, "old") << c.what;
        }
    }
}
