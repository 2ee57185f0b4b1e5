#include <gtest/gtest.h>

#include "KortHand.h"
#include "NumberedError.h"
#include "Packe.h"

namespace {
struct HandFixture : ::testing::Test {
    Packe deck;
    KortHand hand;
    Kort* card(int nr) { return deck.CardByNr(nr); }
    void add(int nr) {
        Kort* k = card(nr);
        hand.AddACard(k, false);
    }
    std::vector<int> order() const {
        std::vector<int> v;
        for (const Kort* k : hand.colHand) v.push_back(k->Nr);
        return v;
    }
};
using V = std::vector<int>;
constexpr int AceClubs = 0, FiveSpades = 19, AceHearts = 2, KingHearts = 50, AceDiamonds = 1, FiveClubs = 16,
              FiveDiamonds = 17;
}  // namespace

TEST_F(HandFixture, SortedInsertStopsAtTheFirstSmallerKey) {
    add(AceClubs);
    add(FiveSpades);
    add(AceHearts);
    add(KingHearts);
    EXPECT_EQ(order(), (V{AceClubs, FiveSpades, AceHearts, KingHearts}));
    add(AceDiamonds);
    EXPECT_EQ(order().back(), AceDiamonds);
    add(FiveClubs);
    EXPECT_EQ(order()[1], FiveClubs);
}

TEST_F(HandFixture, DealingThenSortingMatchesSortedInserts) {
    for (int nr : {AceHearts, AceClubs, FiveSpades}) {
        Kort* k = card(nr);
        hand.AddACardOSort(k, false);
    }
    EXPECT_EQ(order(), (V{AceHearts, AceClubs, FiveSpades}));
    hand.SortHand();
    EXPECT_EQ(order(), (V{AceClubs, FiveSpades, AceHearts}));
}

TEST_F(HandFixture, TheSameCardTwiceIsRefused) {
    add(AceClubs);
    Kort* again = card(AceClubs);
    try {
        hand.AddACard(again, false);
        FAIL() << "no error";
    } catch (const NumberedError& e) {
        EXPECT_EQ(e.Number(), 0x800403E9u);
        EXPECT_EQ(e.Source(), "KortHand");
        EXPECT_EQ(e.Description(), "Card already available");
    }
    EXPECT_EQ(hand.AntalKort(), 1);
}

TEST_F(HandFixture, ThePlaceholderIsRefusedWithoutAnError) {
    Kort* none = deck.GeKort();  // the stock is empty
    EXPECT_FALSE(hand.AddACard(none, false));
    EXPECT_EQ(none, nullptr);
    Kort* none2 = deck.GeKort();
    EXPECT_FALSE(hand.AddACardOSort(none2, true));
    EXPECT_EQ(none2, nullptr);
    EXPECT_EQ(hand.AntalKort(), 0);
}

TEST_F(HandFixture, FivesBelongToBothSuitsOfTheirColour) {
    add(FiveDiamonds);
    EXPECT_EQ(hand.AntalKortIFarg(4), 1);
    EXPECT_EQ(hand.AntalKortIFarg(2), 1);
    EXPECT_FALSE(hand.HandEmpty(4));
    EXPECT_TRUE(hand.HandEmpty(8));
}

TEST_F(HandFixture, TomHandEmptiesOnlyAHandWithoutTrumps) {
    KortHand pile;
    hand.SetBordHand(&pile);
    EXPECT_TRUE(hand.TomHand(4));
    EXPECT_TRUE(hand.Tom);
    EXPECT_EQ(pile.RepaintCount, 0);
    EXPECT_EQ(hand.RepaintCount, 0);

    hand.Tom = false;
    add(AceHearts);
    add(AceClubs);
    EXPECT_FALSE(hand.TomHand(4));
    EXPECT_FALSE(hand.Tom);
    EXPECT_EQ(hand.AntalKort(), 2);

    EXPECT_TRUE(hand.TomHand(8));
    EXPECT_EQ(hand.AntalKort(), 0);
    EXPECT_EQ(pile.RepaintCount, 1);
}

TEST_F(HandFixture, RaisingRepaintsOnlyWhenACardMatched) {
    add(AceHearts);
    const int before = hand.RepaintCount;
    hand.StickOutAllCardsOfFarg(8);
    EXPECT_EQ(hand.RepaintCount, before);
    hand.StickOutAllCardsOfFarg(4);
    EXPECT_EQ(hand.RepaintCount, before + 1);
    EXPECT_TRUE(card(AceHearts)->Kop);
    hand.SattInKortIHanden();
    EXPECT_FALSE(card(AceHearts)->Kop);
    hand.StickOutAllCardsOfRang(14);
    EXPECT_TRUE(card(AceHearts)->Kop);
    hand.TomKoptaKort();
    EXPECT_FALSE(card(AceHearts)->Kop);
    hand.StickOut(5);  // outside: nothing raised
    EXPECT_FALSE(card(AceHearts)->Kop);
    hand.StickOut(1);
    EXPECT_TRUE(card(AceHearts)->Kop);
}

TEST_F(HandFixture, TakeACardByKeyOrPosition) {
    add(AceClubs);
    add(AceHearts);
    EXPECT_EQ(hand.TakeACard(" 2")->Nr, AceHearts);
    EXPECT_EQ(hand.TakeACard(1)->Nr, AceClubs);
    EXPECT_THROW(hand.TakeACard(1), KeyedListError);
    EXPECT_THROW(hand.TakeACard(" 9"), KeyedListError);
}

TEST_F(HandFixture, PlayerTypeSetsTheFaceDownFlag) {
    hand.SetHandSpelarTyp(0);
    EXPECT_EQ(hand.VisaHanden, 1);
    hand.SetHandSpelarTyp(1);
    EXPECT_EQ(hand.VisaHanden, 0);
}

TEST_F(HandFixture, CardListAndCardState) {
    EXPECT_EQ(hand.GetCardList(), std::vector<std::string>{"No Cards"});
    add(AceClubs);
    EXPECT_EQ(hand.GetCardList(), (std::vector<std::string>{"1", " 0"}));
    EXPECT_TRUE(hand.SetCardState(" 0", 2));
    EXPECT_EQ(card(AceClubs)->DrawStyle, 2);
    EXPECT_THROW(hand.SetCardState(" 5", 1), NumberedError);
}
