// Every explanation the shipped play rules give is true for the deal it is
// shown with. Whole deals are played with all four hands in view, and at
// each decision the claim of the code shown is checked against the table:
// the seat's hand, the card it plays, the trick so far, the cards gone and
// the seats passed over. A claim about a hand the seat cannot see is checked
// only against what the seat could know.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "PlayTestSimulation.h"
#include "TestTable.h"

namespace {

// Trump ranks as the play state numbers them.
enum Rank : int { R2 = 1, R3, R4, Rv, RV, R6, R7, R8, R9, R10, RJ, RQ, RK, RA };

bool isFive(int r) { return r == Rv || r == RV; }
// The cards whose points go to whoever takes the trick (the 2's point stays
// with the side that plays it).
bool carriesPoints(int r) { return isFive(r) || r == R10 || r == RJ || r == RA; }
// The points a trick holds for whoever takes it, as the rules count them:
// the ace takes its own trick, so its point is never at stake.
int pointsOf(int r) { return isFive(r) ? 5 : (r == R10 || r == RJ) ? 1 : 0; }

using Order = std::array<int, 14>;
// Cheapest first: the 2, the low cards, the high cards, the point cards,
// the fives last.
constexpr Order kCheapestFirst = {R2, R3, R4, R6, R7, R8, R9, RQ, RK, R10, RJ, RA, Rv, RV};
// By rank from the lowest up, the fives last.
constexpr Order kByRankFivesLast = {R2, R3, R4, R6, R7, R8, R9, R10, RJ, RQ, RK, RA, Rv, RV};

// The table as it stood when the rules chose a card.
struct Decision {
    int seat = 0;
    int card = 0;
    std::array<std::set<int>, 4> hands;  // the trumps each seat still holds
    std::array<int, 4> trick{};          // the rank each seat put into this trick, 0 none yet
    std::array<bool, 4> passed{};        // passed over: seen to hold no trumps
    std::set<int> gone;                  // played (this trick included) or out of play
    int leader = 0;
    int bid = 0;
    bool bidders = false;  // the seat's side holds the contract
    int pointsUs = 0, pointsThem = 0;

    int partner() const { return (seat + 2) & 3; }
    int left() const { return (seat + 1) & 3; }   // plays after the seat
    int right() const { return (seat + 3) & 3; }  // played before the seat
    const std::set<int>& held() const { return hands[static_cast<std::size_t>(seat)]; }
    bool holds(int r) const { return held().count(r) > 0; }
    bool holdsFive() const { return holds(Rv) || holds(RV); }
    int highestHeld() const { return *held().rbegin(); }
    int lowestHeld() const { return *held().begin(); }
    int secondHighestHeld() const { return *std::next(held().rbegin()); }
    int lowestNotFive() const {
        for (int r : held())
            if (!isFive(r)) return r;
        return 0;
    }
    int highestPlainHeld() const {  // without points: the king down to the 2
        for (auto it = held().rbegin(); it != held().rend(); ++it)
            if (!carriesPoints(*it)) return *it;
        return 0;
    }
    // The first card of an order that the seat holds (and that beats the
    // trick, when asked).
    int firstHeld(const Order& order, bool beatingTheTrick = false) const {
        for (int r : order)
            if (holds(r) && (!beatingTheTrick || r > top())) return r;
        return 0;
    }
    int firstCheapest() const { return firstHeld(kCheapestFirst); }
    int firstByRankFivesLast() const { return firstHeld(kByRankFivesLast); }
    int cheapestAboveFivesLast() const { return firstHeld(kByRankFivesLast, true); }

