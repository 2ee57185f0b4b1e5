// Writes the bid table, LumraBidBase.txt: for every trump pattern the
// loader can form, what a seat holding it can expect from a deal.
//
// A program of its own, built apart from the game (it shares only the key
// builder, engines/BidTableKey.cpp). From the repository's top folder:
//   cmake -S tools/bidtable -B build-bidtable -G Ninja
//   ninja -C build-bidtable
//   build-bidtable/GenerateBidTable data/LumraBidBase.txt
// It takes about ten seconds and writes the same file every time; the
// tests of the shipped table (tests/engines/BidTableFileTest.cpp) check it.
//
// The model. Only the trump suit matters once the colour is named, so a deal
// is simulated on the 14 trump ranks (1 the 2 ... 14 the ace) and 38 cards
// that count for nothing. For each pattern key:
//   1. Every trump holding of 0..9 cards whose key is this one is a
//      candidate; one is drawn with the chance that a random 9-card hand
//      holds it (C(38, 9 - size) ways to fill the rest with other cards).
//   2. The other 43 cards are shuffled and dealt, 9 to each of the three
//      other seats and 16 to the pack. The dealer is any of the four seats,
//      each equally often.
//   3. Discard and buying as the game does it: the three non-dealers keep
//      their trumps (putting surplus trumps out of play, lowest first, when
//      they hold more than 6) and draw from the pack until they hold 6
//      cards, starting after the dealer; the dealer takes the rest of the
//      pack and keeps at most 6 trumps.
//   4. The deal is played out four times, once with each seat holding the
//      contract and leading the first trick, by a fixed greedy policy that
//      sees every hand (PlayPolicy below). Points: ace, ten, jack 1 each and
//      the two fives 5 each to the trick's winner, the 2's point to the side
//      that played it; 14 in all.
// The values written, with p = the points the seat's side took:
//   EA(b)   the mean of the deal result for the seat's side (its score
//           minus the other side's) when it holds the contract at bid b:
//           2p - 14 when p >= b, else -b - (14 - p). Range -28..14; never
//           rising with b. The bid-5 value repeats the bid-6 value.
//   P(b)    the share of deals in which p >= b (0..1), bids 6..14 in order.
//   EaUH(k) the mean result for the seat's side when the seat k places on
//           (1 next, 2 partner, 3 the seat before) holds a contract of 7 in
//           this colour; EaUH(0) is the seat's own EA(7).
// The two ignored fields are 0. A fixed seed and a generator of our own make
// the file the same on every machine.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "BidTableKey.h"

namespace {

constexpr int kSamplesPerKey = 800;
constexpr int kSupportBid = 7;
constexpr int kOtherCards = 38;

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

int pointsOf(int rank) {
    switch (rank) {
    case 14: case 11: case 10: case 1: return 1;
    case 5: case 4: return 5;
    default: return 0;
    }
}

bool droppable(int rank) { return rank == 2 || rank == 3 || (rank >= 6 && rank <= 9) || rank == 12 || rank == 13; }

// A seat's trumps, highest first.
using Trumps = std::vector<int>;

void keepSix(Trumps& t) {
    std::sort(t.begin(), t.end(), std::greater<int>());
    while (t.size() > 6) {
        auto low = std::find_if(t.rbegin(), t.rend(), droppable);
        if (low == t.rend()) break;
        t.erase(std::next(low).base());
    }
}

bool sameSide(int a, int b) { return (a & 1) == (b & 1); }

// The greedy policy. A seat knows every hand (a model, not a player):
// - leading: the top remaining trump when it holds it, else its lowest card;
// - partner winning and safe from the seats still to play: give it the best
//   point card (a five, then ten, jack, the 2), else play low;
// - an opponent winning: the lowest card that wins for sure, else, with
//   points in the trick, the lowest card that wins for now, else low.
// "Low" prefers cards that carry no points; the 2 scores for its side
// whoever wins, so it counts as low too.
struct PlayPolicy {
    std::array<Trumps, 4> hands;

