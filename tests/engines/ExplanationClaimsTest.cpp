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

    // Facts of the clauses of codes 10 to 29.

    // Neither gone nor in the seat's hand: in a hand the seat cannot see.
    bool unseen(int r) const { return !isGone(r) && !holds(r); }
    // Every trump above the rank is gone or the seat's own: the seat knows
    // no other hand can beat it.
    bool knownHighest(int r) const {
        for (int above = r + 1; above <= RA; ++above)
            if (unseen(above)) return false;
        return true;
    }
    bool unseenAbove(int r) const {
        for (int above = r + 1; above <= RA; ++above)
            if (unseen(above)) return true;
        return false;
    }
    // Still to come in this trick as far as the seat can tell: no card yet,
    // neither passed over nor counted out of trumps.
    bool mayStillCome(int s) const {
        return mayStillPlay(s) && !countedOut[static_cast<std::size_t>(s)];
    }
    bool anOpponentMayStillCome() const { return mayStillCome(left()) || mayStillCome(right()); }
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
    // The trumps still out in the other hands as the seat can count them.
    int unseenCount() const {
        int n = 0;
        for (int r = R2; r <= RA; ++r)
            if (unseen(r)) ++n;
        return n;
    }
    // The points the seat's side will have whatever comes, besides those it
    // has taken: the partner's ace and 2 in this trick, the seat's own ace and
    // 2, and a 10 or a jack of the seat's that nothing left can beat.
    int surePointsOfSide() const {
        int n = aceAndTwoOf(partner(), seat) + (holds(RA) ? 1 : 0) + (holds(R2) ? 1 : 0);
        for (int r : {R10, RJ})
            if (holds(r) && knownHighest(r)) ++n;
        return n;
    }

    // Facts of the clauses of codes 30 to 49.

    // Facts of the clauses of codes 50 to 72.
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
        {"11", "put your points on it.", [](const Decision& d) { return pointsOf(d.card) > 0; }},
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
             if (!d.mayStillCome(d.partner())) return false;
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
         [](const Decision& d) { return d.card > d.top() && d.mayStillCome(d.left()); }},
        {"24", "An opponent is above your partner's card ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"24", "and the trick holds points: ", [](const Decision& d) { return d.trickPoints() > 0; }},
        {"24", "play your highest card ",
         [](const Decision& d) { return d.card == d.highestHeld() && d.card > d.top(); }},
        {"24", "to leave the last opponent the most to beat.",
         [](const Decision& d) { return d.mayStillCome(d.left()); }},
        {"25", "An opponent is above your partner's card: ",
         [](const Decision& d) { return d.opponentOnTop() && d.partnerPlayed(); }},
        {"25", "win the trick back as cheaply as you can.",
         [](const Decision& d) { return d.card > d.top() && d.card == d.cheapestAboveFivesLast(); }},
        {"26", "Keep the fives for a trick your side is sure to take: ",
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
         [](const Decision& d) { return d.mayStillCome(d.partner()) && d.unseenAbove(d.card); }},
        {"73", "Lead your highest trump: ",
         [](const Decision& d) { return d.leads() && d.card == d.highestHeld(); }},
        {"73", "it takes the trick.", [](const Decision& d) { return d.knownHighest(d.card); }},
        {"74", "Late in the deal: ", [](const Decision& d) { return d.unseenCount() < 6; }},
        {"74", "lead your highest card without points.",
         [](const Decision& d) { return d.leads() && !carriesPoints(d.card) && d.card == d.highestPlainHeld(); }},
        {"30", "Your partner led and the opponent before you has no trumps: play your highest card. The last player must spend a higher trump or lose the trick.",
         [](const Decision& d) {
             return d.ledBy() == d.partner() && !d.hasTrumps(d.right()) && d.card == d.highestHeld() &&
                    d.mayStillPlay(d.left());
         }},
        {"31", "Give away your cheapest card and keep the better ones.", [](const Decision& d) { return d.card == d.firstCheapest(); }},
        {"32", "Your partner has no trumps left: beat the lead as cheaply as you can, with a five only if nothing else does. The next opponent must then go higher.",
         [](const Decision& d) {
             return !d.hasTrumps(d.partner()) && d.opponentOnTop() && d.card == d.cheapestAboveFivesLast() &&
                    d.mayStillPlay(d.left());
         }},
        {"33", "The lead carries points: beat it as cheaply as you can, with a five only if nothing else does. A five is lost with the points if the next opponent beats it.",
         [](const Decision& d) {
             return d.opponentOnTop() && d.trickPoints() > 0 && d.card == d.cheapestAboveFivesLast();
         }},
        {"34", "Your partner holds the trick: play your lowest card, the 10 and the jack before the queen and the king. Their point may come home; keep the higher cards.",
         [](const Decision& d) {
             return d.partnerOnTop() && d.card == d.firstByRankFivesLast();
         }},
        {"35", "You play last and could take the trick with a point card, but a five is still out: keep the point card to catch it and give away your lowest card.",
         [](const Decision& d) {
             bool keptWinner = false;
             for (int r : d.held())
                 if (pointsOf(r) > 0 && r > d.top() && r != d.card) keptWinner = true;
             return d.last() && d.opponentOnTop() && keptWinner && d.fiveOut() && d.card == d.lowestHeld();
         }},
        {"36", "You play last and your partner has no trumps: play your lowest card and keep the fives; your higher trumps are worth more in later tricks.",
         [](const Decision& d) {
             return d.last() && !d.hasTrumps(d.partner()) && d.holdsFive() && d.card == d.lowestNotFive();
         }},
        {"37", "Your partner's trick holds only a point or two and a five is still out: keep your highest trump to catch the five and give away your cheapest card.",
         [](const Decision& d) {
             bool keepsTop = false;
             for (int r : d.held())
                 if (r != d.card && d.isHighestLeft(r)) keepsTop = true;
             return d.partnerOnTop() && d.trickPoints() > 0 && d.trickPoints() < 5 && d.fiveOut() && keepsTop &&
                    d.card == d.firstCheapest();
         }},
        {"38", "Your side holds the contract and the last opponent likely has few trumps: lead your cheapest card and keep a five for a trick your side takes.",
         [](const Decision& d) {
             const int kept = *d.held().begin() == d.card ? *d.held().rbegin() : *d.held().begin();
             return d.bidders && d.leads() && d.held().size() == 2 && isFive(kept) && d.card == d.firstCheapest();
         }},
        {"39", "Your highest trump is the queen: lead your lowest card and keep your small five. Led now the queen would only draw the king or the ace.",
         [](const Decision& d) {
             return d.leads() && d.highestHeld() == RQ && d.holds(Rv) && d.card == d.lowestNotFive() && d.card != RQ &&
                    (d.out(RK) || d.out(RA));
         }},
        {"40", "All your trumps are low: lead your second-highest card and keep your highest for a later trick.",
         [](const Decision& d) { return d.leads() && d.highestHeld() < R10 && d.card == d.secondHighestHeld(); }},
        {"41", "Lead the queen: an opponent must spend the king or the ace to take it, or your partner can win the trick.",
         [](const Decision& d) { return d.leads() && d.card == RQ && (d.out(RK) || d.out(RA)); }},
        {"42", "Lead the 10: it asks the opponents for a high trump and its point may come home with your partner.", [](const Decision& d) { return d.leads() && d.card == R10; }},
        {"43", "Lead the king: the ace is gone and you hold the queen too, so after the king your queen is the highest trump.",
         [](const Decision& d) { return d.leads() && d.card == RK && d.holds(RQ) && d.isGone(RA); }},
        {"44", "Lead the jack: you hold the 10 as well, and every high trump the jack draws makes your 10 stronger.",
         [](const Decision& d) { return d.leads() && d.card == RJ && d.holds(R10); }},
        {"45", "You are defending with three trumps: lead your five now while your partner may still win it. Kept back it may fall to the bidders later.",
         [](const Decision& d) {
             return !d.bidders && d.leads() && d.held().size() == 3 && isFive(d.card) && d.mayStillPlay(d.partner());
         }},
        {"46", "An opponent is above your partner's card but you lack the highest trump: play a high card without points and keep your best cards for the fives.",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && !d.isHighestLeft(d.highestHeld()) &&
                    d.card == d.highestPlainHeld() && d.card != d.highestHeld() && d.fiveOut();
         }},
        {"47", "Early in the deal your partner holds the trick: put your five on it now rather than risk it in a later trick.",
         [](const Decision& d) { return d.partnerOnTop() && isFive(d.card); }},
        {"48", "An opponent likely still holds many trumps and could catch your five later: play it now while your partner still plays after you.",
         [](const Decision& d) { return isFive(d.card) && d.mayStillPlay(d.partner()); }},
        {"49", "No other five is out: play your small five now while your partner still plays after you and can win the trick.",
         [](const Decision& d) { return d.card == Rv && !d.out(RV) && d.mayStillPlay(d.partner()); }},
        {"50", "Your partner likely still has many trumps and may win this trick: put your 10 or jack on it.",
         [](const Decision& d) { return (d.card == R10 || d.card == RJ) && d.mayStillPlay(d.partner()); }},
        {"51", "You have no sure winner: play your second-highest trump and keep your highest for later.",
         [](const Decision& d) {
             return !d.isHighestLeft(d.highestHeld()) && d.card == d.secondHighestHeld();
         }},
        {"52", "An opponent is above your partner's card with a low trump: play your highest. A cheap card would only be beaten by the last opponent.",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && d.top() < R8 && d.card == d.highestHeld() &&
                    d.mayStillPlay(d.left());
         }},
        {"53", "Your partner led and the trick has no points: play a trump without points and keep your point cards for tricks that carry points.",
         [](const Decision& d) {
             return d.ledBy() == d.partner() && d.trickPoints() == 0 && !carriesPoints(d.card);
         }},
        {"54", "Your partner has no trumps and no five is left to catch: play your lowest card. Your trumps are not high enough to hold the trick.",
         [](const Decision& d) { return !d.hasTrumps(d.partner()) && !d.fiveOut() && d.card == d.lowestHeld(); }},
        {"55", "Your partner holds the trick and an opponent is still to play: put your king on it, so the opponent must beat a king.",
         [](const Decision& d) {
             return d.partnerOnTop() && d.card == RK && (d.mayStillPlay(d.left()) || d.mayStillPlay(d.right()));
         }},
        {"56", "Your partner holds the trick and your jack is unlikely to win a trick of its own: put it on your partner's trick.", [](const Decision& d) { return d.partnerOnTop() && d.card == RJ; }},
        {"57", "Nothing to win here: give away your lowest trump. The fives and the higher trumps wait for better tricks.",
         [](const Decision& d) { return d.card == d.firstByRankFivesLast(); }},
        {"58", "The trick holds a point or two: play your queen and keep your other high trumps.",
         [](const Decision& d) {
             return d.trickPoints() > 0 && d.trickPoints() < 5 && d.card == RQ;
         }},
        {"59", "The trick holds a point or two: play your highest trump without points and keep your point cards.",
         [](const Decision& d) {
             return d.trickPoints() > 0 && d.trickPoints() < 5 && d.card == d.highestPlainHeld();
         }},
        {"60", "The trick stands at a jack or a queen and more cards are to come: play your second-highest trump and keep your highest.",
         [](const Decision& d) {
             const bool more = d.mayStillPlay(d.left()) || d.mayStillPlay(d.partner()) || d.mayStillPlay(d.right());
             return (d.top() == RJ || d.top() == RQ) && more && d.card == d.secondHighestHeld();
         }},
        {"61", "The trick stands at a jack or higher and more cards are to come: take it with your ace, which nothing can beat.",
         [](const Decision& d) {
             const bool more = d.mayStillPlay(d.left()) || d.mayStillPlay(d.partner()) || d.mayStillPlay(d.right());
             return d.top() >= RJ && more && d.card == RA;
         }},
        {"62", "Your highest trump is the queen: lead your lowest card. Led now the queen would only draw the king or the ace.",
         [](const Decision& d) {
             return d.leads() && d.highestHeld() == RQ && !d.holdsFive() && d.card == d.lowestHeld() &&
                    (d.out(RK) || d.out(RA));
         }},
        {"63", "An opponent is above your partner's card and the trick holds points: beat it with your highest card, which has none. Only a higher trump takes them.",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && d.trickPoints() > 0 && d.card == d.highestHeld() &&
                    !carriesPoints(d.card) && d.card > d.top();
         }},
        {"64", "Your last trump: there is nothing to choose.", [](const Decision& d) { return d.held().size() == 1; }},
        {"65", "Lead the king: only the ace is above it, and once the ace has fallen your queen is the highest trump.",
         [](const Decision& d) { return d.leads() && d.card == RK && d.holds(RQ) && d.out(RA); }},
        {"66", "You play last and your partner has no trumps: play your lowest card; your higher trumps are worth more in later tricks.",
         [](const Decision& d) {
             return d.last() && !d.hasTrumps(d.partner()) && !d.holdsFive() && d.card == d.lowestHeld();
         }},
        {"67", "Your partner has no trumps and no five is left to catch: play your lowest card that is not a five. Your trumps are not high enough to hold the trick.",
         [](const Decision& d) {
             return !d.hasTrumps(d.partner()) && !d.fiveOut() && d.holdsFive() && !isFive(d.card) &&
                    d.card == d.lowestNotFive();
         }},
        {"68", "An opponent is above your partner's card but you lack the highest trump: play a high card without points and keep your best cards for later tricks.",
         [](const Decision& d) {
             return d.opponentOnTop() && d.partnerPlayed() && !d.isHighestLeft(d.highestHeld()) &&
                    d.card == d.highestPlainHeld() && d.card != d.highestHeld();
         }},
        {"69", "Beat the opponent's card with the lowest trump that does: the next opponent has no trumps and your partner plays last.",
         [](const Decision& d) {
             return d.opponentOnTop() && d.card == *d.held().upper_bound(d.top()) && !d.hasTrumps(d.left()) &&
                    d.mayStillPlay(d.partner());
         }},
        {"70", "Only your highest card beats the lead: play it. The next opponent can then take the trick only with a higher trump.",
         [](const Decision& d) {
             for (int r : d.held())
                 if (r > d.top() && r != d.card) return false;
             return d.opponentOnTop() && d.card == d.highestHeld() && d.card > d.top();
         }},
        {"71", "The trick holds a point or two and all your trumps carry points: beat it with your highest.",
         [](const Decision& d) {
             return d.trickPoints() > 0 && d.trickPoints() < 5 && d.highestPlainHeld() == 0 &&
                    d.card == d.highestHeld() && d.card > d.top();
         }},
        {"72", "An opponent is above your partner's card and nobody plays after you: take the trick with your highest card.",
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
    std::map<std::string, std::vector<const Clause*>> byCode;
    for (const Clause& c : clauses()) byCode[c.code].push_back(&c);
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

        // Codes 50 to 72.

        {"the seat has led its ace and leads again from the king and the queen",
         {{{RA, RK, RQ, R3}, {R2, R7, R8}, {R4, R10, Rv}, {R6, R9, RV}}}, 0, 8, {RA, R2, R4, R6}, "43", RK},
    };
    return tables;
}

TEST(ExplanationClaims, EveryClauseHoldsAtTablesLaidByHand) {
    TestTable t(5);
    Main& m = t.m();
    for (auto& h : m.Hand) h.myPlayAI = "LumraPlayRulesAI.TXT";
    std::map<std::string, std::vector<const Clause*>> byCode;
    for (const Clause& c : clauses()) byCode[c.code].push_back(&c);
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
                for (const Clause* c : byCode[SuggestText])
                    EXPECT_TRUE(c->holds(d)) << table.what << ": code " << SuggestText << " \"" << c->text
                                             << "\" untrue; " << describe(d);
            },
            table.before);
        EXPECT_TRUE(decided) << table.what;
    }
}

}  // namespace
