// Writes the bid table, LumraBidBase.txt: for every trump pattern the
// loader can form, what a seat holding it can expect from a deal when the
// computer players play it by the shipped play rules.
//
// Built with the game (target generate_bid_table, into build/bin):
//   cmake --build build --target generate_bid_table
//   build/bin/generate_bid_table data/LumraBidBase.txt
// Options (before the output file is fine too):
//   --rules FILE    the play-rule file all four seats play by
//                   (default: LumraPlayRulesAI.TXT beside the program)
//   --seed N        the seed of the whole run (default 20240611)
//   --samples N     deals per common pattern key, fewer for rare keys
//                   (default 400; see samplesFor)
//   --jobs N        worker processes (default 6)
// The play engine keeps its state in process-wide variables, so the work is
// split over processes, each taking every N-th key; every key draws from a
// generator seeded by the run's seed and the key's place in the file, so the
// file is the same whatever the number of jobs. With the defaults a run takes
// about four minutes with six jobs (seven minutes of processor time) on the
// development machine; the tests of the shipped table
// (tests/engines/BidTableFileTest.cpp) check what it writes. After a change
// of the play rules, run it again and measure the bid rules with
// benchmarks/ContractsByLevel.cpp.
//
// The model. Only the trump suit matters once the colour is named (clubs
// here: the colours are alike). For each pattern key:
//   1. Every trump holding of 0..9 cards whose key is this one is a
//      candidate; one is drawn with the chance that a random 9-card hand
//      holds it (C(38, 9 - size) ways to fill the rest with other cards),
//      and the seat's nine cards are that holding and other cards.
//   2. The other 43 cards are shuffled and dealt, 9 to each of the three
//      other seats and 16 to the pack. The dealer is any of the four seats,
//      each equally often.
//   3. Discard and buying as the table does it: the three seats after the
//      dealer keep their trumps, put surplus trumps out of play lowest first
//      and buy from the pack up to six cards; the dealer takes the rest of
//      the pack, keeps its trumps (at most six) and fills up with its own
//      thrown-away cards. The trump counts the players see are set as the
//      table sets them.
//   4. The deal is played out by the play engine for all four seats, with
//      the holder of the contract leading the first trick, four times: once
//      with the seat holding the contract at its representative bid, and
//      once for each other seat holding a contract of 7. The engine sees the
//      bid, as it does at the table. The representative bid of a key is the
//      median of the points the seat's side took over a first run of pilot
//      deals played at 8 (between 6 and 14); the pilot deals are not counted.
//   5. A rule's random draws come from the game's generator, seeded per key.
// The values written, with p = the points the seat's side took:
//   EA(b)   the mean of the deal result for the seat's side (its score
//           minus the other side's) when it holds the contract at bid b:
//           2p - 14 when p >= b, else -b - (14 - p). Range -28..14; never
//           rising with b. The bid-5 value repeats the bid-6 value.
//   P(b)    the share of deals in which p >= b (0..1), bids 6..14 in order.
//   EaUH(k) the mean result for the seat's side when the seat k places on
//           (1 next, 2 partner, 3 the seat before) holds a contract of 7 in
//           this colour; EaUH(0) is the seat's own EA(7).
// The two ignored fields are 0.

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BidTableKey.h"
#include "InstallFolder.h"
#include "PlayTestSimulation.h"
#include "Rng.h"
#include "TestTable.h"

namespace {

constexpr int kSupportBid = 7;
constexpr int kPilotBid = 8;
constexpr int kPilotDeals = 32;
constexpr int kOtherCards = 38;
constexpr int kTrump = 1;  // clubs

struct Options {
    std::string output;
    std::string rules;
    std::uint64_t seed = 20240611;
    int samples = 400;
    int jobs = 6;
};

// splitmix64: small, fast and the same everywhere.
struct Random {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in 0..n-1.
    int below(int n) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % static_cast<std::uint64_t>(n);
        std::uint64_t v;
        do v = next();
        while (v >= limit);
        return static_cast<int>(v % static_cast<std::uint64_t>(n));
    }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
};

