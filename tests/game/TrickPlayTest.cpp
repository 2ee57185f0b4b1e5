#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "PlayState.h"
#include "Rng.h"
#include "CardNames.h"
#include "TestTable.h"

namespace {
// Trick play with clubs as trumps, as PlayInit leaves it.
struct TrickFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    TrickFixture() {
        m.SetUpGame();
        m.myGameStatus = 7;
        m.gbFarg = farg::Klover;
        m.Packe.ValjFarg(farg::Klover);
        CurrentSeat = TrickLeader = 0;
        TrickCount = 1;
        PointsNotTaken = 14;
        ContestedPointsLeft = 12;
        TopRankLeft = 14;
    }
    ~TrickFixture() override { SetRandomSource({}); }
    void give(int seat, const std::vector<std::string>& cards) {
        for (const std::string& c : cards) {
            Kort* k = m.Packe.CardByNr(CardNr(c));
            m.Hand[seat].AddACardOSort(k, false);
        }
    }
};

// One finished trick: what each seat put in (rank and card points, 0 for a
// seat that had nothing) and what scoring it must give.
struct TrickCase {
    const char* what;
    int leader;
    std::array<short, 4> rang;
    std::array<short, 4> poang;
    short viBefore, deBefore;
    int winner;
    short vi, de;           // this trick's points per side
    short notTakenDrop;     // fall of PointsNotTaken
    short contestedDrop;    // fall of ContestedPointsLeft
    const char* score;
};

const TrickCase kTricks[] = {
    {"ace wins, five in, 2 for the other side", 0, {5, 14, 1, 6}, {5, 1, 0, 0}, 0, 0, 1, 1, 6, 7, 5, "1 : 6"},
    {"only the 2", 3, {0, 0, 0, 1}, {0, 0, 0, 0}, 0, 0, 3, 0, 1, 1, 0, "0 : 1"},
    {"both fives", 1, {5, 4, 3, 2}, {5, 5, 0, 0}, 0, 0, 0, 10, 0, 10, 10, "10 : 0"},
    {"later seat highest", 2, {6, 7, 8, 13}, {0, 0, 0, 0}, 0, 0, 3, 0, 0, 0, 0, "0 : 0"},
    {"leader is not seat 0, seat 0 wins", 2, {12, 11, 10, 9}, {0, 1, 1, 0}, 0, 0, 0, 2, 0, 2, 2, "2 : 0"},
    {"2 by the winner's partner adds up", 1, {0, 14, 11, 1}, {0, 1, 1, 0}, 4, 3, 1, 0, 3, 3, 1, "4 : 6"},
    {"deal points add to what was taken", 0, {14, 0, 10, 0}, {1, 0, 1, 0}, 6, 2, 0, 2, 0, 2, 1, "8 : 2"},
};

void PrintTo(const TrickCase& c, std::ostream* os) { *os << c.what; }

class TrickTable : public TrickFixture, public ::testing::WithParamInterface<TrickCase> {};
}  // namespace

TEST_P(TrickTable, ScoresTheTrickAndPassesTheLead) {
    const TrickCase& c = GetParam();
    TrickLeader = c.leader;
    TrickCount = 2;
    DealPointsVi = c.viBefore;
    DealPointsDe = c.deBefore;
    const int last = (c.leader + 3) & 3;
    for (int s = 0; s < 4; ++s) {
        if (s == last) continue;
        RoundDataRang[s] = c.rang[s];
        RoundDataPoang[s] = c.poang[s];
        RoundDataTyp[s] = c.rang[s] ? "x" : "";
    }
    CurrentSeat = last;
    m.gbTmpRang = c.rang[last];
    m.gbTmpPoang = c.poang[last];
    m.gbTmpTyp = c.rang[last] ? "x" : "";

    m.PlayNext();

    EXPECT_EQ(TrickLeader, c.winner) << c.what;
    EXPECT_EQ(CurrentSeat, c.winner) << c.what;
    EXPECT_EQ(DealPointsVi, c.viBefore + c.vi) << c.what;
    EXPECT_EQ(DealPointsDe, c.deBefore + c.de) << c.what;
    EXPECT_EQ(TrickPointsVi[2], c.vi) << c.what;
    EXPECT_EQ(TrickPointsDe[2], c.de) << c.what;
    EXPECT_EQ(PointsNotTaken, 14 - c.notTakenDrop) << c.what;
    EXPECT_EQ(ContestedPointsLeft, 12 - c.contestedDrop) << c.what;
    EXPECT_EQ(m.LblScore.Caption, c.score) << c.what;
    EXPECT_TRUE(m.LblScore.Visible) << c.what;
    EXPECT_EQ(TrickCount, 3) << c.what;
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(RoundDataRang[s], 0) << c.what;
        EXPECT_EQ(RoundDataPoang[s], 0) << c.what;
        EXPECT_EQ(RoundDataTyp[s], "") << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Tricks, TrickTable, ::testing::ValuesIn(kTricks));