    int top() const { return *std::max_element(trick.begin(), trick.end()); }
    int topSeat() const {
        for (int s = 0; s < 4; ++s)
            if (trick[static_cast<std::size_t>(s)] == top() && top() > 0) return s;
        return -1;
    }
    bool partnerOnTop() const { return top() > 0 && topSeat() == partner(); }
    bool opponentOnTop() const { return top() > 0 && (topSeat() == left() || topSeat() == right()); }
    bool partnerPlayed() const { return trick[static_cast<std::size_t>(partner())] > 0; }
    bool leads() const { return top() == 0; }
    int trickPoints() const {
        int p = 0;
        for (int r : trick) p += pointsOf(r);
        return p;
    }
    bool fiveInTrick() const {
        return std::any_of(trick.begin(), trick.end(), [](int r) { return isFive(r); });
    }
    // In a hand other than the seat's: still to come.
    bool out(int r) const {
        for (int s = 0; s < 4; ++s)
            if (s != seat && hands[static_cast<std::size_t>(s)].count(r)) return true;
        return false;
    }
    bool fiveOut() const { return out(Rv) || out(RV); }
    bool isGone(int r) const { return gone.count(r) > 0; }
    // The highest trump in any hand: nothing still out beats it.
    bool isHighestLeft(int r) const {
        for (int above = r + 1; above <= RA; ++above)
            if (out(above)) return false;
        return true;
    }
    bool hasTrumps(int s) const { return !hands[static_cast<std::size_t>(s)].empty(); }
    bool stillToPlay(int s) const { return s != seat && trick[static_cast<std::size_t>(s)] == 0 && hasTrumps(s); }
    // Still to play as far as the seat can tell: not passed over and no card yet.
    bool mayStillPlay(int s) const {
        return s != seat && trick[static_cast<std::size_t>(s)] == 0 && !passed[static_cast<std::size_t>(s)];
    }
    bool last() const {
        for (int s = 0; s < 4; ++s)
            if (stillToPlay(s)) return false;
        return true;
    }
    // The first seat with a card in this trick: the leader, or the first
    // after it when the leader was passed over.
    int ledBy() const {
        for (int k = 0; k < 4; ++k) {
            const int s = (leader + k) & 3;
            if (trick[static_cast<std::size_t>(s)] > 0) return s;
        }
        return seat;
    }
    // The ace and the 2 put in this trick by one side: their points go to
    // that side whoever takes the trick.
    int aceAndTwoOf(int s1, int s2) const {
        int n = 0;
        for (int s : {s1, s2}) {
            const int r = trick[static_cast<std::size_t>(s)];
            if (r == RA || r == R2) ++n;
        }
        return n;
    }
};

using Claim = std::function<bool(const Decision&)>;

struct Row {
    const char* code;
    const char* claim;
    Claim holds;
};

// One row per code whose claim can be read off the table. Codes whose text
// speaks only of what the seat expects of hidden hands check the part of it
// that is on the table.
const std::vector<Row>& claims() {
    static const std::vector<Row> rows = {
        {"10", "points on a partner's card that nothing still to come beats",
         [](const Decision& d) {
             return d.partnerOnTop() && d.isHighestLeft(d.top()) && (isFive(d.card) || d.card == R10);
         }},
        {"11", "last, the partner takes the trick, a point card on it",
         [](const Decision& d) { return d.last() && d.partnerOnTop() && pointsOf(d.card) > 0; }},
        {"12", "last, the opponents' trick holds a five (or points with no five out), the best card that wins",
         [](const Decision& d) {
             return d.last() && d.opponentOnTop() && (d.fiveInTrick() || (d.trickPoints() > 0 && !d.fiveOut())) &&
                    d.card > d.top();
         }},
        {"13", "the opponents' trick holds a five (or points with no five out) and the highest trump takes it",
         [](const Decision& d) {
             return d.opponentOnTop() && (d.fiveInTrick() || (d.trickPoints() > 0 && !d.fiveOut())) &&
                    d.card > d.top() && d.isHighestLeft(d.card);
         }},
        {"14", "last, a point card wins the trick",
         [](const Decision& d) { return d.last() && d.opponentOnTop() && pointsOf(d.card) > 0 && d.card > d.top(); }},
        {"15", "the partner's trick with points may be beaten, the highest trump takes it over",
         [](const Decision& d) {
             return d.partnerOnTop() && d.trickPoints() > 0 && !d.isHighestLeft(d.top()) && d.card > d.top() &&
                    d.isHighestLeft(d.card);
         }},
        {"16", "the side's bid fails if the opponents take this trick's points; the card takes it",
         [](const Decision& d) {
             return d.bidders && d.pointsThem + d.aceAndTwoOf(d.left(), d.right()) + d.trickPoints() > 14 - d.bid &&
                    d.card > d.top();
         }},
        {"17", "this trick's points defeat the opponents' bid; the card takes it",
         [](const Decision& d) {
             // Points the side is sure of besides: its ace and 2, and a 10 or a jack that is the highest left.
             int sure = d.aceAndTwoOf(d.partner(), d.seat) + (d.holds(RA) ? 1 : 0) + (d.holds(R2) ? 1 : 0);
             for (int r : {R10, RJ})
                 if (d.holds(r) && d.isHighestLeft(r)) ++sure;
             return !d.bidders && d.pointsUs + sure + d.trickPoints() > 14 - d.bid && d.card > d.top();
         }},
        {"20", "lead the highest trump: it takes the trick",
         [](const Decision& d) { return d.leads() && d.isHighestLeft(d.card); }},
        {"21", "the opponents have no trumps",
         [](const Decision& d) { return !d.hasTrumps(d.left()) && !d.hasTrumps(d.right()); }},
        {"22", "lead the cheapest card", [](const Decision& d) { return d.leads() && d.card == d.firstCheapest(); }},
        {"23", "beat an opponent's card with the lowest trump that does; the next opponent and the partner to come",
         [](const Decision& d) {
             return d.opponentOnTop() && d.card == *d.held().upper_bound(d.top()) && d.mayStillPlay(d.left()) &&
                    d.mayStillPlay(d.partner());
         }},
        {"24", "an opponent above the partner's card, points in the trick, the highest card, the last opponent to come",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && d.trickPoints() > 0 && d.card == d.highestHeld() &&
                    d.mayStillPlay(d.left());
         }},
        {"25", "an opponent above the partner's card, won back as cheaply as the seat can",
         [](const Decision& d) {
             if (!d.opponentOnTop() || !d.partnerPlayed() || d.card <= d.top()) return false;
             for (int r : d.held())
                 if (r > d.top() && r < d.card && !isFive(r)) return false;
             return true;
         }},
        {"26", "a five kept, the cheapest card",
         [](const Decision& d) { return d.holdsFive() && !isFive(d.card) && d.card == d.firstCheapest(); }},
        {"27", "lead a high card without points, lower cards kept",
         [](const Decision& d) {
             return d.leads() && d.card >= R6 && d.card == d.highestPlainHeld();
         }},
        {"28", "a low card (below the 9, no five) would beat the lead: the highest card",
         [](const Decision& d) {
             bool lowBeats = false;
             for (int r : d.held())
                 if (r > d.top() && r < R9 && !isFive(r) && r != d.card) lowBeats = true;
             return d.opponentOnTop() && lowBeats && d.card == d.highestHeld();
         }},
        {"29", "two trumps, one a five: lead the five; the next opponent and the partner to come",
         [](const Decision& d) {
             return d.leads() && d.held().size() == 2 && isFive(d.card) && d.mayStillPlay(d.left()) &&
                    d.mayStillPlay(d.partner());
         }},
        {"30", "the partner led, the opponent before has no trumps: the highest card, the last opponent to come",
         [](const Decision& d) {
             return d.ledBy() == d.partner() && !d.hasTrumps(d.right()) && d.card == d.highestHeld() &&
                    d.mayStillPlay(d.left());
         }},
        {"31", "the cheapest card", [](const Decision& d) { return d.card == d.firstCheapest(); }},
        {"32", "the partner has no trumps: beat an opponent's card cheaply, a five last; the next opponent to come",
         [](const Decision& d) {
             return !d.hasTrumps(d.partner()) && d.opponentOnTop() && d.card == d.cheapestAboveFivesLast() &&
                    d.mayStillPlay(d.left());
         }},
        {"33", "the lead carries points: beat it cheaply, a five last; the next opponent to come",
         [](const Decision& d) {
             return d.opponentOnTop() && d.trickPoints() > 0 && d.card == d.cheapestAboveFivesLast();
         }},
        {"34", "the partner holds the trick: the lowest card, the 10 and the jack before the queen and the king",
         [](const Decision& d) {
             return d.partnerOnTop() && d.card == d.firstByRankFivesLast();
         }},
        {"35", "last, a point card would take the trick, a five out: the point card kept, the lowest card",
         [](const Decision& d) {
             bool keptWinner = false;
             for (int r : d.held())
                 if (pointsOf(r) > 0 && r > d.top() && r != d.card) keptWinner = true;
             return d.last() && d.opponentOnTop() && keptWinner && d.fiveOut() && d.card == d.lowestHeld();
         }},
        {"36", "last, the partner has no trumps: the lowest card and the fives kept",
         [](const Decision& d) {
             return d.last() && !d.hasTrumps(d.partner()) && d.holdsFive() && d.card == d.lowestNotFive();
         }},
        {"37", "the partner's trick holds a point or two, a five out: the highest trump kept, the cheapest card",
         [](const Decision& d) {
             bool keepsTop = false;
             for (int r : d.held())
                 if (r != d.card && d.isHighestLeft(r)) keepsTop = true;
             return d.partnerOnTop() && d.trickPoints() > 0 && d.trickPoints() < 5 && d.fiveOut() && keepsTop &&
                    d.card == d.firstCheapest();
         }},
        {"38", "the side holds the contract: lead the cheapest card and keep a five",
         [](const Decision& d) {
             const int kept = *d.held().begin() == d.card ? *d.held().rbegin() : *d.held().begin();
             return d.bidders && d.leads() && d.held().size() == 2 && isFive(kept) && d.card == d.firstCheapest();
         }},
        {"39", "the queen highest: lead the lowest card, keep the small five; the king or the ace out",
         [](const Decision& d) {
             return d.leads() && d.highestHeld() == RQ && d.holds(Rv) && d.card == d.lowestNotFive() && d.card != RQ &&
                    (d.out(RK) || d.out(RA));
         }},
        {"40", "all trumps low: lead the second-highest",
         [](const Decision& d) { return d.leads() && d.highestHeld() < R10 && d.card == d.secondHighestHeld(); }},
        {"41", "lead the queen: the king or the ace out",
         [](const Decision& d) { return d.leads() && d.card == RQ && (d.out(RK) || d.out(RA)); }},
        {"42", "lead the 10", [](const Decision& d) { return d.leads() && d.card == R10; }},
        {"43", "lead the king: the ace is gone, the queen held",
         [](const Decision& d) { return d.leads() && d.card == RK && d.holds(RQ) && d.isGone(RA); }},
        {"44", "lead the jack, the 10 held",
         [](const Decision& d) { return d.leads() && d.card == RJ && d.holds(R10); }},
        {"45", "defending with three trumps: lead a five",
         [](const Decision& d) {
             return !d.bidders && d.leads() && d.held().size() == 3 && isFive(d.card) && d.mayStillPlay(d.partner());
         }},
        {"46", "an opponent above the partner's card, no highest trump: the highest card without points, the best "
               "kept, a five out",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && !d.isHighestLeft(d.highestHeld()) &&
                    d.card == d.highestPlainHeld() && d.card != d.highestHeld() && d.fiveOut();
         }},
        {"47", "the partner holds the trick: a five on it",
         [](const Decision& d) { return d.partnerOnTop() && isFive(d.card); }},
        {"48", "a five while the partner is still to play",
         [](const Decision& d) { return isFive(d.card) && d.mayStillPlay(d.partner()); }},
        {"49", "no other five out: the small five while the partner is still to play",
         [](const Decision& d) { return d.card == Rv && !d.out(RV) && d.mayStillPlay(d.partner()); }},
        {"50", "the 10 or the jack while the partner is still to play",
         [](const Decision& d) { return (d.card == R10 || d.card == RJ) && d.mayStillPlay(d.partner()); }},
        {"51", "no sure winner: the second-highest card",
         [](const Decision& d) {
             return !d.isHighestLeft(d.highestHeld()) && d.card == d.secondHighestHeld();
         }},
        {"52", "an opponent above the partner's card with a low trump: the highest card, the last opponent to come",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && d.top() < R8 && d.card == d.highestHeld() &&
                    d.mayStillPlay(d.left());
         }},
        {"53", "the partner led, no points: a trump without points",
         [](const Decision& d) {
             return d.ledBy() == d.partner() && d.trickPoints() == 0 && !carriesPoints(d.card);
         }},
        {"54", "the partner has no trumps, no five to catch: the lowest card",
         [](const Decision& d) { return !d.hasTrumps(d.partner()) && !d.fiveOut() && d.card == d.lowestHeld(); }},
        {"55", "the partner holds the trick, an opponent to come: the king",
         [](const Decision& d) {
             return d.partnerOnTop() && d.card == RK && (d.mayStillPlay(d.left()) || d.mayStillPlay(d.right()));
         }},
        {"56", "the partner holds the trick: the jack", [](const Decision& d) { return d.partnerOnTop() && d.card == RJ; }},
        {"57", "the lowest card, the fives and the higher trumps kept",
         [](const Decision& d) { return d.card == d.firstByRankFivesLast(); }},
        {"58", "a point or two in the trick: the queen",
         [](const Decision& d) {
             return d.trickPoints() > 0 && d.trickPoints() < 5 && d.card == RQ;
         }},
        {"59", "a point or two in the trick: the highest card without points",
         [](const Decision& d) {
             return d.trickPoints() > 0 && d.trickPoints() < 5 && d.card == d.highestPlainHeld();
         }},
        {"60", "the trick stands at a jack or a queen, more to come: the second-highest card",
         [](const Decision& d) {
             const bool more = d.mayStillPlay(d.left()) || d.mayStillPlay(d.partner()) || d.mayStillPlay(d.right());
             return (d.top() == RJ || d.top() == RQ) && more && d.card == d.secondHighestHeld();
         }},
        {"61", "the trick stands at a jack or higher, more to come: the ace",
         [](const Decision& d) {
             const bool more = d.mayStillPlay(d.left()) || d.mayStillPlay(d.partner()) || d.mayStillPlay(d.right());
             return d.top() >= RJ && more && d.card == RA;
         }},
        {"62", "the queen highest, no five: lead the lowest card; the king or the ace out",
         [](const Decision& d) {
             return d.leads() && d.highestHeld() == RQ && !d.holdsFive() && d.card == d.lowestHeld() &&
                    (d.out(RK) || d.out(RA));
         }},
        {"63", "an opponent above the partner's card, points in the trick: the highest card, without points, beats it",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && d.trickPoints() > 0 && d.card == d.highestHeld() &&
                    !carriesPoints(d.card) && d.card > d.top();
         }},
        {"64", "the last trump", [](const Decision& d) { return d.held().size() == 1; }},
        {"65", "lead the king, the queen held: the ace out",
         [](const Decision& d) { return d.leads() && d.card == RK && d.holds(RQ) && d.out(RA); }},
        {"66", "last, the partner has no trumps and the seat no five: the lowest card",
         [](const Decision& d) {
             return d.last() && !d.hasTrumps(d.partner()) && !d.holdsFive() && d.card == d.lowestHeld();
         }},
        {"67", "the partner has no trumps, no five to catch: the lowest card that is not a five",
         [](const Decision& d) {
             return !d.hasTrumps(d.partner()) && !d.fiveOut() && d.holdsFive() && !isFive(d.card) &&
                    d.card == d.lowestNotFive();
         }},
        {"68", "an opponent above the partner's card, no highest trump: the highest card without points, the best "
               "kept",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && !d.isHighestLeft(d.highestHeld()) &&
                    d.card == d.highestPlainHeld() && d.card != d.highestHeld();
         }},
        {"69", "beat an opponent's card with the lowest trump that does; the next opponent has no trumps",
         [](const Decision& d) {
             return d.opponentOnTop() && d.card == *d.held().upper_bound(d.top()) && !d.hasTrumps(d.left()) &&
                    d.mayStillPlay(d.partner());
         }},
        {"70", "only the highest card beats the lead",
         [](const Decision& d) {
             for (int r : d.held())
                 if (r > d.top() && r != d.card) return false;
             return d.opponentOnTop() && d.card == d.highestHeld() && d.card > d.top();
         }},
        {"71", "a point or two in the trick, only point cards held: the highest beats it",
         [](const Decision& d) {
             return d.trickPoints() > 0 && d.trickPoints() < 5 && d.highestPlainHeld() == 0 &&
                    d.card == d.highestHeld() && d.card > d.top();
         }},
        {"72", "an opponent above the partner's card, nobody after the seat: the highest card takes the trick",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && d.last() && d.card == d.highestHeld() &&
                    d.card > d.top();
         }},
    };
    return rows;
}