// A dealt and bought table, ready to be played any number of times.
struct Layout {
    std::array<std::vector<int>, 4> cards;  // card numbers per seat after buying
    std::vector<short> outOfPlay;           // trump ranks put out of play
    std::array<short, 4> beforeBuying{};
    std::array<float, 4> seenBySelf{};
    std::array<float, 4> seenByOthers{};
};

// The trump cards by rank and the other cards, by card number.
struct Deck {
    std::array<int, 15> trumpByRank{};
    std::vector<int> others;
    explicit Deck(Main& m) {
        m.Packe.ValjFarg(kTrump);
        for (int nr = 0; nr < 52; ++nr) {
            const Kort* k = m.Packe.CardByNr(nr);
            if (IsTrump(*k, kTrump))
                trumpByRank[static_cast<std::size_t>(k->Rang)] = nr;
            else
                others.push_back(nr);
        }
    }
};

int trumpsIn(Main& m, int seat) { return playsim::trumpCount(m.Hand[static_cast<std::size_t>(seat)], kTrump); }

// Surplus trumps out of play as the table does; the layout keeps their ranks
// (the flags the shared helper sets go at the next playLayout's reset).
void dropSurplus(Main& m, int seat, Layout& l) {
    for (short rank : playsim::dropSurplus(m.Hand[static_cast<std::size_t>(seat)], kTrump)) l.outOfPlay.push_back(rank);
}

// Deals seat 0 the holding and the rest at random; discard and buying as at
// the table. Leaves the hands in m and returns them as a layout.
Layout dealTable(Main& m, const Deck& deck, unsigned holding, Random& rng) {
    std::vector<int> mine, rest;
    for (int r = 1; r <= 14; ++r)
        (holding & (1u << r) ? mine : rest).push_back(deck.trumpByRank[static_cast<std::size_t>(r)]);
    std::vector<int> others = deck.others;
    for (std::size_t i = others.size() - 1; i > 0; --i)
        std::swap(others[i], others[static_cast<std::size_t>(rng.below(static_cast<int>(i) + 1))]);
    const std::size_t fill = 9 - mine.size();
    mine.insert(mine.end(), others.begin(), others.begin() + static_cast<std::ptrdiff_t>(fill));
    rest.insert(rest.end(), others.begin() + static_cast<std::ptrdiff_t>(fill), others.end());
    for (std::size_t i = rest.size() - 1; i > 0; --i)
        std::swap(rest[i], rest[static_cast<std::size_t>(rng.below(static_cast<int>(i) + 1))]);

    for (auto& h : m.Hand) h.ClearHand();
    auto give = [&](int seat, int nr) { playsim::addCard(m.Hand[static_cast<std::size_t>(seat)], m.Packe.CardByNr(nr)); };
    for (int nr : mine) give(0, nr);
    std::size_t next = 0;
    for (int s = 1; s < 4; ++s)
        for (int i = 0; i < 9; ++i) give(s, rest[next++]);

    Layout l;
    const int dealer = rng.below(4);
    std::array<std::vector<int>, 4> thrown;
    auto discard = [&](int seat) {
        KortHand& h = m.Hand[static_cast<std::size_t>(seat)];
        for (int i = h.colHand.Count(); i >= 1; --i)
            if (!IsTrump(*h.colHand.Item(i), kTrump)) thrown[static_cast<std::size_t>(seat)].push_back(h.TakeACard(i)->Nr);
    };
    for (int i = 1; i <= 3; ++i) {
        const int s = (dealer + i) & 3;
        const auto n = static_cast<short>(trumpsIn(m, s));
        l.beforeBuying[static_cast<std::size_t>(s)] = n;
        l.seenBySelf[static_cast<std::size_t>(s)] = l.seenByOthers[static_cast<std::size_t>(s)] = n;
        discard(s);
    }
    for (int i = 1; i <= 3; ++i) {
        const int s = (dealer + i) & 3;
        const int n = m.Hand[static_cast<std::size_t>(s)].colHand.Count();
        if (n >= 7) {
            l.seenBySelf[static_cast<std::size_t>(s)] = l.seenByOthers[static_cast<std::size_t>(s)] = static_cast<float>(n);
            dropSurplus(m, s, l);
        }
        for (int k = n; k < 6 && next < rest.size(); ++k) give(s, rest[next++]);
    }
    while (next < rest.size()) give(dealer, rest[next++]);
    const auto t = static_cast<short>(trumpsIn(m, dealer));
    if (t > 6) {
        l.beforeBuying[static_cast<std::size_t>(dealer)] = t;
        l.seenBySelf[static_cast<std::size_t>(dealer)] = l.seenByOthers[static_cast<std::size_t>(dealer)] = t;
    } else {
        l.beforeBuying[static_cast<std::size_t>(dealer)] = -1;
        l.seenByOthers[static_cast<std::size_t>(dealer)] = 0;
    }
    discard(dealer);
    if (t >= 7) dropSurplus(m, dealer, l);
    for (std::size_t i = 0; m.Hand[static_cast<std::size_t>(dealer)].colHand.Count() < 6 && i < thrown[static_cast<std::size_t>(dealer)].size(); ++i)
        give(dealer, thrown[static_cast<std::size_t>(dealer)][i]);

    for (int s = 0; s < 4; ++s)
        for (const Kort* k : m.Hand[static_cast<std::size_t>(s)].colHand) l.cards[static_cast<std::size_t>(s)].push_back(k->Nr);
    return l;
}

