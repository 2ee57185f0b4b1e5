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

#include "BuiltinFacts.h"
#include "InstallFolder.h"
#include "PlayTestSimulation.h"
#include "SuggestionTexts.h"
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
    // What the seat can know of the other hands, as the game infers it:
    // counted out of trumps, the trumps a seat is expected to have been
    // dealt, and the cards the seat has seen it play.
    std::array<bool, 4> countedOut{};
    std::array<float, 4> expectedDealt{};
    std::array<int, 4> seenPlayed{};
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

    // What the seat can tell of the hands it cannot see.
    // Seen by the seat to hold no trumps: passed over or counted out.
    bool knownOut(int s) const {
        return passed[static_cast<std::size_t>(s)] || countedOut[static_cast<std::size_t>(s)];
    }
    // Out of trumps, and the seat can know it.
    bool plainlyOut(int s) const { return !hasTrumps(s) && knownOut(s); }
    // Still to play to this trick as far as the seat can tell, counts included.
    bool mayPlay(int s) const { return mayStillPlay(s) && !countedOut[static_cast<std::size_t>(s)]; }
    // Neither in the seat's hand nor gone: a card in a hand the seat cannot see.
    bool unseen(int r) const { return !holds(r) && !isGone(r); }
    bool unseenAbove(int r) const {
        for (int above = r + 1; above <= RA; ++above)
            if (unseen(above)) return true;
        return false;
    }
    int unseenCount() const {
        int n = 0;
        for (int r = R2; r <= RA; ++r) n += unseen(r) ? 1 : 0;
        return n;
    }
    // The seat keeps a card, besides the one it plays, that is so.
    bool keeps(const std::function<bool(int)>& so) const {
        for (int r : held())
            if (r != card && so(r)) return true;
        return false;
    }


    // Every trump above the rank is gone or the seat's own: the seat knows
    // no other hand can beat it.
    bool knownHighest(int r) const { return !unseenAbove(r); }
    bool anOpponentMayStillCome() const { return mayPlay(left()) || mayPlay(right()); }
    // The seat's lowest card above the rank, by rank (the fives as ranked); 0 none.
    int lowestAbove(int r) const {
        const auto it = held().upper_bound(r);
        return it == held().end() ? 0 : *it;
    }
    // Once the seat's card is in: the seat or its partner on top.
    bool sideOnTopWithCard() const { return card > top() || partnerOnTop(); }
    // The seat's card takes the trick: nobody still to play holds a higher one.
    bool cardWins() const {
        if (card <= top()) return false;
        for (int s = 0; s < 4; ++s)
            if (stillToPlay(s) && *hands[static_cast<std::size_t>(s)].rbegin() > card) return false;
        return true;
    }
    // The trick holds a five, or points while no five is left to catch.
    bool fiveOrPointsWithNoFiveLeft() const { return fiveInTrick() || (trickPoints() > 0 && !fiveOut()); }
    // The points the seat's side will have whatever comes, besides those it
    // has taken: the partner's ace and 2 in this trick, the seat's own ace and
    // 2, and a 10 or a jack of the seat's that nothing left can beat.
    int surePointsOfSide() const {
        int n = aceAndTwoOf(partner(), seat) + (holds(RA) ? 1 : 0) + (holds(R2) ? 1 : 0);
        for (int r : {R10, RJ})
            if (holds(r) && knownHighest(r)) ++n;
        return n;
    }


    // The partner may yet take the trick over the seat's own card.
    bool partnerMayWin() const { return mayPlay(partner()) && unseenAbove(std::max(top(), card)); }
    // An opponent may still hold a trump that beats a five, in this trick or a later one.
    bool opponentMayCatchAFive() const {
        return (!knownOut(left()) || !knownOut(right())) && unseenAbove(RV);
    }
    // The trumps a seat likely still holds: the count it was likely dealt
    // less the cards the seat has seen it play.
    float likelyLeft(int s) const {
        return expectedDealt[static_cast<std::size_t>(s)] - static_cast<float>(seenPlayed[static_cast<std::size_t>(s)]);
    }
    // The card stays below the trick: it cannot take it.
    bool givesAway() const { return card < top(); }
    // A five is played to beat the trick only when no other card does.
    bool fiveOnlyIfNothingElseBeats() const {
        return !isFive(card) || !keeps([&](int r) { return r > top() && !isFive(r); });
    }
    // An opponent's card could be beaten with a point card the seat holds.
    bool couldTakeWithAPointCard() const {
        return opponentOnTop() && std::any_of(held().begin(), held().end(),
                                              [&](int r) { return pointsOf(r) > 0 && r > top(); });
    }
    // A 10 or a jack that would take the trick stays in hand: above the
    // fives, it can catch one later.
    bool keepsAPointCardForTheFive() const {
        return keeps([&](int r) { return pointsOf(r) > 0 && r > top() && r > RV; });
    }

    bool beatsTop(int r) const { return r > top(); }
    bool onlyHighestBeats() const {
        for (int r : held())
            if (r > top() && r != highestHeld()) return false;
        return highestHeld() > top();
    }
    bool moreMayCome() const { return mayPlay(left()) || mayPlay(partner()) || mayPlay(right()); }
    // An opponent may still take a card led now with a trump the seat has not seen.
    bool anOpponentMayTakeWith(std::initializer_list<int> ranks) const {
        return anOpponentMayStillCome() &&
               std::any_of(ranks.begin(), ranks.end(), [&](int r) { return unseen(r); });
    }
};