TEST_F(TrickFixture, TheBidderLeadsWhoeverDealt) {
    struct Case {
        int bidder, dealer;
        const char* tag;  // a computer waits for its tick, the human at once prepares its card
    };
    const Case cases[] = {{2, 0, "Play"}, {1, 3, "Play"}, {3, 3, "Play"}, {0, 1, "Suggest"}};
    for (const Case& c : cases) {
        for (KortHand& h : m.Hand) h.ClearHand();
        give(0, {"Ac"});
        give(1, {"Kc"});
        give(2, {"Qc"});
        give(3, {"Jc"});
        m.Timer1.Tag.clear();
        m.gbBjuditHogst = c.bidder;
        m.attSaka = c.dealer;
        m.PlayInit();
        EXPECT_EQ(CurrentSeat, c.bidder);
        EXPECT_EQ(TrickLeader, c.bidder);
        EXPECT_EQ(TrickCount, 1);
        EXPECT_EQ(PointsNotTaken, 14);
        EXPECT_EQ(ContestedPointsLeft, 12);
        EXPECT_EQ(m.Timer1.Tag, c.tag) << c.bidder;
        EXPECT_EQ(m.Label[c.bidder].ForeColor, forms::RGB(255, 255, 0));
        for (const KortHand& h : m.Hand) EXPECT_EQ(h.AntalKort(), 1);  // nobody played yet
    }
}

TEST_F(TrickFixture, PlayInitEndsAnyWaitLeftFromAnEarlierTable) {
    give(2, {"Ac"});
    m.Hand[0].SetHandAktivitat(1);
    m.gbBjuditHogst = 2;
    m.PlayInit();
    EXPECT_EQ(m.Hand[0].HandAktivitat(), 0);
}

TEST_F(TrickFixture, ASeatWithoutTrumpsPausesOnceThenDropsOut) {
    CurrentSeat = TrickLeader = 1;
    give(1, {"Kh", "3d"});
    give(2, {"Ac"});
    m.Play();
    EXPECT_EQ(m.Timer1.Tag, "Play");
    EXPECT_EQ(m.Timer1.Interval(), 1250);
    EXPECT_EQ(m.Hand[1].AntalKort(), 2);
    EXPECT_EQ(SeatOutFlags[1], 0);
    EXPECT_EQ(CurrentSeat, 1);

    m.Play();  // the "Play" tick
    EXPECT_EQ(m.Hand[1].AntalKort(), 0);
    EXPECT_TRUE(m.Hand[1].Tom);
    EXPECT_EQ(SeatOutFlags[1], -1);
    EXPECT_EQ(RoundDataRang[1], 0);
    EXPECT_EQ(CurrentSeat, 2);
    EXPECT_EQ(m.Timer1.Tag, "Play");  // seat 2 now waits for its own tick

    // Next time round the seat is skipped at once: the turn passes on in
    // the same call and the waiting tick is seat 2's.
    CurrentSeat = 1;
    TrickLeader = 0;
    m.Timer1.Tag.clear();
    m.Play();
    EXPECT_EQ(CurrentSeat, 2);
    EXPECT_EQ(m.Timer1.Tag, "Play");
    EXPECT_EQ(m.Hand[2].AntalKort(), 1);
}

