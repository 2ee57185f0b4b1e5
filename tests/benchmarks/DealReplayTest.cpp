// The strength benchmark plays recorded deals again away from the table; it
// must play them exactly as the table does.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "DealRecorder.h"
#include "DealReplay.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "Rng.h"
#include "TableDriver.h"
#include "TestTable.h"
#include "TrickPlayStart.h"

namespace {

struct TablePlay {
    TrickPlayStart start;
    std::array<int, 2> score{};
    std::vector<std::string> cards;  // the game log's play lines
};

// The game log's line for a card: seat word and face.
std::string playLine(int seat, int rank) {
    static const char* seats[] = {"SYD", "VAST", "NORD", "OST"};
    static const char* faces[] = {"", "2", "3", "4", "5", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return std::string(seats[seat & 3]) + " plays: " + faces[rank];
}

// Deals at the table with the files of the folder (the shipped ones when
// empty); the rules' chances are pinned during trick play so that a replay
// can meet the same.
std::vector<TablePlay> playAtTheTable(std::uint64_t seed, std::size_t deals, const std::string& folder = {}) {
    std::vector<TablePlay> played;
    TestTable t(seed);
    Main& m = t.m();
    m.Form_Load();
    if (!folder.empty()) m.gbInstallPath = folder;
    TableDriver driver(m);
    bool inPlay = false;
    m.AddLogListener([&](const std::string& line) {
        if (inPlay && line.find(" plays: ") != std::string::npos) played.back().cards.push_back(line);
    });
    driver.runUntil(
        [&] {
            if (m.myGameStatus == 7 && !inPlay && TableIsClear(m)) {
                played.push_back({CaptureTrickPlayStart(m, seed), {}, {}});
                inPlay = true;
                SetRandomSource([] { return 0.5f; });
            } else if (m.myGameStatus != 7 && inPlay) {
                inPlay = false;
                SetRandomSource({});
                played.back().score = {DealPointsVi, DealPointsDe};
            }
            return !inPlay && played.size() >= deals;
        },
        6 * 60 * 60 * 1000);
    SetRandomSource({});
    return played;
}

// Rules that turn on what the replay must keep as the table does: seats
// out, seats judged without a five, points taken, the buying's counts and
// the contract.
const char* kStateRules = R"(Version,Replay check
Interpretation,Low,2,3,4,6,7,8,9,Q,K,10,J,A,v,V,!
Interpretation,High,A,K,Q,J,10,9,8,7,6,V,v,4,3,2,!
Interpretation,Mid,8,9,7,Q,6,K,4,3,10,J,2,A,v,V,!
RULE,Name,Left is out,Suggest,1
Cold,LEFT,!
EXECUTES
100,Play,High
END
RULE,Name,Right holds no five,Suggest,2
WithoutLumra,RIGHT,YES
EXECUTES
100,Play,Mid
END
RULE,Name,Ahead,Suggest,3
CompareValues,PointsTakenUs,>,PointsTakenThem
EXECUTES
100,Play,High
END
RULE,Name,They hold more,Suggest,4
CompareValues,CardsExpectedThem,>,CardsExpectedUs
EXECUTES
100,Play,Mid
END
RULE,Name,Points to win,Suggest,5
CompareValues,PointsToKill,>,Round
EXECUTES
100,Play,High
END
RULE,Name,Otherwise,Suggest,6
EXECUTES
100,Play,Low
END
STOP
)";

// The shipped data files with a play-rule file of the test's own.
struct RuleFolder {
    QTemporaryDir dir;
    std::string path;
    explicit RuleFolder(const std::string& playRules) {
        path = dir.path().toStdString() + "/";
        const std::string installed = TestTable().m().gbInstallPath;
        for (const char* f : {"LumraBidBase.txt", "LumraBidRulesAI.txt", "Suggestion.txt", "Referal.txt"})
            std::filesystem::copy_file(installed + f, path + f);
        std::ofstream(path + "LumraPlayRulesAI.TXT") << playRules;
    }
};

void expectSamePlay(const std::vector<TablePlay>& played, const std::string& folder, std::set<std::string>* rules = nullptr) {
    TestTable t(1);
    Main& m = t.m();
    if (!folder.empty()) m.gbInstallPath = folder;
    const std::string file = "LumraPlayRulesAI.TXT";
    SetRandomSource([] { return 0.5f; });
    referee::Solver solver;
    for (const TablePlay& p : played) {
        solver.Clear();
        const DealOutcome r = ReplayDeal(m, p.start, {file, file, file, file}, solver, 1);
        EXPECT_EQ(r.score(0), p.score[0]) << "deal led by seat " << p.start.bidder;
        EXPECT_EQ(r.score(1), p.score[1]) << "deal led by seat " << p.start.bidder;
        EXPECT_TRUE(r.agreesWithReferee());
        std::vector<std::string> cards;
        for (const CardDecision& c : r.decisions) {
            cards.push_back(playLine(c.seat, c.rank));
            if (rules) rules->insert(c.rule);
        }
        EXPECT_EQ(cards, p.cards);
    }
    SetRandomSource({});
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
}

}  // namespace