Decision decisionAt(const Main& m, const playsim::DealResult& r) {
    Decision d;
    d.seat = static_cast<int>(CurrentSeat);
    for (int s = 0; s < 4; ++s)
        for (const Kort* k : m.Hand[s].colHand)
            if (IsTrump(*k, m.gbFarg)) d.hands[static_cast<std::size_t>(s)].insert(k->Rang);
    for (int s = 0; s < 4; ++s) {
        d.trick[static_cast<std::size_t>(s)] = RoundDataRang[static_cast<std::size_t>(s)];
        d.passed[static_cast<std::size_t>(s)] = SeatOutFlags[static_cast<std::size_t>(s)] == -1;
    }
    for (int rank = 1; rank <= 14; ++rank)
        if (PlayCardFlags[static_cast<std::size_t>(rank)] == -1) d.gone.insert(rank);
    d.card = m.Hand[d.seat].colHand.Item(SuggestedCardIndex)->Rang;
    d.leader = static_cast<int>(TrickLeader);
    d.bid = r.bid;
    d.bidders = playsim::sideOf(d.seat) == playsim::sideOf(r.bidder);
    d.pointsUs = d.seat % 2 == 0 ? DealPointsVi : DealPointsDe;
    d.pointsThem = d.seat % 2 == 0 ? DealPointsDe : DealPointsVi;
    return d;
}