    int highestAmong(const std::vector<int>& seats) const {
        int h = 0;
        for (int s : seats)
            for (int r : hands[static_cast<std::size_t>(s)]) h = std::max(h, r);
        return h;
    }
    static int lowCard(const Trumps& t) {
        int best = -1;
        for (int r : t) {
            const bool free = pointsOf(r) == 0 || r == 1;
            if (free && (best < 0 || r < best)) best = r;
        }
        return best >= 0 ? best : *std::min_element(t.begin(), t.end());
    }
    int choose(int seat, int winner, int winningRank, int trickPoints, const std::vector<int>& later) const {
        const Trumps& t = hands[static_cast<std::size_t>(seat)];
        std::vector<int> laterOpp;
        for (int s : later)
            if (!sameSide(s, seat)) laterOpp.push_back(s);
        const int oppTop = highestAmong(laterOpp);
        if (winner < 0) {
            std::vector<int> others;
            for (int s = 0; s < 4; ++s)
                if (s != seat) others.push_back(s);
            if (t.front() > highestAmong(others)) return t.front();
            return lowCard(t);
        }
        if (sameSide(winner, seat)) {
            if (winningRank > oppTop) {
                for (int want : {5, 4, 10, 11, 1})
                    if (std::find(t.begin(), t.end(), want) != t.end() && want > oppTop) return want;
                for (int want : {5, 4, 10, 11, 1})
                    if (std::find(t.begin(), t.end(), want) != t.end() && want < winningRank) return want;
            }
            return lowCard(t);
        }
        int sure = -1, beat = -1;
        for (int r : t) {
            if (r <= winningRank) continue;
            if (r > oppTop && (sure < 0 || r < sure)) sure = r;
            if (beat < 0 || r < beat) beat = r;
        }
        if (sure >= 0) return sure;
        if (beat >= 0 && (trickPoints > 0 || laterOpp.empty())) return beat;
        return lowCard(t);
    }
};

// Plays a deal out; the points of side 0 (seats 0 and 2).
int playDeal(std::array<Trumps, 4> hands, int leader) {
    PlayPolicy p{hands};
    int sidePoints[2] = {0, 0};
    for (;;) {
        std::vector<int> order;
        for (int i = 0; i < 4; ++i) {
            const int s = (leader + i) & 3;
            if (!p.hands[static_cast<std::size_t>(s)].empty()) order.push_back(s);
        }
        if (order.empty()) break;
        int winner = -1, winningRank = 0, trickPoints = 0;
        for (std::size_t i = 0; i < order.size(); ++i) {
            const int s = order[i];
            const std::vector<int> later(order.begin() + static_cast<std::ptrdiff_t>(i) + 1, order.end());
            const int card = p.choose(s, winner, winningRank, trickPoints, later);
            Trumps& t = p.hands[static_cast<std::size_t>(s)];
            t.erase(std::find(t.begin(), t.end(), card));
            if (card == 1)
                sidePoints[s & 1] += 1;
            else
                trickPoints += pointsOf(card);
            if (card > winningRank) {
                winningRank = card;
                winner = s;
            }
        }
        sidePoints[winner & 1] += trickPoints;
        leader = winner;
        while (p.hands[static_cast<std::size_t>(leader)].empty() && leader != ((winner + 3) & 3)) leader = (leader + 1) & 3;
    }
    return sidePoints[0];
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

// One sampled deal for a holding of seat 0.
void sampleDeal(unsigned holding, Random& rng, Accumulator& acc) {
    std::vector<int> rest;  // ranks 1..14 not held, 0 for a card that counts for nothing
    Trumps mine;
    for (int r = 1; r <= 14; ++r) {
        if (holding & (1u << r))
            mine.push_back(r);
        else
            rest.push_back(r);
    }
    const int othersInHand = 9 - static_cast<int>(mine.size());
    for (int i = 0; i < kOtherCards - othersInHand; ++i) rest.push_back(0);
    for (std::size_t i = rest.size() - 1; i > 0; --i)
        std::swap(rest[i], rest[static_cast<std::size_t>(rng.below(static_cast<int>(i) + 1))]);

    std::array<Trumps, 4> trumps;
    trumps[0] = mine;
    std::size_t next = 0;
    for (int s = 1; s < 4; ++s)
        for (int i = 0; i < 9; ++i, ++next)
            if (rest[next] > 0) trumps[static_cast<std::size_t>(s)].push_back(rest[next]);
    const std::vector<int> pack(rest.begin() + static_cast<std::ptrdiff_t>(next), rest.end());

    const int dealer = rng.below(4);
    std::size_t drawn = 0;
    for (int i = 1; i <= 3; ++i) {
        Trumps& t = trumps[static_cast<std::size_t>((dealer + i) & 3)];
        keepSix(t);
        std::size_t cards = t.size();
        while (cards < 6 && drawn < pack.size()) {
            if (pack[drawn] > 0) t.push_back(pack[drawn]);
            ++drawn;
            ++cards;
        }
    }
    Trumps& d = trumps[static_cast<std::size_t>(dealer)];
    for (; drawn < pack.size(); ++drawn)
        if (pack[drawn] > 0) d.push_back(pack[drawn]);
    for (Trumps& t : trumps) keepSix(t);

    std::array<int, 4> ourPoints;
    for (int holder = 0; holder < 4; ++holder) ourPoints[static_cast<std::size_t>(holder)] = playDeal(trumps, holder);
    for (int b = 5; b <= 14; ++b) {
        acc.ea[static_cast<std::size_t>(b)] += resultFor(true, ourPoints[0], b);
        acc.made[static_cast<std::size_t>(b)] += ourPoints[0] >= b ? 1 : 0;
    }
    acc.eauh[0] += resultFor(true, ourPoints[0], kSupportBid);
    acc.eauh[1] += resultFor(false, ourPoints[1], kSupportBid);
    acc.eauh[2] += resultFor(true, ourPoints[2], kSupportBid);
    acc.eauh[3] += resultFor(false, ourPoints[3], kSupportBid);
    ++acc.samples;
}

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
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: GenerateBidTable <output file>\n";
        return 2;
    }
    std::map<std::string, std::map<std::string, Group>> sections;
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

