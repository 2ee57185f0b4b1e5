#include "BuiltinFacts.h"

#include <algorithm>

#include "EngineBridge.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleConditions.h"
#include "RuleEngineState.h"
#include "VbText.h"

namespace {

std::int32_t self() { return CurrentSeat & 3; }
std::int32_t left() { return LeftOf(self()); }
std::int32_t partner() { return PartnerOf(self()); }
std::int32_t right() { return RightOf(self()); }

short roundSingle(double v) { return ClampToInt16(RoundHalfEven(v)); }

bool playedOrHeld(short rank) { return PlayCardFlags[rank] == -1 || InMyHand(rank); }

bool anyInTrick(short a, short b) {
    return std::any_of(RoundDataRang.begin(), RoundDataRang.end(), [&](short r) { return r == a || r == b; });
}

std::string cardOf(std::int32_t seat) { return RankNameOf(RoundDataRang[seat & 3]); }

std::string previousOf(std::int32_t seat) {
    if (TrickCount < 2 || TrickCount > 7) return "";
    return RankNameOf(TrickRangHistory[seat & 3][TrickCount - 1]);
}

std::string previousSummary(const std::array<std::string, 7>& summary) {
    if (TrickCount < 2 || TrickCount > 7) return "";
    return summary[TrickCount - 1];
}

// The points of the 10s, jacks and fives among the named cards.
short pointCards(const std::string& a, const std::string& b, const std::string& c) {
    short g = 0;
    for (const std::string* card : {&a, &b, &c}) {
        if (*card == "J" || *card == "10") g += 1;
        if (*card == "V" || *card == "v") g += 5;
    }
    return g;
}

bool isAceOrTwo(const std::string& card) { return card == "A" || card == "2"; }

}  // namespace

short MaxInt(short a, short b) { return b < a ? a : b; }

std::int32_t SeatOfWord(const std::string& word) {
    if (word == "LEFT") return left();
    if (word == "PARTNER") return partner();
    if (word == "RIGHT") return right();
    return self();
}

bool SeatIsCold(std::int32_t seat) {
    seat &= 3;
    if (SeatOutFlags[seat] == -1) return true;
    return CardsLoose() == 0 && TrickCount > TrumpsSeenByOthers[seat] && RankNameOf(RoundDataRang[seat]).empty();
}

short CardsLoose() {
    const std::int32_t s = self();
    short c = roundSingle(14.0 - TrumpsSeenBySelf[s]);
    for (std::int32_t i = 0; i < 4; ++i)
        if (i != s) c = roundSingle(c - static_cast<double>(TrumpsSeenByOthers[i]));
    return c;
}

short CardsUnknown() {
    const std::int32_t s = self();
    short u = 0;
    for (std::int32_t i = 0; i < 4; ++i) {
        if (i == s || SeatIsCold(i)) continue;
        u = static_cast<short>(u + std::max<short>(0, roundSingle(6.0 - TrumpsSeenByOthers[i])));
    }
    return u;
}

float CardsExpected(std::int32_t seat) {
    seat &= 3;
    const double k = seat == self() ? TrumpsSeenBySelf[seat] : TrumpsSeenByOthers[seat];
    const short u = SeatIsCold(seat) ? 0 : CardsUnknown();
    if (u == 0) return static_cast<float>(k);
    return static_cast<float>(k + (6.0 - k) * CardsLoose() / u);
}

float CardsExpectedPartner() { return CardsExpected(partner()); }
float CardsExpectedLeft() { return CardsExpected(left()); }
float CardsExpectedRight() { return CardsExpected(right()); }
float CardsExpectedUs() { return TrumpsSeenBySelf[self()] + CardsExpectedPartner(); }
float CardsExpectedThem() { return CardsExpectedRight() + CardsExpectedLeft(); }
float CardsExpectedThemMax() {
    const float r = CardsExpectedRight(), l = CardsExpectedLeft();
    return r > l ? r : l;
}

bool EvenDistribution() {
    auto value = [](const char* word, float expected) {
        return Cold(word) ? TrumpsSeenByOthers[SeatOfWord(word)] : expected;
    };
    return value("LEFT", CardsExpectedLeft()) < 5.0f && value("RIGHT", CardsExpectedRight()) < 5.0f &&
           value("PARTNER", CardsExpectedPartner()) < 5.0f;
}

short CardsInitiallyInMyHand() { return roundSingle(TrumpsSeenBySelf[self()]); }
short CardsBeforeBuyingPartner() { return TrumpsBeforeBuying[partner()]; }
short CardsBeforeBuyingLeft() { return TrumpsBeforeBuying[left()]; }
short CardsBeforeBuyingRight() { return TrumpsBeforeBuying[right()]; }
short CardsBeforeBuyingThemMax() { return MaxInt(CardsBeforeBuyingRight(), CardsBeforeBuyingLeft()); }

namespace {
bool themBeforeBuyingAtLeast(short n) { return CardsBeforeBuyingRight() >= n || CardsBeforeBuyingLeft() >= n; }
bool themExpectedAbove(float n) { return CardsExpectedRight() > n || CardsExpectedLeft() > n; }
bool notSafe(short n) {
    const short loose = CardsLoose();
    return CardsBeforeBuyingLeft() + loose >= n || CardsBeforeBuyingRight() + loose >= n;
}
}  // namespace

bool NotColdFourthTurnThem() { return themBeforeBuyingAtLeast(4); }
bool NotColdFifthTurnThem() { return themBeforeBuyingAtLeast(5); }
bool NotColdSixthTurnThem() { return themBeforeBuyingAtLeast(6); }
bool NotColdFifthTurnThemExpected() { return themExpectedAbove(4.0f); }
bool NotColdSixthTurnThemExpected() { return themExpectedAbove(5.0f); }
bool NotSafeFifthTurn() { return notSafe(5); }
bool SafeFifthTurn() { return !notSafe(5); }
bool NotSafeSixthTurn() { return notSafe(6); }
bool SafeSixthTurn() { return !notSafe(6); }

