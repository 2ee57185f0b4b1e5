// The strength of a play-rule file: the file plays on one side against a
// baseline file on the other, then the sides are swapped. Prints points per
// deal for each side, the contracts each side made and the share of games
// won.
//
//   play_strength [--table | --sim] [deals] [rules file] [baseline file]
//
// --table (the default) plays whole games at the real table: the game deals,
// the bid engines bid, the computer seats play by their rule files and the
// human's seat plays the card its rule file suggests, through the window's
// own controls; games are played until each seating has seen the number of
// deals. The deals are the game's own: a rule's random draws move the random
// sequence, so the two seatings see different deals of the same kind.
// --sim plays the same seeded deals twice with a simple bid (the longest
// colour) and no table, so both seatings see exactly the same deals and bids.
// Without a baseline file the baseline is an empty rule file: the first
// trump in hand order, always.
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

#include "BenchmarkApp.h"
#include "PlayTestSimulation.h"
#include "Registry.h"
#include "TableDriver.h"
#include "TestTable.h"
#include "VbText.h"

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

void printTallies(const char* mode, int deals, long games, int messageBoxes, const Tally& rules,
                  const Tally& baseline) {
    std::printf("%s: deals per seating %d, games finished %ld, message boxes %d\n", mode, deals, games,
                messageBoxes);
    auto line = [&](const char* name, const Tally& x) {
        std::printf("%-9s points/deal %.2f  contracts made %ld/%ld  games won %ld (%.1f%%)\n", name,
                    x.deals ? static_cast<double>(x.points) / x.deals : 0.0, x.contractsMade, x.contractsHeld,
                    x.gamesWon, games ? 100.0 * x.gamesWon / games : 0.0);
    };
    line("rules", rules);
    line("baseline", baseline);
}

// The rule files in a folder of their own beside copies of the other data
// files the table reads.
struct RuleFolder {
    QTemporaryDir dir;
    std::string path;
    RuleFolder(const std::string& installPath, const char* rulesFile, const char* baselineFile) {
        path = dir.path().toStdString() + "/";
        for (const char* f : {"LumraBidBase.txt", "LumraBidRulesAI.txt", "Suggestion.txt", "Referal.txt"})
            copyFile(installPath + f, path + f);
        copyFile(rulesFile ? rulesFile : installPath + "LumraPlayRulesAI.TXT", path + "Rules.TXT");
        if (baselineFile) copyFile(baselineFile, path + "Baseline.TXT");
        else std::ofstream(path + "Baseline.TXT");
    }
};

void giveRuleFiles(Main& m, int rulesSide) {
    for (int s = 0; s < 4; ++s) m.Hand[s].myPlayAI = playsim::sideOf(s) == rulesSide ? "Rules.TXT" : "Baseline.TXT";
}

// One deal's outcome at the table: the change of both sides' totals.
struct TableDeal {
    int bidder = -1;
    int bid = 0;
};

int tableMode(int deals, const char* rulesFile, const char* baselineFile) {
    Tally rules, baseline;
    long games = 0;
    int messageBoxes = 0;
    for (int rulesSide = 0; rulesSide < 2; ++rulesSide) {
        int dealsDone = 0;
        for (std::uint64_t seed = 1; dealsDone < deals; ++seed) {
            TestTable t(seed);
            Main& m = t.m();
            RuleFolder folder(m.gbInstallPath, rulesFile, baselineFile);
            m.Form_Load();
            m.gbInstallPath = folder.path;  // the game's start names the install folder
            TableDriver driver(m);
            int dealer = m.harPacko;
            std::array<int, 2> before{m.gbVi, m.gbDe};
            TableDeal current;
            auto endOfDeal = [&] {
                const std::array<int, 2> change{m.gbVi - before[0], m.gbDe - before[1]};
                before = {m.gbVi, m.gbDe};
                if (current.bidder < 0) return;  // a deal nobody bid on
                ++dealsDone;
                rules.points += change[rulesSide];
                baseline.points += change[1 - rulesSide];
                ++rules.deals;
                ++baseline.deals;
                Tally& bidder = playsim::sideOf(current.bidder) == rulesSide ? rules : baseline;
                ++bidder.contractsHeld;
                if (change[playsim::sideOf(current.bidder)] > 0) ++bidder.contractsMade;
                current = TableDeal{};
            };
            const bool over = driver.runUntil(
                [&] {
                    giveRuleFiles(m, rulesSide);  // the game's set-up names the shipped file
                    if (m.myGameStatus == 7 && m.gbHogstaBudet >= 6) {  // trick play
                        current.bidder = m.gbBjuditHogst;
                        current.bid = m.gbHogstaBudet;
                    }
                    if (m.harPacko != dealer) {
                        dealer = m.harPacko;
                        endOfDeal();
                    }
                    return m.LblGameOver.Visible;
                },
                6 * 60 * 60 * 1000);
            if (!over) {
                std::printf("game of seed %llu did not end\n", static_cast<unsigned long long>(seed));
                return 1;
            }
            endOfDeal();
            ++games;
            const bool viWon = Val(GetRegistryValue("user", "Statistic", "TotalVi", "0")) > 0;
            ((viWon ? 0 : 1) == rulesSide ? rules : baseline).gamesWon++;
            messageBoxes += t.dialogs.CountOf("MsgBox");
        }
    }
    printTallies("table", deals, games, messageBoxes, rules, baseline);
    return 0;
}

int simMode(int deals, const char* rulesFile, const char* baselineFile) {
    TestTable t(99);
    Main& m = t.m();
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    copyFile(rulesFile ? rulesFile : m.gbInstallPath + "LumraPlayRulesAI.TXT", folder + "Rules.TXT");
    if (baselineFile) copyFile(baselineFile, folder + "Baseline.TXT");
    else std::ofstream(folder + "Baseline.TXT");
    m.gbInstallPath = folder;

    Tally rules, baseline;
    for (int swap = 0; swap < 2; ++swap) {
        const int rulesSide = swap;  // side 0 = seats 0 and 2
        giveRuleFiles(m, rulesSide);
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
    printTallies("sim", deals, rules.gamesWon + baseline.gamesWon, t.dialogs.CountOf("MsgBox"), rules, baseline);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    auto app = MakeHeadlessApp(argc, argv);
    int first = 1;
    bool table = true;
    if (argc > 1 && (std::string(argv[1]) == "--sim" || std::string(argv[1]) == "--table")) {
        table = std::string(argv[1]) == "--table";
        first = 2;
    }
    const int deals = argc > first ? std::atoi(argv[first]) : 2000;
    const char* rulesFile = argc > first + 1 ? argv[first + 1] : nullptr;
    const char* baselineFile = argc > first + 2 ? argv[first + 2] : nullptr;
    return table ? tableMode(deals, rulesFile, baselineFile) : simMode(deals, rulesFile, baselineFile);
}