    Random rng{20240611};
    std::ofstream out(argv[1], std::ios::binary);
    out << "Bugala\r\n";
    int records = 0;
    for (const std::string& marker : markers) {
        out << marker << "\r\n";
        for (const auto& [key, group] : sections[marker]) {
            double total = 0;
            for (double w : group.weights) total += w;
            Accumulator acc;
            for (int i = 0; i < kSamplesPerKey; ++i) {
                double pick = rng.unit() * total;
                std::size_t h = 0;
                while (h + 1 < group.holdings.size() && pick >= group.weights[h]) pick -= group.weights[h++];
                sampleDeal(group.holdings[h], rng, acc);
            }
            const double n = acc.samples;
            out << key << ", " << fixed2(acc.ea[6] / n);
            for (int b = 6; b <= 14; ++b) out << ", " << fixed2(acc.ea[static_cast<std::size_t>(b)] / n);
            out << ", 0";
            for (int b = 6; b <= 14; ++b) out << ", " << fixed2(acc.made[static_cast<std::size_t>(b)] / n);
            out << ", 0";
            for (int k = 0; k < 4; ++k) out << ", " << fixed2(acc.eauh[static_cast<std::size_t>(k)] / n);
            out << "\r\n";
            ++records;
        }
    }
    std::cerr << records << " records in " << markers.size() << " sections\n";
    return records == 1322 ? 0 : 1;
}
