#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "NumberedError.h"
#include "Packe.h"
#include "Rng.h"

namespace {
struct PinnedRandom {
    PinnedRandom() { SetRandomSeedForTests(1234); }
    ~PinnedRandom() { ClearRandomTestSettings(); }
};
Kort* byNr(Packe& p, int nr) { return p.CardByNr(nr); }
}  // namespace

TEST(Packe, CreatesTheFiftyTwoCardsInCreationOrder) {
    Packe p;
    EXPECT_EQ(p.KortIPacken(), 0);
    ASSERT_EQ(p.Pool().Count(), 52);
    // clubs ace..king, then diamonds, hearts, spades
    EXPECT_EQ(p.Pool().Item(1)->Nr, 0);
    EXPECT_EQ(p.Pool().Item(2)->Nr, 4);
    EXPECT_EQ(p.Pool().Item(14)->Nr, 1);
    EXPECT_EQ(p.Pool().KeyAt(1), " 0");
    std::set<int> keys;
    for (const Kort* k : p.Pool()) keys.insert(k->Sortering);
    EXPECT_EQ(keys.size(), 52u);
}

TEST(Packe, CardRecords) {
    Packe p;
    const struct {
        int nr;
        const char* typ;
        int farg, rang, poang, slang, sortering;
    } cases[] = {
        {0, "A", 1, 14, 1, 0, 114},   {51, "K", 8, 13, 0, 1, 77},   {16, "5", 9, 5, 5, 0, 95},
        {17, "5", 6, 5, 5, 0, 32},    {18, "5", 6, 5, 5, 0, 58},    {19, "5", 9, 5, 5, 0, 92},
        {4, "2", 1, 1, 0, 0, 101},    {9, "3", 2, 2, 0, 8, 28},     {14, "4", 4, 3, 0, 7, 63},
        {38, "10", 4, 10, 1, 0, 70},  {43, "J", 8, 11, 1, 0, 79},   {45, "Q", 2, 12, 0, 2, 18},
        {23, "6", 8, 6, 0, 6, 84},    {34, "9", 4, 9, 0, 3, 69},
    };
    for (const auto& c : cases) {
        const Kort* k = byNr(p, c.nr);
        EXPECT_EQ(k->Typ, c.typ) << c.nr;
        EXPECT_EQ(k->farg, c.farg) << c.nr;
        EXPECT_EQ(k->Rang, c.rang) << c.nr;
        EXPECT_EQ(k->Poang, c.poang) << c.nr;
        EXPECT_EQ(k->SlangOrder, c.slang) << c.nr;
        EXPECT_EQ(k->Sortering, c.sortering) << c.nr;
        EXPECT_EQ(k->DrawStyle, 0);
        EXPECT_FALSE(k->Kop);
    }
}

TEST(Packe, ValjFargRanksTheFivesForEachColour) {
    Packe p;
    // numbers 16..19: fives of clubs, diamonds, hearts, spades
    const struct {
        int colour;
        int ranks[4];
    } cases[] = {{1, {5, 4, 4, 4}}, {2, {4, 5, 4, 4}}, {4, {4, 4, 5, 4}}, {8, {4, 4, 4, 5}}};
    for (const auto& c : cases) {
        p.ValjFarg(c.colour);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(byNr(p, 16 + i)->Rang, c.ranks[i]) << c.colour << " " << i;
    }
}

