// How the computer players' contracts turn out, by bid level: whole games at
// the real table with all four seats computer seats, bidding by the bid
// rules and the bid table and playing by the play rules.
//
//   contracts_by_level [--games N] [--first-seed S] [--jobs J]
//                      [--bid-rules FILE] [--bid-table FILE] [--play-rules FILE]
//
// Game k is played from seed S + k (defaults: 400 games from seed 1, 4 jobs).
// The files default to the shipped ones beside the program. Prints, over
// all contracts: the share made, and per bid level 6..14 the contracts held,
// made, the mean score per contract and the mean net per contract. The
// score is the bidding side's score for the deal (its points when it made
// the bid, minus the bid when it fell short); the net is that score minus
// the other side's points. The play engine keeps process-wide state, so the
// games are split over worker processes by seed.
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchmarkApp.h"
#include "ForkedShards.h"
#include "TableDriver.h"
#include "TestTable.h"

namespace {

struct Level {
    long held = 0;
    long made = 0;
    long score = 0;
    long net = 0;
};

struct Tally {
    std::array<Level, 15> byBid{};
    long games = 0;
    long deals = 0;
    long unfinished = 0;
    long messageBoxes = 0;
    void add(const Tally& o) {
        for (std::size_t b = 0; b < byBid.size(); ++b) {
            byBid[b].held += o.byBid[b].held;
            byBid[b].made += o.byBid[b].made;
            byBid[b].score += o.byBid[b].score;
            byBid[b].net += o.byBid[b].net;
        }
        games += o.games;
        deals += o.deals;
        unfinished += o.unfinished;
        messageBoxes += o.messageBoxes;
    }
};

struct Options {
    long games = 400;
    std::uint64_t firstSeed = 1;
    int jobs = 4;
    std::string bidRules, bidTable, playRules;
};

void copyFile(const std::string& from, const std::string& to) {
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

// The data files the table reads, with the chosen ones in place of the
// shipped ones.
struct DataFolder {
    QTemporaryDir dir;
    std::string path;
    DataFolder(const std::string& installPath, const Options& o) {
        path = dir.path().toStdString() + "/";
        auto pick = [&](const std::string& chosen, const char* name) {
            copyFile(chosen.empty() ? installPath + name : chosen, path + name);
        };
        pick(o.bidTable, "LumraBidBase.txt");
        pick(o.bidRules, "LumraBidRulesAI.txt");
        pick(o.playRules, "LumraPlayRulesAI.TXT");
        pick("", "Suggestion.txt");
        pick("", "Referal.txt");
    }
};

void playGame(std::uint64_t seed, const Options& o, Tally& tally) {
    TestTable t(seed);
    Main& m = t.m();
    DataFolder folder(m.gbInstallPath, o);
    m.Form_Load();
    m.gbInstallPath = folder.path;  // the game's start names the install folder
    m.Hand[0].SetHandSpelarTyp(0);
    TableDriver driver(m);
    int dealer = m.harPacko;
    std::array<int, 2> before{m.gbVi, m.gbDe};
    int bidder = -1, bid = 0;
    auto endOfDeal = [&] {
        const std::array<int, 2> change{m.gbVi - before[0], m.gbDe - before[1]};
        before = {m.gbVi, m.gbDe};
        if (bidder < 0) return;
        ++tally.deals;
        const int side = bidder & 1;
        Level& l = tally.byBid[static_cast<std::size_t>(bid)];
        ++l.held;
        if (change[static_cast<std::size_t>(side)] > 0) ++l.made;
        l.score += change[static_cast<std::size_t>(side)];
        l.net += change[static_cast<std::size_t>(side)] - change[static_cast<std::size_t>(1 - side)];
        bidder = -1;
    };
    const bool over = driver.runUntil(
        [&] {
            if (m.myGameStatus == 7 && m.gbHogstaBudet >= 6 && m.gbHogstaBudet <= 14) {
                bidder = m.gbBjuditHogst;
                bid = m.gbHogstaBudet;
            }
            if (m.harPacko != dealer) {
                dealer = m.harPacko;
                endOfDeal();
            }
            return m.LblGameOver.Visible;
        },
        6 * 60 * 60 * 1000);
    if (!over) {
        ++tally.unfinished;
        return;
    }
    endOfDeal();
    ++tally.games;
    tally.messageBoxes += t.dialogs.CountOf("MsgBox");
}

void print(const Options& o, const Tally& t) {
    long held = 0, made = 0, score = 0, net = 0;
    for (const Level& l : t.byBid) {
        held += l.held;
        made += l.made;
        score += l.score;
        net += l.net;
    }
    auto pct = [](long a, long b) { return b ? 100.0 * static_cast<double>(a) / static_cast<double>(b) : 0.0; };
    auto mean = [](long a, long b) { return b ? static_cast<double>(a) / static_cast<double>(b) : 0.0; };
    std::printf("contracts by level: games %ld (seeds %llu..%llu), unfinished %ld, message boxes %ld\n", t.games,
                static_cast<unsigned long long>(o.firstSeed),
                static_cast<unsigned long long>(o.firstSeed + static_cast<std::uint64_t>(o.games) - 1), t.unfinished,
                t.messageBoxes);
    std::printf("all     held %5ld  made %5ld (%5.1f%%)  score/contract %6.2f  net/contract %6.2f\n", held, made,
                pct(made, held), mean(score, held), mean(net, held));
    for (int b = 6; b <= 14; ++b) {
        const Level& l = t.byBid[static_cast<std::size_t>(b)];
        std::printf("bid %2d  held %5ld  made %5ld (%5.1f%%)  score/contract %6.2f  net/contract %6.2f\n", b, l.held,
                    l.made, pct(l.made, l.held), mean(l.score, l.held), mean(l.net, l.held));
    }
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return false;
        const char* v = argv[++i];
        if (a == "--games") o.games = std::atol(v);
        else if (a == "--first-seed") o.firstSeed = std::strtoull(v, nullptr, 10);
        else if (a == "--jobs") o.jobs = std::atoi(v);
        else if (a == "--bid-rules") o.bidRules = v;
        else if (a == "--bid-table") o.bidTable = v;
        else if (a == "--play-rules") o.playRules = v;
        else return false;
    }
    return o.games > 0 && o.jobs > 0;
}

// One shard plays every jobs-th game; its tally comes back as its bytes.
std::string runShard(int argc, char** argv, const Options& o, int job) {
    auto app = MakeHeadlessApp(argc, argv);
    Tally t;
    for (long k = job; k < o.games; k += o.jobs) playGame(o.firstSeed + static_cast<std::uint64_t>(k), o, t);
    return std::string(reinterpret_cast<const char*>(&t), sizeof t);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: contracts_by_level [--games N] [--first-seed S] [--jobs J] [--bid-rules FILE] "
                     "[--bid-table FILE] [--play-rules FILE]\n");
        return 2;
    }
    const auto parts = RunShards(o.jobs, [&](int job) { return runShard(argc, argv, o, job); });
    Tally total;
    bool ok = true;
    for (const std::string& part : parts) {
        if (part.size() != sizeof(Tally)) {
            ok = false;
            continue;
        }
        Tally t;
        std::memcpy(&t, part.data(), sizeof t);
        total.add(t);
    }
    print(o, total);
    return ok ? 0 : 1;
}