TEST(DealReplay, PlaysRecordedDealsAsTheTableDid) {
    std::vector<TablePlay> played = playAtTheTable(5, 10);
    for (TablePlay& p : playAtTheTable(6, 10)) played.push_back(p);
    ASSERT_EQ(played.size(), 20u);
    expectSamePlay(played, {});
}

TEST(DealReplay, KeepsThePlayStateTheRulesReadAsTheTableDoes) {
    RuleFolder folder(kStateRules);
    std::vector<TablePlay> played = playAtTheTable(7, 12, folder.path);
    for (TablePlay& p : playAtTheTable(8, 12, folder.path)) played.push_back(p);
    ASSERT_EQ(played.size(), 24u);
    std::set<std::string> rules;
    expectSamePlay(played, folder.path, &rules);
    EXPECT_GE(rules.size(), 5u) << "the rules of the check hardly fired";
}

TEST(TrickPlayStartText, ReadsBackWhatItWrites) {
    const std::vector<TablePlay> played = playAtTheTable(2, 2);
    ASSERT_EQ(played.size(), 2u);
    std::stringstream text;
    for (const TablePlay& p : played) WriteTrickPlayStart(text, p.start);
    const std::vector<TrickPlayStart> back = ReadTrickPlayStarts(text);
    ASSERT_EQ(back.size(), 2u);
    for (std::size_t i = 0; i < back.size(); ++i) {
        const TrickPlayStart& a = played[i].start;
        const TrickPlayStart& b = back[i];
        EXPECT_EQ(b.game, a.game);
        EXPECT_EQ(b.dealer, a.dealer);
        EXPECT_EQ(b.bidder, a.bidder);
        EXPECT_EQ(b.bid, a.bid);
        EXPECT_EQ(b.colour, a.colour);
        EXPECT_EQ(b.cards, a.cards);
        EXPECT_EQ(b.outOfPlay, a.outOfPlay);
        EXPECT_EQ(b.trumpsBeforeBuying, a.trumpsBeforeBuying);
        EXPECT_EQ(b.trumpsSeenBySelf, a.trumpsSeenBySelf);
        EXPECT_EQ(b.trumpsSeenByOthers, a.trumpsSeenByOthers);
    }
}

TEST(TrickPlayStartText, PassesOverLinesThatDoNotReadWhole) {
    TrickPlayStart d;
    d.cards = {std::vector<int>{0, 1}, {5}, {}, {9}};
    std::ostringstream out;
    WriteTrickPlayStart(out, d);
    std::string good = out.str();
    good.pop_back();  // the line end
    ASSERT_TRUE(ReadTrickPlayStart(good));
    for (const std::string& bad : {std::string(), std::string("D"), std::string("X 1 0 2 7 4"), good.substr(0, good.size() - 2),
                                  std::string("D 1 0 9 7 4 0 0 0 0"), std::string("D 1 0 2 7 4 99 1"),
                                  std::string("D 1 0 2 7 4 1 52 0 0 0"), std::string("D 1 0 2 seven 4")})
        EXPECT_FALSE(ReadTrickPlayStart(bad)) << bad;
    std::stringstream text("garbage\n" + good + "\nD 1 2\n");
    EXPECT_EQ(ReadTrickPlayStarts(text).size(), 1u);
}