TEST(Packe, ShuffleMovesEveryCardOnceAndRecordsTheOrder) {
    PinnedRandom pin;
    Packe p;
    p.CardByNr(7)->Kop = true;
    p.Saka();
    ASSERT_EQ(p.KortIPacken(), 52);
    EXPECT_EQ(p.Pool().Count(), 0);
    std::set<int> seen;
    for (int i = 1; i <= 52; ++i) {
        EXPECT_EQ(p.RecordedSlot(i), p.colPacke.KeyAt(i));
        EXPECT_FALSE(p.colPacke.Item(i)->Kop);
        seen.insert(p.colPacke.Item(i)->Nr);
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(Packe, ShuffleStaysAPermutationWhenDrawsSitAtTheEdges) {
    for (float edge : {0.0f, 0.99999994f}) {
        SetRandomSource([edge] { return edge; });
        Packe p;
        p.Saka();
        EXPECT_EQ(p.KortIPacken(), 52);
        EXPECT_EQ(p.Pool().Count(), 0);
        ClearRandomTestSettings();
    }
}

TEST(Packe, DealingMovesTopCardsToThePoolAndThenGivesThePlaceholder) {
    PinnedRandom pin;
    Packe p;
    p.Saka();
    const int top = p.colPacke.Item(1)->Nr;
    Kort* k = p.GeKort();
    EXPECT_EQ(k->Nr, top);
    EXPECT_EQ(p.KortIPacken(), 51);
    EXPECT_EQ(p.Pool().Count(), 1);
    p.TomPacke();
    EXPECT_EQ(p.KortIPacken(), 0);
    EXPECT_EQ(p.Pool().Count(), 52);
    for (int i = 0; i < 2; ++i) {
        Kort* none = p.GeKort();
        EXPECT_EQ(none->Nr, -1);
        EXPECT_EQ(none->Typ, "");
        none->Kop = true;  // callers may mark it; the next one is fresh
    }
    EXPECT_FALSE(p.GeKort()->Kop);
    EXPECT_EQ(p.Pool().Count(), 52);
}

TEST(Packe, GeSpeciellKortFindsTheLoggedCards) {
    Packe p;
    p.ValjFarg(4);  // hearts
    std::string face = "V";
    Kort* k = p.GeSpeciellKort(face, 4);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Nr, 18);
    EXPECT_EQ(face, "5");
    face = "v";
    ASSERT_NE(p.GeSpeciellKort(face, 4), nullptr);
    face = "v";
    EXPECT_EQ(p.GeSpeciellKort(face, 4)->Nr, 17);
    face = "5";
    EXPECT_EQ(p.GeSpeciellKort(face, 4), nullptr);
    face = "K";
    EXPECT_EQ(p.GeSpeciellKort(face, 2)->Nr, 49);
    face = "Z";
    EXPECT_EQ(p.GeSpeciellKort(face, 2), nullptr);
    face = "K";
    EXPECT_EQ(p.GeSpeciellKort(face, 0), nullptr);
}

// A reload writes the slots from a log file; the shuffle records them with
// the leading blank of the card's key (" 16"). Either way the stock comes
// back in the recorded order.
TEST(Packe, RestoreRebuildsTheRecordedOrderWithOrWithoutTheBlank) {
    struct Case {
        const char* what;
        std::string (*slot)(int nr);  // nullptr: the slots as the shuffle left them
    };
    const Case cases[] = {
        {"as the shuffle recorded them", nullptr},
        {"without the blank", [](int nr) { return std::to_string(nr); }},
        {"with the blank", [](int nr) { return " " + std::to_string(nr); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PinnedRandom pin;
        Packe p;
        p.Saka();
        std::vector<int> order;
        for (int i = 1; i <= 52; ++i) order.push_back(p.colPacke.Item(i)->Nr);
        if (c.slot) {
            for (int i = 1; i <= 52; ++i) p.TweakPacke(i, c.slot(order[static_cast<std::size_t>(i - 1)]));
        } else {
            ASSERT_EQ(p.RecordedSlot(1), " " + std::to_string(order[0]));
        }
        p.TomPacke();
        ASSERT_TRUE(p.SakaRestore());
        ASSERT_EQ(p.KortIPacken(), 52);
        EXPECT_EQ(p.Pool().Count(), 0);
        for (int i = 1; i <= 52; ++i) EXPECT_EQ(p.colPacke.Item(i)->Nr, order[static_cast<std::size_t>(i - 1)]);
    }
}

TEST(Packe, RestoreRefusesABadOrderAndLeavesTheDeckWhole) {
    const struct {
        int slot;
        const char* text;
    } bad[] = {{5, "52"}, {5, "-1"}, {5, "abc"}, {5, ""}, {9, "DUP"}};
    for (const auto& b : bad) {
        Packe p;
        for (int i = 1; i <= 52; ++i) p.TweakPacke(i, std::to_string(i - 1));
        p.TweakPacke(b.slot, std::string(b.text) == "DUP" ? "3" : b.text);
        EXPECT_FALSE(p.SakaRestore()) << b.text;
        EXPECT_EQ(p.KortIPacken(), 0);
        EXPECT_EQ(p.Pool().Count(), 52);
    }
    Packe dealt;
    for (int i = 1; i <= 52; ++i) dealt.TweakPacke(i, std::to_string(i - 1));
    dealt.Saka();
    EXPECT_FALSE(dealt.SakaRestore());  // the stock must be empty first
    EXPECT_EQ(dealt.KortIPacken(), 52);
}

TEST(Packe, TweakPackeIgnoresSlotsOutsideTheRecord) {
    Packe p;
    EXPECT_FALSE(p.TweakPacke(53, "1"));
    EXPECT_FALSE(p.TweakPacke(-1, "1"));
    EXPECT_TRUE(p.TweakPacke(0, "x"));
}

TEST(Packe, EveryFaceHasTheSameValuesInEverySuit) {
    Packe p;
    const struct {
        const char* typ;
        int rang, poang, slang;
    } faces[13] = {{"A", 14, 1, 0}, {"2", 1, 0, 0},  {"3", 2, 0, 8},   {"4", 3, 0, 7},  {"5", 5, 5, 0},
                   {"6", 6, 0, 6},  {"7", 7, 0, 5},  {"8", 8, 0, 4},   {"9", 9, 0, 3},  {"10", 10, 1, 0},
                   {"J", 11, 1, 0}, {"Q", 12, 0, 2}, {"K", 13, 0, 1}};
    for (int face = 0; face < 13; ++face)
        for (int suit = 0; suit < 4; ++suit) {
            const Kort* k = byNr(p, face * 4 + suit);
            const auto& f = faces[face];
            EXPECT_EQ(k->Typ, f.typ) << k->Nr;
            EXPECT_EQ(k->Rang, f.rang) << k->Nr;
            EXPECT_EQ(k->Poang, f.poang) << k->Nr;
            EXPECT_EQ(k->SlangOrder, f.slang) << k->Nr;
            EXPECT_EQ(k->farg, face == 4 ? (suit == 0 || suit == 3 ? 9 : 6) : 1 << suit) << k->Nr;
        }
}

TEST(Packe, DescendingSortKeysGiveTheHandOrderPlayersSee) {
    // Clubs ace down to 2, the black fives, spades 2 up to ace, hearts ace
    // down to 2, the red fives, diamonds 2 up to ace.
    const std::vector<std::string> downFromAce = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "4", "3", "2"};
    const std::vector<std::string> upFromTwo(downFromAce.rbegin(), downFromAce.rend());
    std::vector<std::pair<std::string, int>> expected;  // face, colour bits
    for (const auto& f : downFromAce) expected.emplace_back(f, 1);
    expected.emplace_back("5", 9);
    expected.emplace_back("5", 9);
    for (const auto& f : upFromTwo) expected.emplace_back(f, 8);
    for (const auto& f : downFromAce) expected.emplace_back(f, 4);
    expected.emplace_back("5", 6);
    expected.emplace_back("5", 6);
    for (const auto& f : upFromTwo) expected.emplace_back(f, 2);

    Packe p;
    std::vector<const Kort*> cards(p.Pool().begin(), p.Pool().end());
    std::sort(cards.begin(), cards.end(), [](const Kort* a, const Kort* b) { return a->Sortering > b->Sortering; });
    ASSERT_EQ(cards.size(), expected.size());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        EXPECT_EQ(cards[i]->Typ, expected[i].first) << i;
        EXPECT_EQ(cards[i]->farg, expected[i].second) << i;
    }
    EXPECT_EQ(cards[12]->Nr, 16);  // five of clubs before the five of spades
    EXPECT_EQ(cards[38]->Nr, 18);  // five of hearts before the five of diamonds
}

TEST(Packe, DealingKeepsEveryCardInExactlyOneOfStockAndPool) {
    PinnedRandom pin;
    Packe p;
    p.Saka();
    for (int dealt = 0; dealt <= 52; ++dealt) {
        std::set<int> stock, pool;
        for (const Kort* k : p.colPacke) stock.insert(k->Nr);
        for (const Kort* k : p.Pool()) pool.insert(k->Nr);
        ASSERT_EQ(stock.size() + pool.size(), 52u) << dealt;
        for (int nr : stock) ASSERT_EQ(pool.count(nr), 0u) << dealt;
        p.GeKort();
    }
}