// Plays the layout with the holder's contract at the bid; the points of the
// holder's side.
int playLayout(Main& m, const Layout& l, int holder, int bid) {
    ResetPlayState();
    RankPlayedInTrick.fill(-1);
    for (auto& h : m.Hand) h.ClearHand();
    for (int s = 0; s < 4; ++s)
        for (int nr : l.cards[static_cast<std::size_t>(s)]) playsim::addCard(m.Hand[static_cast<std::size_t>(s)], m.Packe.CardByNr(nr));
    for (short r : l.outOfPlay) PlayCardFlags[static_cast<std::size_t>(r)] = -1;
    TrumpsBeforeBuying = l.beforeBuying;
    TrumpsSeenBySelf = l.seenBySelf;
    TrumpsSeenByOthers = l.seenByOthers;
    m.gbFarg = kTrump;
    m.Packe.ValjFarg(kTrump);
    m.gbHogstaBudet = static_cast<short>(bid);
    m.gbBjuditHogst = holder;
    playsim::DealResult r;
    r.bidder = holder;
    r.bid = bid;
    playsim::playOut(m, r);
    return r.points[static_cast<std::size_t>(playsim::sideOf(holder))];
}

int resultFor(bool holdsContract, int ourPoints, int bid) {
    const int theirPoints = 14 - ourPoints;
    if (holdsContract) return ourPoints >= bid ? ourPoints - theirPoints : -bid - theirPoints;
    return theirPoints >= bid ? ourPoints - theirPoints : ourPoints + bid;
}

struct Accumulator {
    std::array<double, 15> ea{};  // by bid
    std::array<double, 15> made{};
    std::array<double, 4> eauh{};
    int samples = 0;
};

double choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    double r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

std::string fixed2(double v) {
    v = std::round(v * 100.0) / 100.0;
    if (v == 0) v = 0;  // no "-0"
    std::array<char, 32> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, 2);
    const char* end = res.ptr;
    while (end > buf.data() + 1 && end[-1] == '0') --end;
    if (end[-1] == '.') --end;
    return std::string(buf.data(), static_cast<std::size_t>(end - buf.data()));
}

struct Group {
    std::vector<unsigned> holdings;
    std::vector<double> weights;
    // The chance that one colour of a random 9-card hand has this key.
    double chance() const {
        double total = 0;
        for (double w : weights) total += w;
        return total / choose(52, 9);
    }
    unsigned draw(Random& rng) const {
        double total = 0;
        for (double w : weights) total += w;
        double pick = rng.unit() * total;
        std::size_t h = 0;
        while (h + 1 < holdings.size() && pick >= weights[h]) pick -= weights[h++];
        return holdings[h];
    }
};

