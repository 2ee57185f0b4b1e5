#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <ostream>
#include <string>
#include <vector>

#include "PlayState.h"
#include "CardNames.h"
#include "TestTable.h"
#include "VbText.h"

namespace {
constexpr std::int32_t kTrump = farg::Klover;

// A dealt table with clubs as trumps, rigged through the deck's own
// recorded-order restore: each seat gets its named cards, filled up to nine
// with non-trumps; the pack starts with the named cards, then the given
// number of non-trumps, then whatever is left in card-number order.
struct BuyFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    std::vector<std::string> log;
    BuyFixture() {
        m.SetUpGame();
        m.gbFarg = kTrump;
        m.AddLogListener([this](const std::string& line) { log.push_back(line); });
    }
    // The lines from the given tag on, up to and including the line after "<END>".
    std::vector<std::string> section(const std::string& tag) const {
        auto it = std::find(log.begin(), log.end(), tag);
        if (it == log.end()) return {};
        auto end = std::find(it, log.end(), "<END>");
        if (end != log.end()) end += std::min<std::ptrdiff_t>(2, log.end() - end);
        return {it, end};
    }

    void rig(int dealer, const std::array<std::vector<std::string>, 4>& hands,
             const std::vector<std::string>& packTop = {}, int packNonTrumps = 0) {
        std::set<int> named;
        for (const auto& h : hands)
            for (const std::string& c : h) named.insert(CardNr(c));
        for (const std::string& c : packTop) named.insert(CardNr(c));
        std::vector<int> spare;  // unnamed non-trumps, lowest number first
        for (int n = 0; n < 52; ++n)
            if (!named.count(n) && !IsTrump(*m.Packe.CardByNr(n), kTrump)) spare.push_back(n);
        std::size_t next = 0;
        std::vector<int> order;
        std::array<int, 4> handSize{};
        for (int s = 0; s < 4; ++s) {
            for (const std::string& c : hands[s]) order.push_back(CardNr(c));
            for (std::size_t i = hands[s].size(); i < 9; ++i) order.push_back(spare.at(next++));
            handSize[s] = 9;
        }
        for (const std::string& c : packTop) order.push_back(CardNr(c));
        for (int i = 0; i < packNonTrumps; ++i) order.push_back(spare.at(next++));
        std::set<int> used(order.begin(), order.end());
        for (int n = 0; n < 52; ++n)
            if (!used.count(n)) order.push_back(n);
        ASSERT_EQ(order.size(), 52u);
        for (int i = 0; i < 52; ++i) m.Packe.TweakPacke(i + 1, StrNum(order[static_cast<std::size_t>(i)]));
        ASSERT_TRUE(m.Packe.SakaRestore());
        for (int s = 0; s < 4; ++s)
            for (int i = 0; i < handSize[s]; ++i) {
                Kort* k = m.Packe.GeKort();
                m.Hand[s].AddACardOSort(k, false);
            }
        m.attSaka = dealer;
        m.harPacko = dealer;
    }

    void discardAndBuy() {
        m.DiscardRound();
        m.PackBuyRound();
    }

    bool holds(int seat, const std::string& c) const { return m.Hand[seat].colHand.Contains(CardKey(CardNr(c))); }
    bool killed(const std::string& c) const { return m.KortKilled.colHand.Contains(CardKey(CardNr(c))); }

    // Every card is in exactly one place and none is the placeholder.
    void expectAllCardsOnce() {
        std::vector<int> seen;
        auto collect = [&seen](const KeyedList<Kort*>& cards) {
            for (const Kort* k : cards) seen.push_back(k->Nr);
        };
        collect(m.Packe.colPacke);
        for (int s = 0; s < 4; ++s) {
            collect(m.Hand[s].colHand);
            collect(m.Bord[s].colHand);
        }
        collect(m.KortKilled.colHand);
        std::sort(seen.begin(), seen.end());
        std::vector<int> all(52);
        for (int n = 0; n < 52; ++n) all[static_cast<std::size_t>(n)] = n;
        EXPECT_EQ(seen, all);
    }

    void expectReadyForPlay(const std::array<int, 4>& sizes) {
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(m.Hand[s].AntalKort(), sizes[s]) << "seat " << s;
            EXPECT_LE(m.Hand[s].AntalKortIFarg(kTrump), 6) << "seat " << s;
        }
        expectAllCardsOnce();
    }
};