TEST_F(TrickFixture, PausesFollowTrickAndPointsAndNeverStopTheTimer) {
    struct Case {
        short trick, pointsLeft;
        float rnd;
        bool hasTrump;
        int interval;
    };
    const Case cases[] = {
        {1, 14, 0.0f, true, 1300}, {1, 14, 0.9999f, true, 1699}, {7, 0, 0.0f, true, 280},
        {7, 0, 0.9999f, true, 379}, {1, 14, 0.5f, false, 1250}, {7, 0, 0.5f, false, 50},
        {8, 0, 0.5f, false, 1},  // would be -150 ms
    };
    for (const Case& c : cases) {
        for (KortHand& h : m.Hand) h.ClearHand();
        SeatOutFlags.fill(0);
        CurrentSeat = TrickLeader = 1;
        give(1, {c.hasTrump ? "Ac" : "Ah"});
        TrickCount = c.trick;
        PointsNotTaken = c.pointsLeft;
        const float r = c.rnd;
        SetRandomSource([r] { return r; });
        m.Timer1.Tag.clear();
        m.Timer1.SetEnabled(false);
        m.Play();
        EXPECT_EQ(m.Timer1.Interval(), c.interval) << c.trick << " " << c.rnd;
        EXPECT_TRUE(m.Timer1.Enabled());
        EXPECT_EQ(m.Timer1.Tag, "Play");
    }
}

TEST_F(TrickFixture, ARoundWithoutCardsEndsTheDeal) {
    // Every seat is out already: the round runs through at once.
    SeatOutFlags.fill(-1);
    CurrentSeat = TrickLeader = 2;
    TrickCount = 4;
    DealPointsVi = 9;
    DealPointsDe = 5;
    m.Play();
    EXPECT_EQ(m.Timer1.Tag, "A_OK");
    EXPECT_EQ(TrickCount, 4);
    EXPECT_EQ(DealPointsVi, 9);
    EXPECT_EQ(DealPointsDe, 5);
    EXPECT_EQ(TrickHighestCard[4], "");
}

TEST_F(TrickFixture, SeatsRunningOutTogetherEachPauseOnceBeforeTheDealEnds) {
    CurrentSeat = TrickLeader = 0;
    give(0, {"Kh"});
    give(2, {"3d"});
    int ticks = 0;
    while (m.Timer1.Tag != "A_OK" && ticks < 10) {
        if (m.Timer1.Tag.empty())
            m.Play();
        else {
            ASSERT_EQ(m.Timer1.Tag, "Play");
            ++ticks;
            m.Play();
        }
    }
    EXPECT_EQ(ticks, 4);
    for (short f : SeatOutFlags) EXPECT_EQ(f, -1);
    for (const KortHand& h : m.Hand) EXPECT_EQ(h.AntalKort(), 0);
}

TEST_F(TrickFixture, AfterATrickTheHighestUnplayedRankIsRecomputed) {
    PlayCardFlags.fill(0);
    for (int r : {14, 13, 11}) PlayCardFlags[r] = -1;
    TrickLeader = 0;
    CurrentSeat = 3;
    RoundDataRang = {14, 13, 11, 0};
    m.PlayNext();
    EXPECT_EQ(TopRankLeft, 12);

    PlayCardFlags.fill(-1);
    PlayCardFlags[0] = 0;
    TrickLeader = 0;
    CurrentSeat = 3;
    RoundDataRang = {2, 0, 0, 0};
    m.PlayNext();
    EXPECT_EQ(TopRankLeft, 0);
}

TEST_F(TrickFixture, PlayCardIndexMarksOnlyRealRanks) {
    for (short idx : {-1, 15, 200, -32768}) m.PlayCardIDX(idx);
    for (short f : PlayCardFlags) EXPECT_EQ(f, 0);
    m.PlayCardIDX(0);
    m.PlayCardIDX(14);
    EXPECT_EQ(PlayCardFlags[0], -1);
    EXPECT_EQ(PlayCardFlags[14], -1);
    EXPECT_EQ(m.GetPlayCardIDX(14), -1);
    EXPECT_EQ(m.GetPlayCardIDX(15), 0);
    RoundDataRang[3] = 9;
    EXPECT_EQ(m.GetRoundDataRang(3), 9);
    EXPECT_EQ(m.GetRoundDataRang(4), 0);
}

TEST_F(TrickFixture, AScoredTrickBeyondTheSixthStaysInsideTheHistory) {
    TrickCount = 7;
    TrickLeader = 0;
    CurrentSeat = 3;
    RoundDataRang = {9, 0, 0, 0};
    m.PlayNext();
    EXPECT_EQ(TrickCount, 8);
    EXPECT_EQ(CurrentSeat, 0);
    for (short p : TrickPointsVi) EXPECT_EQ(p, 0);
}
