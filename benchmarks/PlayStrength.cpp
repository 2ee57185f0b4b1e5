// The strength of a play-rule file, measured on equal terms.
//
//   play_strength [--deals N] [--jobs J] [--rules FILE] [--random FILE] [--cheapest FILE]
//                 [--positions FILE] [--save FILE] [--decisions FILE] [--self-play]
//
// The figures of the shipped rules (about a minute on 4 processes):
//   cd build && bin/play_strength --deals 4000 --jobs 4
// Trying a rule file on the same deals without recording them again:
//   bin/play_strength --deals 4000 --save /tmp/deals.txt
//   bin/play_strength --positions /tmp/deals.txt --rules ../data/LumraPlayRulesAI.TXT
//
// 1. Recording: whole games at the real table, seeds 1, 2, 3, ... (the
//    window driven headless; the human's seat bids, names trumps and plays
//    as suggested, the computer seats by the shipped files). Of the first N
//    deals the hands after buying, the trump colour, the contract, the
//    dealer and what the buying told the seats are kept. --save writes them,
//    --positions reads them instead of recording.
// 2. Replay: each deal is played again from the start of trick play with
//    the same hands and contract: by the candidate file (--rules; the
//    shipped play rules by default) on all four seats, and against each
//    baseline with the candidate on one side and then on the other. The
//    baselines are rule files of one rule: "random" plays a uniformly random
//    trump (the language's Random play), "cheapest" the first trump it holds
//    of a fixed cheapest-first order (benchmarks/baselines/). The rules'
//    random draws are seeded per deal and play, so runs repeat exactly.
// 3. A referee that sees every hand scores each card decision: the points
//    the deciding side gives away with it against the best card, both sides
//    playing perfectly afterwards. A card decision is a card played from two
//    trumps or more; the last trump is no choice and is counted apart.
//
// Output, one quantity per label:
// - checks: plays whose points the referee's losses do not explain (must be
//   0); the contracts made at the table while recording, beside the
//   self-play replay's "all" row (they should agree within noise).
// - self-play: loss per decision, share of decisions without loss, loss of
//   both sides per deal; per rule of the candidate (suggestion code and
//   name): decisions, mean loss, share without loss, total loss, and how
//   many of them were take-over spots; the take-over spot (the partner holds
//   a trick with points, an opponent is still to play and the seat holds the
//   highest trump still out, above the partner's card): spots, share in
//   which the seat took the trick, mean loss there; per bid level 6..14:
//   contracts held, made, mean score per contract (with set-backs).
// - against each baseline, per side over both seatings: loss per decision,
//   share without loss, points taken per deal, score per deal (a bidding side
//   short of its bid scores minus its bid), contracts made as bidder, and
//   games won (each seating's deals in order played as games to 62).
//
// --self-play plays only the self-play replay (its loss figures, in about a
// fifth of the time): for quick trials of a rule file while tuning it.
// --decisions writes every self-play card decision as one line of
// tab-separated fields (the deal's number, what the rules saw, every hand,
// the loss of each card the seat held): the material for finding where the
// rules lose and which card would have done better.
//
// Several processes (--jobs, default 4) share the work; each builds its own
// table, since the table and the play state are process-wide. The deals and
// the figures do not depend on the number of processes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BenchmarkApp.h"
#include "DealRecorder.h"
#include "DealReplay.h"
#include "ForkedShards.h"
#include "InstallFolder.h"
#include "StrengthTally.h"
#include "TestTable.h"

#ifndef LUMRA_BASELINES_DIR
#define LUMRA_BASELINES_DIR "benchmarks/baselines/"
#endif