struct NonDealerCase {
    const char* what;
    std::vector<std::string> trumps;   // seat 1's trumps; the rest of its nine are non-trumps
    std::vector<std::string> packTop;  // what it will draw
    std::vector<std::string> keeps;    // its hand after buying (as a set)
    std::vector<std::string> out;      // put out of play
    short seenAfter;
    std::vector<std::string> logged;  // its buying section
};

const NonDealerCase kNonDealers[] = {
    {"six trumps: draws nothing", {"3c", "4c", "6c", "Ac", "10c", "Jc"}, {}, {"3c", "4c", "6c", "Ac", "10c", "Jc"},
     {}, 6, {}},
    {"eight trumps: two go out", {"3c", "4c", "6c", "Ac", "10c", "Jc", "2c", "7c"}, {},
     {"6c", "Ac", "10c", "Jc", "2c", "7c"}, {"3c", "4c"}, 8, {"<VAST_KOPER>", "<END>", ""}},
    {"three trumps: draws three blind", {"Ac", "10c", "Jc"}, {"5c", "Kc", "Kh"},
     {"Ac", "10c", "Jc", "5c", "Kc", "Kh"}, {}, 3, {"<VAST_KOPER>", "V", "K", "<END>", ""}},
    {"no trump: six blind", {}, {"5s", "2c", "3c", "Ah", "Ad", "As"}, {"5s", "2c", "3c", "Ah", "Ad", "As"}, {}, 0,
     {"<VAST_KOPER>", "v", "2", "3", "<END>", ""}},
};

void PrintTo(const NonDealerCase& c, std::ostream* os) { *os << c.what; }

class NonDealerTable : public BuyFixture, public ::testing::WithParamInterface<NonDealerCase> {};
}  // namespace

TEST_P(NonDealerTable, DropsNonTrumpsThenBuysUpToSix) {
    const NonDealerCase& c = GetParam();
    // Dealer 0; seats 2 and 3 hold the other trumps so that seat 1 draws first.
    std::vector<std::string> others;
    for (const char* k : {"Ac", "2c", "3c", "4c", "5c", "6c", "7c", "8c", "9c", "10c", "Jc", "Qc", "Kc", "5s"}) {
        const std::string card = k;
        if (std::find(c.trumps.begin(), c.trumps.end(), card) == c.trumps.end() &&
            std::find(c.packTop.begin(), c.packTop.end(), card) == c.packTop.end())
            others.push_back(card);
    }
    std::array<std::vector<std::string>, 4> hands;
    hands[1] = c.trumps;
    for (std::size_t i = 0; i < others.size(); ++i) hands[i < 6 ? 2 : i < 12 ? 3 : 0].push_back(others[i]);
    rig(0, hands, c.packTop);

    m.DiscardRound();
    EXPECT_EQ(TrumpsBeforeBuying[1], static_cast<short>(c.trumps.size())) << c.what;
    EXPECT_EQ(TrumpsSeenBySelf[1], static_cast<float>(c.trumps.size())) << c.what;
    EXPECT_EQ(TrumpsSeenByOthers[1], static_cast<float>(c.trumps.size())) << c.what;
    EXPECT_EQ(m.Hand[1].AntalKort(), static_cast<short>(c.trumps.size())) << c.what;
    EXPECT_EQ(m.Bord[1].AntalKort(), static_cast<short>(9 - c.trumps.size())) << c.what;
    EXPECT_EQ(m.Hand[0].AntalKort(), 9) << "the dealer discards later";

    log.clear();
    m.FillHandToSix(1);
    EXPECT_EQ(log, c.logged) << c.what;
    std::vector<std::string> missing;
    for (const std::string& k : c.keeps)
        if (!holds(1, k)) missing.push_back(k);
    EXPECT_TRUE(missing.empty()) << c.what << ": missing " << (missing.empty() ? "" : missing[0]);
    EXPECT_EQ(m.Hand[1].AntalKort(), 6) << c.what;
    for (const std::string& k : c.out) EXPECT_TRUE(killed(k)) << c.what << " " << k;
    EXPECT_EQ(m.KortKilled.AntalKort(), static_cast<short>(c.out.size())) << c.what;
    EXPECT_EQ(TrumpsSeenBySelf[1], c.seenAfter) << c.what;
    EXPECT_EQ(TrumpsBeforeBuying[1], static_cast<short>(c.trumps.size())) << c.what;
    for (const std::string& k : c.packTop) EXPECT_TRUE(m.Packe.CardByNr(CardNr(k))->Kop) << "bought cards show raised";
    expectAllCardsOnce();
}