bool Cold(const std::string& seatWord) { return SeatIsCold(SeatOfWord(seatWord)); }
bool NotCold(const std::string& seatWord) { return !Cold(seatWord); }

bool Last() {
    const std::string pos = PositionInRound();
    if (pos == "FOURTH") return true;
    if (pos == "THIRD") return Cold("LEFT");
    if (pos == "SECOND") return Cold("PARTNER") && Cold("LEFT");
    return false;
}

bool WithoutLumra(const std::string& seatWord) { return WithoutLumraFlags[SeatOfWord(seatWord)] == -1; }

short Round() { return TrickCount; }

std::string PositionInRound() {
    const std::int32_t leader = TrickLeader & 3;
    if (leader == self()) return "FIRST";
    if (leader == left()) return "FOURTH";
    if (leader == partner()) return "THIRD";
    return "SECOND";
}

std::string RoleInRound() {
    const std::int32_t t = TrickLeader & 3;
    auto out = [](std::int32_t seat) { return SeatOutFlags[seat & 3] == -1; };
    std::int32_t m = t;
    if (out(t)) m = t + 1;
    if (out(t + 1) && out(t)) m = t + 2;
    if (out(t) && out(t + 1) && out(t + 2)) m = t + 3;
    m &= 3;
    if (m == self()) return "LEAD";
    if (m == left()) return "B_BLOCK";
    if (m == partner()) return "RESPONSE";
    return "A_BLOCK";
}

short CardsRemaining() {
    short n = 0;
    for (short r = 14; r >= 1; --r)
        if (PlayCardFlags[r] == 0) ++n;
    return n;
}

short CardsRemainingOther() {
    short n = 0;
    for (short r = 14; r >= 1; --r)
        if (PlayCardFlags[r] == 0 && !InMyHand(r)) ++n;
    return n;
}

short GetPointsLeft() { return ContestedPointsLeft; }

short TakeablePoints() {
    int p = ContestedPointsLeft;
    for (int i = 1; i <= 6; ++i) {
        if (HandRanks[i] == 10 || HandRanks[i] == 11) p -= 1;
        if (HandRanks[i] == 5 || HandRanks[i] == 4) p -= 5;
    }
    return ClampToInt16(p);
}

short TakeablePointsInRound() {
    short p = 0;
    for (short r : RoundDataRang) {
        if (r == 4 || r == 5) p += 5;
        if (r == 10 || r == 11) p += 1;
    }
    return p;
}

bool UnplayedLumra() { return !(playedOrHeld(5) && playedOrHeld(4)); }
bool UnplayedTenJ() { return !(playedOrHeld(10) && playedOrHeld(11)); }
bool UnplayedLow() {
    int n = 0;
    for (short r = 1; r <= 3; ++r) {
        if (PlayCardFlags[r] == -1) ++n;
        if (InMyHand(r)) ++n;
    }
    return n != 3;
}

bool TenOut() { return anyInTrick(10, 10); }
bool JOut() { return anyInTrick(11, 11); }
bool TenJOut() { return anyInTrick(10, 11); }
bool LumraOut() { return anyInTrick(4, 5); }

std::string CardHighestRound() {
    return RankNameOf(*std::max_element(RoundDataRang.begin(), RoundDataRang.end()));
}
std::string CardHighestAbsolute() { return RankNameOf(TopRankLeft); }
std::string CardLeft() { return cardOf(left()); }
std::string CardPartner() { return cardOf(partner()); }
std::string CardRight() { return cardOf(right()); }

std::string PreviousCardLeft() { return previousOf(left()); }
std::string PreviousCardPartner() { return previousOf(partner()); }
std::string PreviousCardRight() { return previousOf(right()); }
std::string PreviousCardMe() { return previousOf(self()); }
std::string PreviousCardHighestRound() { return previousSummary(TrickHighestCard); }
std::string PreviousCardHighestAbsolute() { return previousSummary(TrickTopUnplayed); }

short PointsTakenUs() { return IsViSeat(self()) ? DealPointsVi : DealPointsDe; }
short PointsTakenThem() { return IsViSeat(self()) ? DealPointsDe : DealPointsVi; }

short PointsToKill() {
    const int b = HighestBid();
    const std::string top = CardHighestAbsolute();
    const std::string l = CardLeft(), r = CardRight(), p = CardPartner();
    const std::string role = BidRole();
    if (role == "BIDDER" || role == "BIDRESPONSE") {
        const int t = PointsTakenThem();
        const int a = (isAceOrTwo(l) ? 1 : 0) + (isAceOrTwo(r) ? 1 : 0);
        const bool f = l == top || r == top;
        const int g = f ? pointCards(l, r, p) : 0;
        return ClampToInt16(14 - b - t - a - g);
    }
    const int t = PointsTakenUs();
    const int a = isAceOrTwo(p) ? 1 : 0;
    bool f = p == top;
    if (!f && InMyHand(RankValueOf(top))) f = EqualInRank(top, p) && CardHighestRound() == p;
    const int g = f ? pointCards(l, r, p) : 0;
    const int h = (InMyHand(14) ? 1 : 0) + (InMyHand(1) ? 1 : 0);
    const int j = ((top == "J" && InMyHand(11)) || (top == "10" && InMyHand(10))) ? 1 : 0;
    return ClampToInt16(14 - b - t - a - g - h - j);
}