struct KeyJob {
    std::string marker;
    std::string key;
    const Group* group;
};

// The sections in the order written: by card count, then middle count.
bool sectionBefore(const std::string& a, const std::string& b) {
    auto parts = [](const std::string& m) {
        const int n = m[1] - '0';
        const int k = m.size() > 3 ? m[3] - '0' : 0;
        return std::pair{n, k};
    };
    return parts(a) < parts(b);
}

// The record of one key: the 26 fields after the key itself.
std::string recordOf(Main& m, const Deck& deck, const Group& g, std::uint64_t seed, int samples) {
    Random rng{seed};
    SeedRandom(seed);
    std::vector<int> pilot;
    for (int i = 0; i < kPilotDeals; ++i) pilot.push_back(playLayout(m, dealTable(m, deck, g.draw(rng), rng), 0, kPilotBid));
    std::nth_element(pilot.begin(), pilot.begin() + kPilotDeals / 2, pilot.end());
    const int bid = std::clamp(pilot[kPilotDeals / 2], 6, 14);

    Accumulator acc;
    for (int i = 0; i < samples; ++i) {
        const Layout l = dealTable(m, deck, g.draw(rng), rng);
        const int own = playLayout(m, l, 0, bid);
        for (int b = 5; b <= 14; ++b) {
            acc.ea[static_cast<std::size_t>(b)] += resultFor(true, own, b);
            acc.made[static_cast<std::size_t>(b)] += own >= b ? 1 : 0;
        }
        acc.eauh[0] += resultFor(true, own, kSupportBid);
        for (int k = 1; k < 4; ++k) {
            const int theirs = playLayout(m, l, k, kSupportBid);
            const int ours = 14 - theirs;
            acc.eauh[static_cast<std::size_t>(k)] += k == 2 ? resultFor(true, theirs, kSupportBid) : resultFor(false, ours, kSupportBid);
        }
        ++acc.samples;
    }
    const double n = acc.samples;
    std::ostringstream out;
    out << fixed2(acc.ea[6] / n);
    for (int b = 6; b <= 14; ++b) out << ", " << fixed2(acc.ea[static_cast<std::size_t>(b)] / n);
    out << ", 0";
    for (int b = 6; b <= 14; ++b) out << ", " << fixed2(acc.made[static_cast<std::size_t>(b)] / n);
    out << ", 0";
    for (int k = 0; k < 4; ++k) out << ", " << fixed2(acc.eauh[static_cast<std::size_t>(k)] / n);
    return out.str();
}

std::vector<KeyJob> keysInFileOrder(std::map<std::string, std::map<std::string, Group>>& sections) {
    for (unsigned mask = 0; mask < (1u << 14); ++mask) {
        std::vector<int> ranks;
        for (int r = 1; r <= 14; ++r)
            if (mask & (1u << (r - 1))) ranks.push_back(r);
        if (ranks.size() > 9) continue;
        const BidPattern p = BuildBidPattern(ranks);
        Group& g = sections[p.marker][p.key];
        g.holdings.push_back(mask << 1);
        g.weights.push_back(choose(kOtherCards, 9 - static_cast<int>(ranks.size())));
    }
    std::vector<std::string> markers;
    for (const auto& [m, keys] : sections) markers.push_back(m);
    std::sort(markers.begin(), markers.end(), sectionBefore);
    std::vector<KeyJob> jobs;
    for (const std::string& marker : markers)
        for (const auto& [key, group] : sections[marker]) jobs.push_back({marker, key, &group});
    return jobs;
}

// Common keys get the full number of deals; rare ones, which few bids ever
// look up, fewer, down to a quarter (the deals go with the square root of
// the key's chance, reaching the full number at one colour in a thousand).
int samplesFor(const Group& g, int samples) {
    const double share = std::sqrt(g.chance() / 1e-3);
    return std::clamp(static_cast<int>(std::lround(samples * share)), std::max(1, samples / 4), samples);
}

std::string partFile(const Options& o, int job) { return o.output + ".part" + std::to_string(job); }