INSTANTIATE_TEST_SUITE_P(Seats, NonDealerTable, ::testing::ValuesIn(kNonDealers));

namespace {
struct ShortDealerCase {
    int dealer;
    bool raised;  // only the human dealer's pack cards show raised
};
void PrintTo(const ShortDealerCase& c, std::ostream* os) { *os << "dealer " << c.dealer; }
class ShortDealerTable : public BuyFixture, public ::testing::WithParamInterface<ShortDealerCase> {};
}  // namespace

TEST_P(ShortDealerTable, RefillsFromItsOwnDiscardsNeverFromThePack) {
    const int d = GetParam().dealer;
    std::array<std::vector<std::string>, 4> hands;
    hands[(d + 1) & 3] = {"Ac", "10c", "Jc", "2c", "3c", "4c"};  // six: buys nothing
    hands[(d + 2) & 3] = {"5c", "5s", "6c", "7c"};               // four: buys two
    hands[(d + 3) & 3] = {};                                     // none: buys six
    hands[d] = {"8c", "9c"};                                     // the pack brings Qc and Kc
    // Eight non-trumps on top of the pack go to the two buyers; the dealer
    // takes the other eight, two of them trumps.
    rig(d, hands, {}, 8);
    const std::vector<Kort*> stock(m.Packe.colPacke.begin(), m.Packe.colPacke.end());
    std::vector<Kort*> dealerNonTrumps;
    for (Kort* k : m.Hand[d].colHand)
        if (!IsTrump(*k, kTrump)) dealerNonTrumps.push_back(k);
    for (std::size_t i = 8; i < stock.size(); ++i)
        if (!IsTrump(*stock[i], kTrump)) dealerNonTrumps.push_back(stock[i]);

    discardAndBuy();

    for (const char* k : {"8c", "9c", "Qc", "Kc"}) EXPECT_TRUE(holds(d, k)) << k;
    EXPECT_EQ(m.Hand[d].AntalKortIFarg(kTrump), 4);
    EXPECT_EQ(TrumpsBeforeBuying[d], -1);
    EXPECT_EQ(TrumpsSeenByOthers[d], 0.0f);
    EXPECT_EQ(TrumpsSeenBySelf[d], 0.0f);
    // The two refills are the first two of its sorted discards.
    std::sort(dealerNonTrumps.begin(), dealerNonTrumps.end(),
              [](const Kort* a, const Kort* b) { return a->Sortering > b->Sortering; });
    ASSERT_EQ(dealerNonTrumps.size(), 13u);
    EXPECT_TRUE(m.Hand[d].colHand.Contains(CardKey(*dealerNonTrumps[0])));
    EXPECT_TRUE(m.Hand[d].colHand.Contains(CardKey(*dealerNonTrumps[1])));
    EXPECT_EQ(m.Bord[d].AntalKort(), 11);
    for (std::size_t i = 8; i < stock.size(); ++i) EXPECT_EQ(stock[i]->Kop, GetParam().raised) << i;
    EXPECT_EQ(m.Packe.KortIPacken(), 0);
    expectReadyForPlay({6, 6, 6, 6});
    const char* tags[] = {"<SYD_KOPER>", "<VAST_KOPER>", "<NORD_KOPER>", "<OST_KOPER>"};
    EXPECT_EQ(section(tags[d]), (std::vector<std::string>{tags[d], "Q", "K", "<END>", ""}));
    EXPECT_TRUE(section(tags[(d + 1) & 3]).empty()) << "six trumps buy nothing and log nothing";
}

INSTANTIATE_TEST_SUITE_P(Dealers, ShortDealerTable,
                         ::testing::Values(ShortDealerCase{0, true}, ShortDealerCase{2, false}));