namespace {

struct Options {
    int deals = 4000;
    int jobs = 4;
    std::string rules;
    std::string random = std::string(LUMRA_BASELINES_DIR) + "RandomTrump.TXT";
    std::string cheapest = std::string(LUMRA_BASELINES_DIR) + "CheapestFirst.TXT";
    std::string positions;
    std::string save;
    std::string decisions;
    bool selfPlayOnly = false;
};

// The matches each deal is played in; the candidate's side in each.
enum Match { SelfPlay, RandomAsVi, RandomAsDe, CheapestAsVi, CheapestAsDe, MatchCount };

int argcKept = 1;
char argv0[] = "play_strength";
char* argvKept[] = {argv0, nullptr};

// One application per process, made on first use (after any fork).
void ensureApp() {
    static std::unique_ptr<QApplication> app;
    if (!app) app = MakeHeadlessApp(argcKept, argvKept);
}

double secondsSince(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

// --- recording ------------------------------------------------------------

std::string recordGames(const std::vector<std::uint64_t>& seeds) {
    ensureApp();
    std::ostringstream out;
    for (std::uint64_t seed : seeds) {
        const RecordedGame g = RecordGame(seed);
        if (!g.finished) std::fprintf(stderr, "game of seed %llu did not end\n", static_cast<unsigned long long>(seed));
        std::string made;
        for (bool b : g.contractMade) made += b ? '1' : '0';
        out << "G " << seed << ' ' << g.messageBoxes << " m" << made << '\n';
        for (const TrickPlayStart& d : g.deals) WriteTrickPlayStart(out, d);
    }
    return out.str();
}

struct GameDeals {
    int messageBoxes = 0;
    std::string made;  // per deal, '1' when the table scored the contract made
    std::vector<TrickPlayStart> deals;
};

struct Recording {
    std::vector<TrickPlayStart> deals;
    int messageBoxes = 0;
    long madeAtTable = 0;  // contracts made among the deals, as the table scored them
};

// The first deals of the games of seeds 1, 2, 3, ... in order, whatever the
// number of processes: games are recorded in rounds until the seeds from 1
// on give enough deals.
Recording recordDeals(const Options& o) {
    std::map<std::uint64_t, GameDeals> games;
    for (;;) {
        std::uint64_t seed = 1;
        long have = 0;
        for (; games.count(seed) && have < o.deals; ++seed) have += static_cast<long>(games[seed].deals.size());
        if (have >= o.deals) break;
        // About nine deals to a game; a few games more than that guess.
        const long wanted = (o.deals - have) / 9 + o.jobs;
        std::vector<std::vector<std::uint64_t>> seeds(static_cast<std::size_t>(o.jobs));
        for (long n = 0; n < wanted; ++seed)
            if (!games.count(seed)) seeds[static_cast<std::size_t>(n++ % o.jobs)].push_back(seed);
        const auto texts = RunShards(o.jobs, [&](int s) { return recordGames(seeds[static_cast<std::size_t>(s)]); });
        for (const std::string& text : texts) {
            std::istringstream in(text);
            std::string line;
            GameDeals* current = nullptr;
            while (std::getline(in, line)) {
                if (line.rfind("G ", 0) == 0) {
                    std::istringstream g(line.substr(2));
                    std::uint64_t s = 0;
                    int boxes = 0;
                    std::string made;
                    g >> s >> boxes >> made;
                    current = &games[s];
                    current->messageBoxes = boxes;
                    current->made = made.substr(std::min<std::size_t>(1, made.size()));
                } else if (auto d = ReadTrickPlayStart(line); d && current) {
                    current->deals.push_back(*d);
                }
            }
        }
    }
    Recording r;
    for (std::uint64_t seed = 1; games.count(seed) && static_cast<int>(r.deals.size()) < o.deals; ++seed) {
        const GameDeals& g = games[seed];
        r.messageBoxes += g.messageBoxes;
        for (std::size_t i = 0; i < g.deals.size() && static_cast<int>(r.deals.size()) < o.deals; ++i) {
            r.deals.push_back(g.deals[i]);
            r.madeAtTable += i < g.made.size() && g.made[i] == '1';
        }
    }
    return r;
}

// --- replay ---------------------------------------------------------------

void writeOutcome(std::ostream& out, int match, std::size_t deal, const DealOutcome& r) {
    out << "O " << match << ' ' << deal << ' ' << r.points[0] << ' ' << r.points[1] << ' ' << r.bidder << ' ' << r.bid
        << ' ' << r.perfectPoints0 << ' ' << r.decisions.size() << '\n';
    for (const CardDecision& c : r.decisions)
        out << "C " << c.seat << ' ' << c.rank << ' ' << c.held << ' ' << c.loss << ' ' << c.takeOverSpot << ' ' << c.tookTrick << ' ' << c.rule << '\n';
}

// The rule file of each seat in each match.
std::array<std::string, 4> seatFiles(int match) {
    const char* cand = "Candidate.TXT";
    const char* base = match == RandomAsVi || match == RandomAsDe ? "Random.TXT" : "Cheapest.TXT";
    if (match == SelfPlay) return {cand, cand, cand, cand};
    const bool candidateVi = match == RandomAsVi || match == CheapestAsVi;
    if (candidateVi) return {cand, base, cand, base};
    return {base, cand, base, cand};
}

void copyFile(const std::string& from, const std::string& to) {
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

std::string replayShard(int shard, const Options& o, const std::vector<TrickPlayStart>& deals) {
    ensureApp();
    TestTable t(1);
    Main& m = t.m();
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    copyFile(o.rules.empty() ? m.gbInstallPath + "LumraPlayRulesAI.TXT" : o.rules, folder + "Candidate.TXT");
    copyFile(o.random, folder + "Random.TXT");
    copyFile(o.cheapest, folder + "Cheapest.TXT");
    m.gbInstallPath = folder;
    std::ostringstream out;
    referee::Solver solver;
    for (std::size_t i = static_cast<std::size_t>(shard); i < deals.size(); i += static_cast<std::size_t>(o.jobs)) {
        solver.Clear();  // one table for the five plays of the same hands
        for (int match = 0; match < (o.selfPlayOnly ? 1 : MatchCount); ++match) {
            const std::uint64_t seed = i * MatchCount + static_cast<std::uint64_t>(match) + 1;
            if (match != SelfPlay || o.decisions.empty()) {
                writeOutcome(out, match, i, ReplayDeal(m, deals[i], seatFiles(match), solver, seed));
                continue;
            }
            std::ostringstream log;
            writeOutcome(out, match, i, ReplayDeal(m, deals[i], seatFiles(match), solver, seed, &log));
            std::istringstream lines(log.str());
            for (std::string line; std::getline(lines, line);) out << "X " << i << '\t' << line << '\n';
        }
    }
    out << "M " << t.dialogs.CountOf("MsgBox") << '\n';
    return out.str();
}

using Outcomes = std::array<std::vector<DealOutcome>, MatchCount>;

Outcomes replayDeals(const Options& o, const std::vector<TrickPlayStart>& deals, int& messageBoxes) {
    const auto texts = RunShards(o.jobs, [&](int s) { return replayShard(s, o, deals); });
    std::ofstream decisionLog;
    if (!o.decisions.empty()) decisionLog.open(o.decisions);
    Outcomes all;
    for (auto& v : all) v.resize(deals.size());
    for (const std::string& text : texts) {
        std::istringstream in(text);
        std::string line;
        DealOutcome* current = nullptr;
        while (std::getline(in, line)) {
            std::istringstream f(line.substr(std::min<std::size_t>(2, line.size())));
            if (line.rfind("O ", 0) == 0) {
                int match = 0;
                std::size_t deal = 0, n = 0;
                DealOutcome r;
                f >> match >> deal >> r.points[0] >> r.points[1] >> r.bidder >> r.bid >> r.perfectPoints0 >> n;
                current = nullptr;
                if (match < 0 || match >= MatchCount || deal >= deals.size()) continue;
                all[static_cast<std::size_t>(match)][deal] = r;
                current = &all[static_cast<std::size_t>(match)][deal];
            } else if (line.rfind("C ", 0) == 0 && current) {
                CardDecision c;
                f >> c.seat >> c.rank >> c.held >> c.loss >> c.takeOverSpot >> c.tookTrick;
                std::getline(f >> std::ws, c.rule);
                current->decisions.push_back(c);
            } else if (line.rfind("X ", 0) == 0) {
                decisionLog << line.substr(2) << '\n';
            } else if (line.rfind("M ", 0) == 0) {
                int boxes = 0;
                f >> boxes;
                messageBoxes += boxes;
            }
        }
    }
    return all;
}

// --- report ---------------------------------------------------------------

void printSelfPlay(const std::vector<DealOutcome>& deals) {
    SideTally both, unused;
    AddSeating(deals, -1, both, unused);
    std::map<std::string, LossTally> rules;
    TakeOverTally takeOver;
    AddRules(deals, rules, takeOver);
    std::array<LevelTally, 15> levels{};
    AddLevels(deals, levels);

    const double n = deals.empty() ? 1.0 : static_cast<double>(deals.size());
    std::printf("\nself-play (candidate on all four seats), %zu deals\n", deals.size());
    std::printf("  %-36s %ld\n", "card decisions (two trumps or more)", both.loss.decisions);
    std::printf("  %-36s %ld\n", "forced plays (the last trump)", both.forcedPlays);
    std::printf("  %-36s %.3f points\n", "loss per card decision", both.loss.meanLoss());
    std::printf("  %-36s %.1f %%\n", "decisions without loss", 100.0 * both.loss.shareWithoutLoss());
    std::printf("  %-36s %ld points\n", "loss of all decisions", both.loss.lossSum);
    std::printf("  %-36s %ld\n", "number of decisions without loss", both.loss.withoutLoss);
    std::printf("  %-36s %.2f points\n", "loss of both sides per deal", static_cast<double>(both.loss.lossSum) / n);
    std::printf("  %-36s %ld\n", "take-over spots (not forced)", takeOver.spots);
    std::printf("  %-36s %.1f %%\n", "take-over spots taken",
                takeOver.spots ? 100.0 * static_cast<double>(takeOver.taken) / static_cast<double>(takeOver.spots) : 0.0);
    std::printf("  %-36s %.3f points\n", "loss per take-over spot",
                takeOver.spots ? static_cast<double>(takeOver.lossSum) / static_cast<double>(takeOver.spots) : 0.0);
    std::printf("\n  %-58s %9s %10s %13s %11s %10s\n", "rule (code name)", "decisions", "mean loss", "without loss",
                "total loss", "take-over");
    for (const auto& [name, t] : rules)
        std::printf("  %-58s %9ld %10.3f %12.1f%% %11ld %10ld\n", name.c_str(), t.decisions, t.meanLoss(),
                    100.0 * t.shareWithoutLoss(), t.lossSum, takeOver.byRule[name]);
    std::printf("\n  %-5s %15s %15s %15s %22s\n", "bid", "contracts held", "contracts made", "share made",
                "mean score/contract");
    LevelTally all;
    for (int bid = 6; bid <= 14; ++bid) {
        const LevelTally& l = levels[static_cast<std::size_t>(bid)];
        all.held += l.held;
        all.made += l.made;
        all.score += l.score;
        std::printf("  %-5d %15ld %15ld %14.1f%% %22.2f\n", bid, l.held, l.made,
                    l.held ? 100.0 * static_cast<double>(l.made) / static_cast<double>(l.held) : 0.0,
                    l.held ? static_cast<double>(l.score) / static_cast<double>(l.held) : 0.0);
    }
    std::printf("  %-5s %15ld %15ld %14.1f%% %22.2f\n", "all", all.held, all.made,
                all.held ? 100.0 * static_cast<double>(all.made) / static_cast<double>(all.held) : 0.0,
                all.held ? static_cast<double>(all.score) / static_cast<double>(all.held) : 0.0);
}

void printMatch(const char* baselineName, const std::vector<DealOutcome>& asVi, const std::vector<DealOutcome>& asDe) {
    SideTally cand, base;
    AddSeating(asVi, 0, cand, base);
    AddSeating(asDe, 1, cand, base);
    const long games = cand.gamesWon + base.gamesWon;
    std::printf("\nagainst %s: each deal twice, seats swapped (%ld deals per side)\n", baselineName, cand.deals);
    std::printf("  %-32s %12s %12s\n", "", "candidate", baselineName);
    auto row = [](const char* label, double a, double b, const char* unit) {
        std::printf("  %-32s %12.3f %12.3f %s\n", label, a, b, unit);
    };
    auto count = [](const char* label, long a, long b) { std::printf("  %-32s %12ld %12ld\n", label, a, b); };
    auto per = [](long x, long n) { return n ? static_cast<double>(x) / static_cast<double>(n) : 0.0; };
    row("loss per card decision", cand.loss.meanLoss(), base.loss.meanLoss(), "points");
    row("decisions without loss", 100.0 * cand.loss.shareWithoutLoss(), 100.0 * base.loss.shareWithoutLoss(), "%");
    row("points taken per deal", per(cand.points, cand.deals), per(base.points, base.deals), "points");
    row("score per deal", per(cand.score, cand.deals), per(base.score, base.deals), "points (set-backs count)");
    count("contracts held as bidder", cand.contractsHeld, base.contractsHeld);
    row("contracts made as bidder", 100.0 * per(cand.contractsMade, cand.contractsHeld),
        100.0 * per(base.contractsMade, base.contractsHeld), "% of those held");
    count("games won", cand.gamesWon, base.gamesWon);
    row("share of games won", 100.0 * per(cand.gamesWon, games), 100.0 * per(base.gamesWon, games), "%");
}

bool readOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--deals" && hasValue) o.deals = std::max(1, std::atoi(argv[++i]));
        else if (a == "--jobs" && hasValue) o.jobs = std::clamp(std::atoi(argv[++i]), 1, 64);
        else if (a == "--rules" && hasValue) o.rules = argv[++i];
        else if (a == "--random" && hasValue) o.random = argv[++i];
        else if (a == "--cheapest" && hasValue) o.cheapest = argv[++i];
        else if (a == "--positions" && hasValue) o.positions = argv[++i];
        else if (a == "--save" && hasValue) o.save = argv[++i];
        else if (a == "--decisions" && hasValue) o.decisions = argv[++i];
        else if (a == "--self-play") o.selfPlayOnly = true;
        else return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!readOptions(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: play_strength [--deals N] [--jobs J] [--rules FILE] [--random FILE] [--cheapest FILE]\n"
                     "                     [--positions FILE] [--save FILE] [--decisions FILE] [--self-play]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    Recording recording;
    if (!o.positions.empty()) {
        std::ifstream in(o.positions);
        recording.deals = ReadTrickPlayStarts(in);
        recording.madeAtTable = -1;
        if (static_cast<int>(recording.deals.size()) > o.deals) recording.deals.resize(static_cast<std::size_t>(o.deals));
    } else {
        recording = recordDeals(o);
    }
    const std::vector<TrickPlayStart>& deals = recording.deals;
    int messageBoxes = recording.messageBoxes;
    if (deals.empty()) {
        std::fprintf(stderr, "no deals\n");
        return 1;
    }
    if (!o.save.empty()) {
        std::ofstream out(o.save);
        for (const TrickPlayStart& d : deals) WriteTrickPlayStart(out, d);
    }
    const double recordSeconds = secondsSince(start);
    const Outcomes outcomes = replayDeals(o, deals, messageBoxes);

    std::printf("candidate %s\n", o.rules.empty() ? "(shipped play rules)" : o.rules.c_str());
    std::printf("baselines random %s, cheapest %s\n", o.random.c_str(), o.cheapest.c_str());
    std::printf("deals %zu (games of seeds %llu..%llu), processes %d, message boxes %d\n", deals.size(),
                static_cast<unsigned long long>(deals.front().game), static_cast<unsigned long long>(deals.back().game),
                o.jobs, messageBoxes);
    std::printf("seconds: recording (or reading) %.1f, replay and referee %.1f\n", recordSeconds, secondsSince(start) - recordSeconds);
    long mismatches = 0;
    for (const auto& match : outcomes)
        for (const DealOutcome& d : match) mismatches += !d.agreesWithReferee();
    std::printf("plays whose points the referee's losses do not explain: %ld (must be 0)\n", mismatches);
    if (recording.madeAtTable >= 0)
        std::printf("contracts made at the table while recording: %.1f %% (shipped files on all seats)\n",
                    100.0 * static_cast<double>(recording.madeAtTable) / static_cast<double>(deals.size()));
    printSelfPlay(outcomes[SelfPlay]);
    if (o.selfPlayOnly) return 0;
    printMatch("random", outcomes[RandomAsVi], outcomes[RandomAsDe]);
    printMatch("cheapest", outcomes[CheapestAsVi], outcomes[CheapestAsDe]);
    return 0;
}