std::string describe(const Decision& d) {
    auto cards = [](const std::set<int>& ranks) {
        std::string s;
        for (int r : ranks) s += (s.empty() ? "" : " ") + RankNameOf(r);
        return s.empty() ? std::string("-") : s;
    };
    std::string t = "seat " + std::to_string(d.seat) + " plays " + RankNameOf(d.card) + " from " + cards(d.held());
    t += "; trick";
    for (int s = 0; s < 4; ++s)
        t += " " + (d.trick[static_cast<std::size_t>(s)] ? RankNameOf(d.trick[static_cast<std::size_t>(s)]) : "-");
    t += "; hands";
    for (int s = 0; s < 4; ++s) t += " [" + cards(d.hands[static_cast<std::size_t>(s)]) + "]";
    t += "; gone " + cards(d.gone);
    return t;
}

// The deals nobody tuned the rules on, every seat by the shipped rules.
TEST(ExplanationClaims, EveryExplanationHoldsForTheTableItIsShownWith) {
    TestTable t(5);
    Main& m = t.m();
    for (auto& h : m.Hand) h.myPlayAI = "LumraPlayRulesAI.TXT";
    std::map<std::string, const Row*> byCode;
    for (const Row& row : claims()) byCode[row.code] = &row;
    std::map<std::string, int> shown, untrue;
    std::map<std::string, std::string> firstUntrue;
    std::mt19937 g(20261210);
    for (int deal = 0; deal < 3000; ++deal) {
        playsim::DealResult r;
        playsim::deal(m, g, r);
        playsim::playOut(m, r, [&] {
            const std::string code = SuggestText;
            ++shown[code];
            const auto it = byCode.find(code);
            if (it == byCode.end()) return;
            const Decision d = decisionAt(m, r);
            if (it->second->holds(d)) return;
            if (++untrue[code] == 1) firstUntrue[code] = "deal " + std::to_string(deal) + ": " + describe(d);
        });
    }
    // A row whose code is never shown checks nothing; a code without a row
    // goes unchecked.
    for (const auto& [code, uses] : shown) EXPECT_TRUE(byCode.count(code)) << "no claim for code " << code;
    for (const Row& row : claims()) {
        EXPECT_GT(shown[row.code], 0) << "never shown: code " << row.code;
        EXPECT_EQ(untrue[row.code], 0) << "code " << row.code << " (" << row.claim << ") untrue in " << untrue[row.code]
                                       << " of " << shown[row.code] << " uses; first: " << firstUntrue[row.code];
    }
}

}  // namespace