TEST(DealReplay, TheBaselineFilesPlayAsTheySay) {
    const std::vector<TablePlay> played = playAtTheTable(9, 8);
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    std::filesystem::copy_file(std::string(LUMRA_BASELINES_DIR) + "CheapestFirst.TXT", folder + "Cheapest.TXT");
    std::filesystem::copy_file(std::string(LUMRA_BASELINES_DIR) + "RandomTrump.TXT", folder + "Random.TXT");
    TestTable t(1);
    Main& m = t.m();
    m.gbInstallPath = folder;
    // Cheapest first: the 2, the low cards, the cards without points, the
    // points and the fives last (ranks).
    const std::vector<int> order = {1, 2, 3, 6, 7, 8, 9, 12, 13, 10, 11, 14, 4, 5};
    referee::Solver solver;
    std::set<int> randomFirstCards;
    for (const TablePlay& p : played) {
        solver.Clear();
        const DealOutcome cheap = ReplayDeal(m, p.start, {"Cheapest.TXT", "Cheapest.TXT", "Cheapest.TXT", "Cheapest.TXT"},
                                             solver, 1);
        // Replayed alongside, the referee's view of each hand before its card.
        std::array<referee::RankSet, 4> hands{};
        for (int s = 0; s < 4; ++s)
            for (int nr : p.start.cards[static_cast<std::size_t>(s)]) {
                const Kort* k = m.Packe.CardByNr(nr);
                if (IsTrump(*k, p.start.colour)) hands[static_cast<std::size_t>(s)] |= referee::RankBit(k->Rang);
            }
        for (const CardDecision& c : cheap.decisions) {
            EXPECT_EQ(c.rule, "31 The cheapest trump");
            const auto first = std::find_if(order.begin(), order.end(), [&](int r) {
                return (hands[static_cast<std::size_t>(c.seat)] & referee::RankBit(r)) != 0;
            });
            ASSERT_NE(first, order.end());
            EXPECT_EQ(c.rank, *first);
            hands[static_cast<std::size_t>(c.seat)] &= static_cast<referee::RankSet>(~referee::RankBit(c.rank));
        }
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            const DealOutcome random = ReplayDeal(m, p.start, {"Random.TXT", "Random.TXT", "Random.TXT", "Random.TXT"},
                                                  solver, seed);
            ASSERT_FALSE(random.decisions.empty());
            EXPECT_EQ(random.decisions.front().rule, "31 A random trump");
            randomFirstCards.insert(random.decisions.front().rank);
        }
    }
    EXPECT_GT(randomFirstCards.size(), 4u) << "the random baseline hardly varies its lead";
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
}

// The decision log: one line per card decision, naming the card played with
// the decision's loss, and the loss of every card the seat held, the best of
// which is nothing.
TEST(DealReplay, TheDecisionLogScoresEveryCardTheSeatHeld) {
    const std::vector<TablePlay> played = playAtTheTable(11, 4);
    ASSERT_EQ(played.size(), 4u);
    TestTable t(1);
    Main& m = t.m();
    const std::string file = "LumraPlayRulesAI.TXT";
    referee::Solver solver;
    for (const TablePlay& p : played) {
        solver.Clear();
        std::ostringstream log;
        const DealOutcome r = ReplayDeal(m, p.start, {file, file, file, file}, solver, 1, &log);
        std::vector<const CardDecision*> decisions;
        for (const CardDecision& c : r.decisions)
            if (!c.forced()) decisions.push_back(&c);
        ASSERT_FALSE(decisions.empty());
        std::istringstream lines(log.str());
        std::size_t n = 0;
        for (std::string line; std::getline(lines, line); ++n) {
            ASSERT_LT(n, decisions.size());
            const CardDecision& c = *decisions[n];
            std::map<std::string, std::string> field;
            std::istringstream fields(line);
            for (std::string f; std::getline(fields, f, '\t');) field[f.substr(0, f.find('='))] = f.substr(f.find('=') + 1);
            EXPECT_EQ(field["seat"], std::to_string(c.seat));
            EXPECT_EQ(field["card"], RankNameOf(c.rank));
            EXPECT_EQ(field["loss"], std::to_string(c.loss));
            EXPECT_EQ(field["rule"], c.rule);
            EXPECT_EQ(field["CardsLeftInMyHand"], std::to_string(c.held)) << "the rules' own view of the table";
            std::istringstream losses(field["losses"]);
            int cards = 0, best = 99;
            bool playedCardListed = false;
            for (std::string cardLoss; losses >> cardLoss; ++cards) {
                const std::string card = cardLoss.substr(0, cardLoss.rfind(':'));
                const int loss = std::stoi(cardLoss.substr(cardLoss.rfind(':') + 1));
                best = std::min(best, loss);
                if (card == field["card"]) {
                    playedCardListed = true;
                    EXPECT_EQ(loss, c.loss);
                }
            }
            EXPECT_EQ(cards, c.held);
            EXPECT_TRUE(playedCardListed);
            EXPECT_EQ(best, 0);
        }
        EXPECT_EQ(n, decisions.size());
    }
}
