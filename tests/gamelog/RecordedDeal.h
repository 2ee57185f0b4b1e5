#pragma once
// One whole deal played at the table by the table driver, with every line
// the game log was handed and what the table held when trick play began.

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "DealDriver.h"
#include "Main.h"
#include "PlayState.h"
#include "TableDriver.h"
#include "TestTable.h"

inline std::set<int> TrumpNumbersOf(const KortHand& h, std::int32_t colour) {
    std::set<int> out;
    for (const Kort* k : h.colHand)
        if (IsTrump(*k, colour)) out.insert(k->Nr);
    return out;
}

inline std::set<int> CardNumbersOf(const KortHand& h) {
    std::set<int> out;
    for (const Kort* k : h.colHand) out.insert(k->Nr);
    return out;
}

struct RecordedDeal {
    std::vector<std::string> lines;
    std::string text() const {
        std::string out;
        for (const std::string& l : lines) out += l + "\n";
        return out;
    }
    std::int32_t colour = 0;
    std::int32_t bidder = 0, dealer = 0;
    short bid = 0;
    std::array<std::set<int>, 4> trumpsAtFirstTrick;  // each seat's trumps when trick play began
    std::array<short, 4> trumpsBeforeBuying{};
    std::set<int> outOfPlay;
    bool finished = false;
    int cardsPlayedAtFirstLook = -1;  // 0: the hands above are those before the first card
    short vi = 0, de = 0;  // the totals after the deal
};

// Plays the first deal of a game with the given seed to its end; the table
// stays as the deal left it.
inline RecordedDeal PlayAndRecordDeal(TestTable& t) {
    Main& m = t.m();
    RecordedDeal r;
    LogRecorder rec(m);
    m.Form_Load();
    TableDriver driver(m);
    constexpr std::int64_t kDealTime = 30 * 60 * 1000;
    if (!driver.runUntil([&] { return m.myGameStatus == 7; }, kDealTime)) return r;
    r.cardsPlayedAtFirstLook = CardsPlayedCount;
    r.colour = m.gbFarg;
    r.bidder = m.gbBjuditHogst;
    r.dealer = m.harPacko;
    r.bid = m.gbHogstaBudet;
    for (std::size_t s = 0; s < 4; ++s) r.trumpsAtFirstTrick[s] = TrumpNumbersOf(m.Hand[s], m.gbFarg);
    r.trumpsBeforeBuying = TrumpsBeforeBuying;
    r.outOfPlay = CardNumbersOf(m.KortKilled);
    r.finished = driver.runUntil([&] { return DealFinished(m); }, kDealTime);
    r.vi = m.gbVi;
    r.de = m.gbDe;
    r.lines = rec.lines;
    return r;
}