using Claim = std::function<bool(const Decision&)>;

// One clause of a code's English text, word for word, and what makes it
// true. A code's clauses, in order, make up its whole text, so no clause
// goes unchecked.
struct Clause {
    const char* code;
    const char* text;
    Claim holds;
};

const std::vector<Clause>& clauses() {
    static const std::vector<Clause> rows = {
        {"10", "Your side's trick can no longer be beaten: ",
         [](const Decision& d) { return d.partnerOnTop() && d.knownHighest(d.top()); }},
        {"10", "put points on it.", [](const Decision& d) { return pointsOf(d.card) > 0; }},
        {"11", "You play last ", [](const Decision& d) { return d.last(); }},
        {"11", "and your side takes the trick: ",
         [](const Decision& d) { return d.last() && d.sideOnTopWithCard(); }},
        {"11", "put points on it.", [](const Decision& d) { return pointsOf(d.card) > 0; }},
        {"12", "You play last ", [](const Decision& d) { return d.last(); }},
        {"12", "and the opponents' trick holds a five, or points with no five out: ",
         [](const Decision& d) { return d.opponentOnTop() && d.fiveOrPointsWithNoFiveLeft(); }},
        {"12", "take it ", [](const Decision& d) { return d.cardWins(); }},
        {"12", "with a five, 10 or jack if one wins, else as cheaply as you can.",
         [](const Decision& d) {
             for (int r : {RV, Rv, R10, RJ})
                 if (d.holds(r) && r > d.top()) return pointsOf(d.card) > 0 && d.card > d.top();
             return d.card == d.lowestAbove(d.top());
         }},
        {"13", "The opponents' trick holds a five, or points with no five left to catch, ",
         [](const Decision& d) { return d.opponentOnTop() && d.fiveOrPointsWithNoFiveLeft(); }},
        {"13", "and you have the highest trump: ",
         [](const Decision& d) { return d.knownHighest(d.highestHeld()); }},
        {"13", "take it.", [](const Decision& d) { return d.cardWins() && d.card == d.highestHeld(); }},
        {"14", "You play last ", [](const Decision& d) { return d.last(); }},
        {"14", "and a point card wins the trick: ",
         [](const Decision& d) { return pointsOf(d.card) > 0 && d.cardWins(); }},
        {"14", "bring it home.", [](const Decision& d) { return d.cardWins(); }},
        {"15", "An opponent may still beat your partner's trick and its points: ",
         [](const Decision& d) {
             return d.partnerOnTop() && d.trickPoints() > 0 && d.anOpponentMayStillCome() &&
                    d.unseenAbove(d.top());
         }},
        {"15", "take it over with the highest trump.",
         [](const Decision& d) { return d.card > d.top() && d.knownHighest(d.card); }},
        {"16", "Your side's bid fails if the opponents get the points in this trick: ",
         [](const Decision& d) {
             const int theirs = d.pointsThem + d.aceAndTwoOf(d.left(), d.right());
             return d.bidders && theirs <= 14 - d.bid && theirs + d.trickPoints() > 14 - d.bid;
         }},
        {"16", "take it.", [](const Decision& d) { return d.cardWins(); }},
        {"17", "With the points in this trick your side is sure to defeat the opponents' bid: ",
         [](const Decision& d) {
             return !d.bidders && d.pointsUs + d.surePointsOfSide() + d.trickPoints() > 14 - d.bid;
         }},
        {"17", "take it.", [](const Decision& d) { return d.cardWins(); }},
        {"20", "Lead your highest trump: ",
         [](const Decision& d) { return d.leads() && d.card == d.highestHeld(); }},
        {"20", "it takes the trick ", [](const Decision& d) { return d.knownHighest(d.card); }},
        {"20", "and your partner may put points on it.",
         [](const Decision& d) {
             if (!d.mayPlay(d.partner())) return false;
             for (int r : {Rv, RV, R10, RJ})
                 if (d.unseen(r)) return true;
             return false;
         }},
        {"21", "The opponents have no trumps left: ",
         [](const Decision& d) {
             return !d.hasTrumps(d.left()) && !d.hasTrumps(d.right()) &&
                    d.countedOut[static_cast<std::size_t>(d.left())] &&
                    d.countedOut[static_cast<std::size_t>(d.right())];
         }},
        {"21", "every point still out is yours whatever you play.",
         [](const Decision& d) { return !d.hasTrumps(d.left()) && !d.hasTrumps(d.right()) && !d.opponentOnTop(); }},
        {"22", "Lead your cheapest card ",
         [](const Decision& d) { return d.leads() && d.card == d.firstCheapest(); }},
        {"22", "and keep the better ones for later tricks.", [](const Decision& d) { return d.held().size() > 1; }},
        {"23", "Beat the opponent's card with the lowest trump that does: ",
         [](const Decision& d) { return d.opponentOnTop() && d.card == d.lowestAbove(d.top()); }},
        {"23", "the next opponent must go higher to take the trick.",
         [](const Decision& d) { return d.card > d.top() && d.mayPlay(d.left()); }},
        {"24", "An opponent is above your partner's card ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"24", "and the trick holds points: ", [](const Decision& d) { return d.trickPoints() > 0; }},
        {"24", "play your highest card ",
         [](const Decision& d) { return d.card == d.highestHeld() && d.card > d.top(); }},
        {"24", "to leave the last opponent the most to beat.",
         [](const Decision& d) { return d.mayPlay(d.left()); }},
        {"25", "An opponent is above your partner's card: ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"25", "win the trick back as cheaply as you can.",
         [](const Decision& d) { return d.card > d.top() && d.card == d.cheapestAboveFivesLast(); }},
        {"26", "Keep a five for a trick your side is sure to take: ",
         [](const Decision& d) { return d.holdsFive() && !isFive(d.card); }},
        {"26", "play your cheapest card.", [](const Decision& d) { return d.card == d.firstCheapest(); }},
        {"27", "Lead a high card without points: ",
         [](const Decision& d) { return d.leads() && d.card >= R8 && !carriesPoints(d.card); }},
        {"27", "the opponents must spend a high trump to take it.",
         [](const Decision& d) { return d.card >= R8 && d.anOpponentMayStillCome() && d.unseenAbove(d.card); }},
        {"28", "A lower card would beat the lead ",
         [](const Decision& d) { return d.lowestAbove(d.top()) != 0 && d.lowestAbove(d.top()) < d.card; }},
        {"28", "but play your highest: ",
         [](const Decision& d) { return d.opponentOnTop() && d.card == d.highestHeld(); }},
        {"28", "only a higher trump then takes the trick.", [](const Decision& d) { return d.card > d.top(); }},
        {"29", "With two trumps and a five among them, ",
         [](const Decision& d) { return d.held().size() == 2 && d.holdsFive(); }},
        {"29", "lead a five now ", [](const Decision& d) { return d.leads() && isFive(d.card); }},
        {"29", "while your partner may still win the trick.",
         [](const Decision& d) { return d.mayPlay(d.partner()) && d.unseenAbove(d.card); }},
        {"73", "Lead your highest trump: ",
         [](const Decision& d) { return d.leads() && d.card == d.highestHeld(); }},
        {"73", "it takes the trick.", [](const Decision& d) { return d.knownHighest(d.card); }},
        {"74", "Late in the deal: ", [](const Decision& d) { return d.unseenCount() < 6; }},
        {"74", "lead your highest card without points.",
         [](const Decision& d) { return d.leads() && !carriesPoints(d.card) && d.card == d.highestPlainHeld(); }},
        {"30", "Your partner led ", [](const Decision& d) { return d.ledBy() == d.partner(); }},
        {"30", "and the opponent before you has no trumps: ",
         [](const Decision& d) { return d.plainlyOut(d.right()); }},
        {"30", "play your highest card. ", [](const Decision& d) { return d.card == d.highestHeld(); }},
        {"30", "The last player must spend a higher trump or lose the trick.",
         [](const Decision& d) { return d.ledBy() == d.partner() && d.mayPlay(d.left()) && d.card > d.top(); }},
        {"31", "Play your cheapest card ", [](const Decision& d) { return d.card == d.firstCheapest(); }},
        {"31", "and keep the better ones.", [](const Decision& d) { return d.held().size() > 1; }},
        {"32", "Your partner has no trumps left: ",
         [](const Decision& d) { return d.plainlyOut(d.partner()); }},
        {"32", "beat the lead as cheaply as you can, ",
         [](const Decision& d) {
             return d.opponentOnTop() && d.topSeat() == d.ledBy() && d.card > d.top() &&
                    d.card == d.cheapestAboveFivesLast();
         }},
        {"32", "with a five only if nothing else does. ", [](const Decision& d) { return d.fiveOnlyIfNothingElseBeats(); }},
        {"32", "The next opponent must then go higher.",
         [](const Decision& d) { return d.mayPlay(d.left()) && d.card > d.top(); }},
        {"33", "The lead carries points: ",
         [](const Decision& d) { return d.opponentOnTop() && d.topSeat() == d.ledBy() && d.trickPoints() > 0; }},
        {"33", "beat it as cheaply as you can, ",
         [](const Decision& d) { return d.card > d.top() && d.card == d.cheapestAboveFivesLast(); }},
        {"33", "with a five only if nothing else does.", [](const Decision& d) { return d.fiveOnlyIfNothingElseBeats(); }},
        {"34", "Your partner holds the trick: ", [](const Decision& d) { return d.partnerOnTop(); }},
        {"34", "play your lowest card, the fives last. ",
         [](const Decision& d) { return d.card == d.firstByRankFivesLast(); }},
        {"34", "The 10 and the jack go before the queen and the king: ",
         [](const Decision& d) { return !((d.card == RQ || d.card == RK) && (d.holds(R10) || d.holds(RJ))); }},
        {"34", "their point may come home.", [](const Decision& d) { return d.partnerOnTop(); }},
        {"35", "You play last ", [](const Decision& d) { return d.last(); }},
        {"35", "and could take the trick with a point card, ", [](const Decision& d) { return d.couldTakeWithAPointCard(); }},
        {"35", "but a five is still out: ", [](const Decision& d) { return d.fiveOut(); }},
        {"35", "keep the point card to catch it ", [](const Decision& d) { return d.keepsAPointCardForTheFive(); }},
        {"35", "and play your lowest card.",
         [](const Decision& d) { return d.card == d.lowestHeld() && !isFive(d.card); }},
        {"36", "You play last ", [](const Decision& d) { return d.last(); }},
        {"36", "and your partner has no trumps: ",
         [](const Decision& d) { return d.plainlyOut(d.partner()); }},
        {"36", "play your lowest card that is not a five.",
         [](const Decision& d) { return !isFive(d.card) && d.card == d.lowestNotFive(); }},
        {"37", "Your partner's trick holds only a point or two ",
         [](const Decision& d) { return d.partnerOnTop() && d.trickPoints() > 0 && d.trickPoints() < 5; }},
        {"37", "and a five is still out: ", [](const Decision& d) { return d.fiveOut(); }},
        {"37", "play your cheapest card.", [](const Decision& d) { return d.card == d.firstCheapest(); }},
        {"38", "Your side holds the contract ", [](const Decision& d) { return d.bidders; }},
        {"38", "and the last opponent likely has few trumps: ",
         [](const Decision& d) { return !d.knownOut(d.right()) && d.likelyLeft(d.right()) < 2.5f; }},
        {"38", "lead your cheapest card ", [](const Decision& d) { return d.leads() && d.card == d.firstCheapest(); }},
        {"38", "and keep a five ",
         [](const Decision& d) { return d.held().size() == 2 && d.keeps([](int r) { return isFive(r); }); }},
        {"38", "for a trick your side takes.", [](const Decision& d) { return !d.knownOut(d.partner()); }},
        {"39", "Your highest trump is the queen: ", [](const Decision& d) { return d.highestHeld() == RQ; }},
        {"39", "keep your small five ", [](const Decision& d) { return d.holds(Rv) && d.card != Rv; }},
        {"39", "and lead your lowest other card. ",
         [](const Decision& d) { return d.leads() && d.card == d.lowestNotFive() && !d.holds(RV); }},
        {"39", "Led now the queen may fall to the king or the ace.",
         [](const Decision& d) {
             return d.card != RQ && (d.unseen(RK) || d.unseen(RA)) && d.anOpponentMayStillCome();
         }},
        {"85", "Your side holds the contract ", [](const Decision& d) { return d.bidders; }},
        {"85", "and an opponent has no trumps: ",
         [](const Decision& d) { return d.plainlyOut(d.left()) || d.plainlyOut(d.right()); }},
        {"85", "lead your cheapest card ", [](const Decision& d) { return d.leads() && d.card == d.firstCheapest(); }},
        {"85", "and keep a five ",
         [](const Decision& d) { return d.held().size() == 2 && d.keeps([](int r) { return isFive(r); }); }},
        {"85", "for a trick your side takes.", [](const Decision& d) { return !d.knownOut(d.partner()); }},
        {"40", "All your trumps are below the 10: ", [](const Decision& d) { return d.highestHeld() < R10; }},
        {"40", "lead your second-highest card ",
         [](const Decision& d) { return d.leads() && d.card == d.secondHighestHeld(); }},
        {"40", "and keep your highest for a later trick.", [](const Decision& d) { return d.card != d.highestHeld(); }},
        {"41", "Lead the queen: ", [](const Decision& d) { return d.leads() && d.card == RQ; }},
        {"41", "an opponent must spend a higher trump to take it.",
         [](const Decision& d) { return d.unseenAbove(RQ) && d.anOpponentMayStillCome(); }},
        {"42", "Lead the 10: ", [](const Decision& d) { return d.leads() && d.card == R10; }},
        {"42", "it asks the opponents for a high trump ",
         [](const Decision& d) { return d.unseenAbove(R10) && d.anOpponentMayStillCome(); }},
        {"42", "and its point comes home unless they beat it.",
         [](const Decision& d) { return d.anOpponentMayStillCome(); }},
        {"43", "Lead the king: ", [](const Decision& d) { return d.leads() && d.card == RK; }},
        {"43", "the ace is gone ", [](const Decision& d) { return d.isGone(RA); }},
        {"43", "and you hold the queen too, ", [](const Decision& d) { return d.holds(RQ); }},
        {"43", "so after the king your queen is the highest trump.",
         [](const Decision& d) { return d.holds(RQ) && d.isGone(RA); }},
        {"44", "Lead the jack: ", [](const Decision& d) { return d.leads() && d.card == RJ; }},
        {"44", "you hold the 10 as well, ", [](const Decision& d) { return d.holds(R10); }},
        {"44", "and every high trump the jack draws makes your 10 stronger.",
         [](const Decision& d) { return d.unseenAbove(RJ) && d.anOpponentMayStillCome(); }},
        {"45", "You are defending with three trumps: ",
         [](const Decision& d) { return !d.bidders && d.held().size() == 3; }},
        {"45", "lead your five now. ", [](const Decision& d) { return d.leads() && isFive(d.card); }},
        {"45", "Kept back it may fall to the bidders later.", [](const Decision& d) { return d.opponentMayCatchAFive(); }},
        {"46", "An opponent is above your partner's card ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"46", "but you lack the highest trump: ",
         [](const Decision& d) { return !d.isHighestLeft(d.highestHeld()); }},
        {"46", "play your highest card without points ",
         [](const Decision& d) { return d.card == d.highestPlainHeld(); }},
        {"46", "and keep your highest for a five.",
         [](const Decision& d) { return d.card != d.highestHeld() && d.fiveOut(); }},
        {"47", "Early in the deal ", [](const Decision& d) { return d.unseenCount() > 8; }},
        {"47", "your partner holds the trick: ", [](const Decision& d) { return d.partnerOnTop(); }},
        {"47", "put your five on it now ", [](const Decision& d) { return isFive(d.card); }},
        {"47", "rather than risk it in a later trick.", [](const Decision& d) { return d.opponentMayCatchAFive(); }},
        {"48", "An opponent was likely dealt many trumps ",
         [](const Decision& d) {
             return std::max(d.expectedDealt[static_cast<std::size_t>(d.left())],
                             d.expectedDealt[static_cast<std::size_t>(d.right())]) > 4.5f;
         }},
        {"48", "and could catch your five later: ", [](const Decision& d) { return d.opponentMayCatchAFive(); }},
        {"48", "play it now ", [](const Decision& d) { return isFive(d.card); }},
        {"48", "while your partner may still win the trick.", [](const Decision& d) { return d.partnerMayWin(); }},
        {"49", "No other five is out: ", [](const Decision& d) { return !d.out(RV) && !d.out(Rv); }},
        {"49", "play your small five now ", [](const Decision& d) { return d.card == Rv; }},
        {"49", "while your partner may still win the trick.", [](const Decision& d) { return d.partnerMayWin(); }},
        {"77", "The other five is still out: ", [](const Decision& d) { return d.holds(Rv) && d.out(RV); }},
        {"77", "keep the point card that would take this trick to catch it. ",
         [](const Decision& d) { return d.last() && d.opponentOnTop() && d.keepsAPointCardForTheFive(); }},
        {"77", "Your lowest card, the small five, goes to the opponents.",
         [](const Decision& d) {
             return d.card == Rv && d.card == d.lowestHeld() && d.last() && d.opponentOnTop() && d.givesAway();
         }},
        {"50", "Your partner was likely dealt many trumps ",
         [](const Decision& d) { return d.expectedDealt[static_cast<std::size_t>(d.partner())] > 3.5f; }},
        {"50", "and may win this trick: ",
         [](const Decision& d) { return d.mayPlay(d.partner()) && d.unseenAbove(std::max(d.top(), d.card)); }},
        {"50", "put your 10 or jack on it.", [](const Decision& d) { return d.card == R10 || d.card == RJ; }},
        {"51", "You have no sure winner: ", [](const Decision& d) { return d.unseenAbove(d.highestHeld()); }},
        {"51", "play your second-highest trump ",
         [](const Decision& d) { return d.held().size() > 1 && d.card == d.secondHighestHeld(); }},
        {"51", "and keep your highest for later.", [](const Decision& d) { return d.card != d.highestHeld(); }},
        {"52", "An opponent is above your partner's card with a low trump: ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed() && d.top() < R8; }},
        {"52", "play your highest ", [](const Decision& d) { return d.card == d.highestHeld(); }},
        {"52", "to leave the last opponent the most to beat.",
         [](const Decision& d) { return d.mayPlay(d.left()) && d.card == d.highestHeld() && d.beatsTop(d.card); }},
        {"53", "Your partner led ", [](const Decision& d) { return d.ledBy() == d.partner(); }},
        {"53", "and the trick has no points at stake: ", [](const Decision& d) { return d.trickPoints() == 0; }},
        {"53", "play a trump without points.", [](const Decision& d) { return !carriesPoints(d.card) && d.card != R2; }},
        {"54", "Your partner has no trumps ", [](const Decision& d) { return d.plainlyOut(d.partner()); }},
        {"54", "and no five is left to catch: ", [](const Decision& d) { return !d.fiveOut(); }},
        {"54", "play your lowest card.", [](const Decision& d) { return d.card == d.lowestHeld(); }},
        {"55", "Your partner holds the trick ", [](const Decision& d) { return d.partnerOnTop(); }},
        {"55", "and an opponent may still play: ",
         [](const Decision& d) { return d.anOpponentMayStillCome(); }},
        {"55", "put your king on it, ", [](const Decision& d) { return d.card == RK; }},
        {"55", "so the opponent must beat a king.", [](const Decision& d) { return d.top() < RK; }},
        {"56", "Your partner holds the trick ", [](const Decision& d) { return d.partnerOnTop(); }},
        {"56", "and a trump above your jack is still out: ", [](const Decision& d) { return d.unseenAbove(RJ); }},
        {"56", "put the jack on your partner's trick.", [](const Decision& d) { return d.card == RJ; }},
        {"57", "Early in the deal: ", [](const Decision& d) { return d.unseenCount() > 8; }},
        {"57", "play your lowest trump, the fives last, ",
         [](const Decision& d) { return d.card == d.firstByRankFivesLast(); }},
        {"57", "and keep the rest for better tricks.", [](const Decision& d) { return d.held().size() > 1; }},
        {"58", "The trick holds a point or two: ",
         [](const Decision& d) { return d.trickPoints() > 0 && d.trickPoints() < 5; }},
        {"58", "play your queen.", [](const Decision& d) { return d.card == RQ; }},
        {"59", "The trick holds a point or two: ",
         [](const Decision& d) { return d.trickPoints() > 0 && d.trickPoints() < 5; }},
        {"59", "play your highest trump other than the ace, the 10, the jack and the fives.",
         [](const Decision& d) { return d.card == d.highestPlainHeld(); }},
        {"60", "The trick stands at a jack or a queen ", [](const Decision& d) { return d.top() == RJ || d.top() == RQ; }},
        {"60", "and more cards may come: ", [](const Decision& d) { return d.moreMayCome(); }},
        {"60", "play your second-highest trump ",
         [](const Decision& d) { return d.held().size() > 1 && d.card == d.secondHighestHeld(); }},
        {"60", "and keep your highest.", [](const Decision& d) { return d.card != d.highestHeld(); }},
        {"61", "The trick stands at a jack or higher ", [](const Decision& d) { return d.top() >= RJ; }},
        {"61", "and more cards may come: ", [](const Decision& d) { return d.moreMayCome(); }},
        {"61", "take it with your ace, ", [](const Decision& d) { return d.card == RA; }},
        {"61", "which nothing can beat.", [](const Decision& d) { return d.card == RA; }},
        {"62", "Your highest trump is the queen: ", [](const Decision& d) { return d.highestHeld() == RQ; }},
        {"62", "lead your lowest card. ", [](const Decision& d) { return d.leads() && d.card == d.lowestHeld(); }},
        {"62", "Led now the queen may fall to the king or the ace.",
         [](const Decision& d) { return d.anOpponentMayTakeWith({RK, RA}); }},
        {"63", "An opponent is above your partner's card ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"63", "and the trick holds points: ", [](const Decision& d) { return d.trickPoints() > 0; }},
        {"63", "beat it with your highest card, ",
         [](const Decision& d) { return d.card == d.highestHeld() && d.beatsTop(d.card); }},
        {"63", "which has none. ", [](const Decision& d) { return !carriesPoints(d.card) && d.card != R2; }},
        {"63", "Only a higher trump takes them.", [](const Decision& d) { return d.beatsTop(d.card); }},
        {"64", "Your last trump: ", [](const Decision& d) { return d.held().size() == 1; }},
        {"64", "there is nothing to choose.", [](const Decision& d) { return d.held().size() == 1; }},
        {"65", "Lead the king: ", [](const Decision& d) { return d.leads() && d.card == RK; }},
        {"65", "only the ace is above it, ", [](const Decision& d) { return d.out(RA); }},
        {"65", "and once the ace has fallen your queen is the highest trump.", [](const Decision& d) { return d.holds(RQ); }},
        {"66", "You play last ", [](const Decision& d) { return d.last(); }},
        {"66", "and your partner has no trumps: ", [](const Decision& d) { return d.plainlyOut(d.partner()); }},
        {"66", "play your lowest card; ", [](const Decision& d) { return d.card == d.lowestHeld(); }},
        {"66", "your higher trumps are worth more in later tricks.",
         [](const Decision& d) { return d.keeps([&](int r) { return r > d.card; }); }},
        {"67", "Your partner has no trumps ", [](const Decision& d) { return d.plainlyOut(d.partner()); }},
        {"67", "and no five is left to catch: ", [](const Decision& d) { return !d.fiveOut(); }},
        {"67", "play your lowest card that is not a five.", [](const Decision& d) { return d.card == d.lowestNotFive(); }},
        {"68", "An opponent is above your partner's card ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"68", "but you lack the highest trump: ", [](const Decision& d) { return !d.isHighestLeft(d.highestHeld()); }},
        {"68", "play your highest card without points ",
         [](const Decision& d) { return d.card == d.highestPlainHeld(); }},
        {"68", "and keep your highest for later.", [](const Decision& d) { return d.card < d.highestHeld(); }},
        {"69", "Beat the opponent's card with the lowest trump that does: ",
         [](const Decision& d) { return d.opponentOnTop() && d.card == d.lowestAbove(d.top()); }},
        {"69", "the next opponent has no trumps ", [](const Decision& d) { return d.plainlyOut(d.left()); }},
        {"69", "and your partner may still play after you.", [](const Decision& d) { return d.mayPlay(d.partner()); }},
        {"70", "Only your highest card beats the lead: ",
         [](const Decision& d) { return d.opponentOnTop() && d.onlyHighestBeats(); }},
        {"70", "play it. ", [](const Decision& d) { return d.card == d.highestHeld(); }},
        {"70", "Only a higher trump can then take the trick.", [](const Decision& d) { return d.beatsTop(d.card); }},
        {"71", "The trick holds a point or two ",
         [](const Decision& d) { return d.trickPoints() > 0 && d.trickPoints() < 5; }},
        {"71", "and all your trumps carry points: ",
         [](const Decision& d) { return std::all_of(d.held().begin(), d.held().end(), carriesPoints); }},
        {"71", "beat it with your highest.",
         [](const Decision& d) { return d.card == d.highestHeld() && d.beatsTop(d.card); }},
        {"72", "An opponent is above your partner's card ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"72", "and nobody plays after you: ", [](const Decision& d) { return d.last() && d.plainlyOut(d.left()); }},
        {"72", "take the trick with your highest card.",
         [](const Decision& d) { return d.card == d.highestHeld() && d.beatsTop(d.card); }},
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
        d.countedOut[static_cast<std::size_t>(s)] = SeatIsCold(s);
        d.expectedDealt[static_cast<std::size_t>(s)] = CardsExpected(s);
        d.seenPlayed[static_cast<std::size_t>(s)] = SeatCardsPlayed[static_cast<std::size_t>(s)];
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

// Each code's clauses, in the order of its text.
std::map<std::string, std::vector<const Clause*>> clausesByCode() {
    std::map<std::string, std::vector<const Clause*>> byCode;
    for (const Clause& c : clauses()) byCode[c.code].push_back(&c);
    return byCode;
}

// Each code's clauses, in order, are its English text, word for word: a
// clause left out of the table, or one the text no longer holds, fails.
TEST(ExplanationClaims, EachCodesClausesMakeUpItsWholeEnglishText) {
    std::map<std::string, std::string> joined;
    for (const Clause& c : clauses()) joined[c.code] += c.text;
    const std::string path = DefaultInstallFolder() + "Suggestion.txt";
    for (const auto& [code, text] : joined)
        EXPECT_EQ(text, LookupSuggestionText(path, "<INPLAY>", code, "<ENGLISH>")) << "code " << code;
}

// The deals nobody tuned the rules on, every seat by the shipped rules.
TEST(ExplanationClaims, EveryClauseHoldsForTheTableItIsShownWith) {
    TestTable t(5);
    Main& m = t.m();
    for (auto& h : m.Hand) h.myPlayAI = "LumraPlayRulesAI.TXT";
    const auto byCode = clausesByCode();
    std::map<std::string, int> shown;
    std::map<const Clause*, int> untrue;
    std::map<const Clause*, std::string> firstUntrue;
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
            for (const Clause* c : it->second)
                if (!c->holds(d) && ++untrue[c] == 1)
                    firstUntrue[c] = "deal " + std::to_string(deal) + ": " + describe(d);
        });
    }
    // A code that is never shown checks nothing; a code without clauses
    // goes unchecked.
    for (const auto& [code, uses] : shown) EXPECT_TRUE(byCode.count(code)) << "no clauses for code " << code;
    for (const auto& [code, rows] : byCode) {
        EXPECT_GT(shown[code], 0) << "never shown: code " << code;
        for (const Clause* c : rows)
            EXPECT_EQ(untrue[c], 0) << "code " << code << " \"" << c->text << "\" untrue in " << untrue[c] << " of "
                                    << shown[code] << " uses; first: " << firstUntrue[c];
    }
}

// Tables the deals of the walk seldom or never reach, each laid by hand:
// the trumps of seats 0 to 3, the bidder (who leads), the cards played
// before the decision in turn, and the card and code the seat is shown.
struct LaidTable {
    const char* what;
    std::array<std::vector<int>, 4> hands;
    int bidder = 0;
    int bid = 0;
    std::vector<int> before;
    const char* code;
    int card = 0;
};

const std::vector<LaidTable>& laidTables() {
    static const std::vector<LaidTable> tables = {
        // Codes 10 to 29.
        {"the partner was passed over in the first trick and the seat leads its highest trump again",
         {{{RA, RK, R3}, {R2, R4, R6, R7}, {}, {Rv, RV, R9, R10, RJ, RQ}}}, 0, 8, {RA, R2, Rv}, "73", RK},
        {"late in the deal the seat leads from a 7 without a high card",
         {{{R3, R7, R10}, {RA, R4}, {R6}, {RQ, R9}}}, 0, 7, {}, "74", R7},
        {"second to play with two trumps after the next opponent was passed over",
         {{{RA, R4, R7}, {R2, R6, RJ}, {}, {R3, RQ, RK}}}, 0, 7, {RA, R2, R3, R4}, "28", RJ},

        // Codes 30 to 49.
        {"the bidder leads from a five and one other card after the opponent on its right was passed over",
         {{{RA, R3, RV}, {R2, R4, RK}, {R6, R10, RQ}, {}}}, 0, 8, {RA, R2, R6}, "85", R3},
        {"the seat has led its ace and leads again from the king and the queen",
         {{{RA, RK, RQ, R3}, {R2, R7, R8}, {R4, R10, Rv}, {R6, R9, RV}}}, 0, 8, {RA, R2, R4, R6}, "43", RK},
        {"the seat's cheapest card is its king, the highest trump left, and its jack stays",
         {{{R2, RJ, RK}, {RV, R7, RQ, R6}, {RA, R10, Rv}, {R3, R4, R8}}}, 2, 8, {RA, R4, R2, R7, R10, R3}, "37", RK},
        {"the seat's cheapest card is its ace and only the small five stays",
         {{{RV, RQ, RK}, {R10, RJ, R8}, {R6, R7}, {Rv, RA}}}, 1, 8, {R10, R6}, "37", RA},
        {"the seat leads the 10 with its partner dealt no trumps",
         {{{R2, R4, R7, R9, RK}, {RA, R6, R8, R10}, {R3, Rv, RV, RJ, RQ}, {}}}, 0, 8, {R2, RA, R3}, "42", R10},

        // Codes 50 to 72.
        {"the partner leads the jack; the next opponent played its last trump in the first trick and is not yet known to be out",
         {{{R4, R8, RA, Rv}, {R6, R9, RK}, {R7}, {RQ, RJ, R10, RV}}}, 3, 8, {RQ, R4, R6, R7, RJ, R8}, "55", RK},
        {"only the highest of two trumps beats the lead and the next opponent was passed over in the first trick",
         {{{RA, R6, R7, R9}, {R3, R4, R8}, {}, {R2, RK, RQ, R10}}}, 0, 8, {RA, R3, R2, R6}, "70", R8},
    };
    return tables;
}

TEST(ExplanationClaims, EveryClauseHoldsAtTablesLaidByHand) {
    TestTable t(5);
    Main& m = t.m();
    for (auto& h : m.Hand) h.myPlayAI = "LumraPlayRulesAI.TXT";
    const auto byCode = clausesByCode();
    for (const LaidTable& table : laidTables()) {
        playsim::DealResult r;
        playsim::dealTrumps(m, table.hands, 1, table.bidder, table.bid, r);
        bool decided = false;
        playsim::playOut(
            m, r,
            [&] {
                if (decided) return;
                decided = true;
                const Decision d = decisionAt(m, r);
                EXPECT_EQ(SuggestText, table.code) << table.what << ": " << describe(d);
                EXPECT_EQ(RankNameOf(d.card), RankNameOf(table.card)) << table.what;
                const auto clausesShown = byCode.find(SuggestText);
                if (clausesShown == byCode.end()) {
                    ADD_FAILURE() << table.what << ": no clauses for code " << SuggestText;
                    return;
                }
                for (const Clause* c : clausesShown->second)
                    EXPECT_TRUE(c->holds(d)) << table.what << ": code " << SuggestText << " \"" << c->text
                                             << "\" untrue; " << describe(d);
            },
            table.before);
        EXPECT_TRUE(decided) << table.what;
    }
}

}  // namespace
