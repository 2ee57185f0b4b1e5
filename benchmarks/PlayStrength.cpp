// The strength of a play-rule file: the same deals are played twice, once
// with the file on seats 0 and 2 against a baseline file on seats 1 and 3,
// and once with the sides swapped. Bids and deals are the same in both.
// Prints points per deal for each side and the share of games won.
//
//   play_strength [deals] [rules file] [baseline file]
// Without a baseline file the baseline is an empty rule file: the first
// trump in hand order, always.
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

#include "BenchmarkApp.h"
#include "PlayTestSimulation.h"
#include "TestTable.h"

namespace {

struct Tally {
    long points = 0;
    long deals = 0;
    long gamesWon = 0;
    long contractsMade = 0;
    long contractsHeld = 0;
};

struct Game {
    std::array<int, 2> total{};
};

void copyFile(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary);
    out << in.rdbuf();
}

// Scores one deal into the running game; returns the winning side or -1.
int scoreDeal(Game& game, const playsim::DealResult& r) {
    const int bidSide = playsim::sideOf(r.bidder);
    std::array<int, 2> score = r.points;
    if (!r.contractMade) score[bidSide] = -r.bid;
    game.total[0] += score[0];
    game.total[1] += score[1];
    const bool over0 = game.total[0] > 61, over1 = game.total[1] > 61;
    if (over0 && over1) return bidSide;
    if (over0) return 0;
    if (over1) return 1;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    auto app = MakeHeadlessApp(argc, argv);
    const int deals = argc > 1 ? std::atoi(argv[1]) : 2000;
    TestTable t(99);
    Main& m = t.m();
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    copyFile(argc > 2 ? argv[2] : m.gbInstallPath + "LumraPlayRulesAI.TXT", folder + "Rules.TXT");
    if (argc > 3) copyFile(argv[3], folder + "Baseline.TXT");
    else std::ofstream(folder + "Baseline.TXT");
    m.gbInstallPath = folder;

    Tally rules, baseline;
    for (int swap = 0; swap < 2; ++swap) {
        const int rulesSide = swap;  // side 0 = seats 0 and 2
        for (int s = 0; s < 4; ++s) m.Hand[s].myPlayAI = playsim::sideOf(s) == rulesSide ? "Rules.TXT" : "Baseline.TXT";
        Game game;
        SetRandomSeedForTests(1000);
        for (int d = 0; d < deals; ++d) {
            std::mt19937 g(static_cast<unsigned>(d) + 1);
            playsim::DealResult r;
            playsim::deal(m, g, r);
            playsim::playOut(m, r);
            const int bidSide = playsim::sideOf(r.bidder);
            Tally& bidder = bidSide == rulesSide ? rules : baseline;
            ++bidder.contractsHeld;
            if (r.contractMade) ++bidder.contractsMade;
            rules.points += r.points[rulesSide];
            baseline.points += r.points[1 - rulesSide];
            ++rules.deals;
            ++baseline.deals;
            const int won = scoreDeal(game, r);
            if (won >= 0) {
                (won == rulesSide ? rules : baseline).gamesWon++;
                game = Game{};
            }
        }
    }
    const long games = rules.gamesWon + baseline.gamesWon;
    std::printf("deals per seating %d, games finished %ld, message boxes %d\n", deals, games,
                t.dialogs.CountOf("MsgBox"));
    auto line = [&](const char* name, const Tally& x) {
        std::printf("%-9s points/deal %.2f  contracts made %ld/%ld  games won %ld (%.1f%%)\n", name,
                    static_cast<double>(x.points) / x.deals, x.contractsMade, x.contractsHeld, x.gamesWon,
                    games ? 100.0 * x.gamesWon / games : 0.0);
    };
    line("rules", rules);
    line("baseline", baseline);
    return 0;
}