TEST_F(BuyFixture, ADealerWithNineTrumpsKeepsSixAndPutsTheLowestOut) {
    // Dealer 1. Seat 2 holds five trumps and buys one; seats 3 and 0 buy six
    // each; the dealer takes the last three cards, the 7 and 8 among them.
    std::array<std::vector<std::string>, 4> hands;
    hands[1] = {"Ac", "10c", "Jc", "2c", "3c", "4c", "6c"};
    hands[2] = {"5c", "5s", "9c", "Qc", "Kc"};
    rig(1, hands, {}, 13);
    discardAndBuy();

    for (const char* k : {"Ac", "10c", "Jc", "2c", "7c", "8c"}) EXPECT_TRUE(holds(1, k)) << k;
    for (const char* k : {"3c", "4c", "6c"}) EXPECT_TRUE(killed(k)) << k;
    EXPECT_EQ(m.KortKilled.AntalKort(), 3);
    EXPECT_EQ(TrumpsBeforeBuying[1], 9);
    EXPECT_EQ(TrumpsSeenBySelf[1], 9.0f);
    EXPECT_EQ(TrumpsSeenByOthers[1], 9.0f);
    for (int r : {2, 3, 6}) EXPECT_EQ(PlayCardFlags[r], -1) << r;
    EXPECT_TRUE(m.LblKilledCards.Visible);
    expectReadyForPlay({6, 6, 6, 6});
}

TEST_F(BuyFixture, AnEmptyPackLeavesTheLastBuyerShortAndNoPlaceholderInAHand) {
    // Dealer 0 holds nine trumps; the three others hold none and ask for 18
    // of the 16 cards.
    std::array<std::vector<std::string>, 4> hands;
    hands[0] = {"Ac", "10c", "Jc", "2c", "3c", "4c", "6c", "7c", "8c"};
    hands[1] = {"Ah", "Kh", "Qh", "Jh", "10h", "9h", "8h", "7h", "6h"};
    hands[2] = {"Ad", "Kd", "Qd", "Jd", "10d", "9d", "8d", "7d", "6d"};
    hands[3] = {"As", "Ks", "Qs", "Js", "10s", "9s", "8s", "7s", "6s"};
    rig(0, hands);
    discardAndBuy();

    EXPECT_EQ(m.Packe.KortIPacken(), 0);
    expectReadyForPlay({6, 6, 6, 4});
    for (int s = 0; s < 4; ++s)
        for (const Kort* k : m.Hand[s].colHand) EXPECT_GE(k->Nr, 0);
    // The dealer took nothing from the pack, so only its own surplus went
    // and it has no buying section; the short buyer's section still closes.
    EXPECT_EQ(m.KortKilled.AntalKort(), 3);
    EXPECT_TRUE(section("<SYD_KOPER>").empty());
    const std::vector<std::string> ost = section("<OST_KOPER>");
    ASSERT_EQ(ost.size(), 3u + static_cast<std::size_t>(m.Hand[3].AntalKortIFarg(kTrump)));
    EXPECT_EQ(ost[ost.size() - 2], "<END>");
    EXPECT_EQ(TrumpsBeforeBuying[0], 9);
}

TEST_F(BuyFixture, TheHumansBoughtCardsAreSortedAComputersAppended) {
    // Dealer 3; seats 0 and 1 buy; seat 2 holds six trumps.
    std::array<std::vector<std::string>, 4> hands;
    hands[0] = {"2c"};
    hands[1] = {"3c"};
    hands[2] = {"Ac", "10c", "Jc", "4c", "6c", "7c"};
    rig(3, hands, {"Kh", "Ad", "5c", "Ah", "Kd", "5s", "Qh", "Qd", "Kc", "As"});
    discardAndBuy();
    std::vector<std::int16_t> keys;
    for (const Kort* k : m.Hand[0].colHand) keys.push_back(k->Sortering);
    EXPECT_TRUE(std::is_sorted(keys.rbegin(), keys.rend())) << "human hand in display order";
    // Seat 1 drew the five cards after seat 0's five, appended as drawn.
    ASSERT_EQ(m.Hand[1].AntalKort(), 6);
    const char* drawn[] = {"3c", "5s", "Qh", "Qd", "Kc", "As"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m.Hand[1].colHand.Item(i + 1)->Nr, CardNr(drawn[i])) << i;
    expectAllCardsOnce();
}