// One worker: every jobs-th key from its own index, one line per key.
int runWorker(int argc, char** argv, const Options& o, const std::vector<KeyJob>& keys, int job) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestTable t(o.seed);
    Main& m = t.m();
    const std::size_t slash = o.rules.find_last_of('/');
    m.gbInstallPath = slash == std::string::npos ? "./" : o.rules.substr(0, slash + 1);
    for (auto& h : m.Hand) h.myPlayAI = slash == std::string::npos ? o.rules : o.rules.substr(slash + 1);
    const Deck deck(m);
    std::ofstream out(partFile(o, job), std::ios::binary);
    for (std::size_t i = static_cast<std::size_t>(job); i < keys.size(); i += static_cast<std::size_t>(o.jobs)) {
        const std::uint64_t seed = o.seed * 1000003ULL + i;
        out << i << '\t' << recordOf(m, deck, *keys[i].group, seed, samplesFor(*keys[i].group, o.samples)) << '\n';
    }
    const int boxes = t.dialogs.CountOf("MsgBox");
    if (boxes > 0) std::cerr << "job " << job << ": " << boxes << " message boxes from the rule engine\n";
    return out ? 0 : 1;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* v = nullptr;
        if (a == "--rules" && (v = value())) o.rules = v;
        else if (a == "--seed" && (v = value())) o.seed = std::strtoull(v, nullptr, 10);
        else if (a == "--samples" && (v = value())) o.samples = std::atoi(v);
        else if (a == "--jobs" && (v = value())) o.jobs = std::atoi(v);
        else if (!a.empty() && a[0] != '-' && o.output.empty()) o.output = a;
        else return false;
    }
    if (o.rules.empty()) o.rules = ProgramFolder() + "LumraPlayRulesAI.TXT";
    return !o.output.empty() && o.samples > 0 && o.jobs > 0;
}
}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::cerr << "usage: generate_bid_table [--rules FILE] [--seed N] [--samples N] [--jobs N] <output file>\n";
        return 2;
    }
    if (!std::ifstream(o.rules)) {
        std::cerr << "cannot read the play rules " << o.rules << "\n";
        return 2;
    }
    std::map<std::string, std::map<std::string, Group>> sections;
    const std::vector<KeyJob> keys = keysInFileOrder(sections);

    long deals = 0;
    for (const KeyJob& k : keys) deals += kPilotDeals + samplesFor(*k.group, o.samples);
    std::cerr << keys.size() << " keys, " << deals << " deals (pilot deals once, the others four times), in " << o.jobs
              << " jobs\n";
    std::vector<pid_t> workers;
    for (int job = 0; job < o.jobs; ++job) {
        const pid_t pid = fork();
        if (pid == 0) _exit(runWorker(argc, argv, o, keys, job));
        if (pid < 0) {
            std::cerr << "cannot start a worker\n";
            return 1;
        }
        workers.push_back(pid);
    }
    bool ok = true;
    for (pid_t pid : workers) {
        int status = 0;
        waitpid(pid, &status, 0);
        ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    std::vector<std::string> records(keys.size());
    for (int job = 0; job < o.jobs; ++job) {
        std::ifstream in(partFile(o, job), std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            const std::size_t tab = line.find('\t');
            const std::size_t i = std::strtoul(line.c_str(), nullptr, 10);
            if (tab != std::string::npos && i < records.size()) records[i] = line.substr(tab + 1);
        }
        std::remove(partFile(o, job).c_str());
    }
    for (const std::string& r : records) ok = ok && !r.empty();
    if (!ok) {
        std::cerr << "a worker failed; nothing written\n";
        return 1;
    }
    std::ofstream out(o.output, std::ios::binary);
    out << "Bugala\r\n";
    std::string marker;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].marker != marker) {
            marker = keys[i].marker;
            out << marker << "\r\n";
        }
        out << keys[i].key << ", " << records[i] << "\r\n";
    }
    std::cerr << keys.size() << " records written to " << o.output << "\n";
    return keys.size() == 1322 ? 0 : 1;
}
