#pragma once
// Deals and plays whole deals at a test table with the play engine deciding
// for every seat. Each seat is treated as the human's for the engine, so the
// engine only names its card (SuggestedCardIndex) and the simulation plays
// it and keeps the play state as trick play does. Used to check the shipped
// rules over many deals and to compare rule files.

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "EngineBridge.h"
#include "Main.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleDriver.h"

namespace playsim {

struct DealResult {
    std::array<int, 2> points{};  // side 0 = seats 0 and 2, side 1 = seats 1 and 3, before any set-back
    int bidder = 0;
    int bid = 0;
    bool contractMade = false;
    int decisions = 0;
    int defaultPlays = 0;
    bool chosenCardNotHeld = false;
};

inline int sideOf(int seat) { return (seat & 1); }

inline int trumpCount(const KortHand& h, int colour) {
    int n = 0;
    for (const Kort* k : h.colHand)
        if (IsTrump(*k, colour)) ++n;
    return n;
}

inline void addCard(KortHand& h, Kort* k) {
    Kort* p = k;
    h.AddACardOSort(p, false);
}

inline void removeNonTrumps(KortHand& h, int colour) {
    for (int i = h.colHand.Count(); i >= 1; --i)
        if (!IsTrump(*h.colHand.Item(i), colour)) h.TakeACard(i);
}

// Surplus trumps go out of play lowest first; the ace, ten, jack, 2 and the
// fives never do. Returns the ranks put out.
inline std::vector<short> dropSurplus(KortHand& h, int colour) {
    static const std::array<int, 8> order = {2, 3, 6, 7, 8, 9, 12, 13};
    std::vector<short> out;
    for (int rank : order) {
        if (trumpCount(h, colour) <= 6) break;
        for (int i = 1; i <= h.colHand.Count(); ++i) {
            Kort* k = h.colHand.Item(i);
            if (IsTrump(*k, colour) && k->Rang == rank) {
                h.TakeACard(i);
                PlayCardFlags[rank] = -1;
                out.push_back(static_cast<short>(rank));
                break;
            }
        }
    }
    return out;
}

// A deal as the table deals it: nine cards each, the seat with the longest
// colour bids, non-trumps go, the three others fill up to six from the
// pack, the dealer (seat 0) takes the rest; surplus trumps go out of play.
inline void deal(Main& m, std::mt19937& g, DealResult& r) {
    ResetPlayState();
    RankPlayedInTrick.fill(-1);
    for (auto& h : m.Hand) h.ClearHand();
    std::vector<int> order(52);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), g);
    std::size_t next = 0;
    for (int round = 0; round < 9; ++round)
        for (int s = 1; s <= 4; ++s) addCard(m.Hand[s & 3], m.Packe.CardByNr(order[next++]));

    int best = -1, bestColour = 1;
    for (int s = 1; s <= 4; ++s)
        for (int c = 0; c < 4; ++c) {
            const int colour = 1 << c;
            m.Packe.ValjFarg(colour);
            const int n = trumpCount(m.Hand[s & 3], colour);
            if (n > best) {
                best = n;
                bestColour = colour;
                r.bidder = s & 3;
            }
        }
    r.bid = std::clamp(best + 3, 6, 14);
    m.gbFarg = bestColour;
    m.Packe.ValjFarg(bestColour);
    m.gbHogstaBudet = static_cast<short>(r.bid);
    m.gbBjuditHogst = r.bidder;

    for (int s = 1; s <= 3; ++s) {
        KortHand& h = m.Hand[s];
        removeNonTrumps(h, bestColour);
        const int t = trumpCount(h, bestColour);
        TrumpsBeforeBuying[s] = static_cast<short>(t);
        TrumpsSeenBySelf[s] = TrumpsSeenByOthers[s] = static_cast<float>(t);
        while (h.colHand.Count() < 6 && next < order.size()) addCard(h, m.Packe.CardByNr(order[next++]));
        const int after = trumpCount(h, bestColour);
        if (after >= 7) {
            TrumpsSeenBySelf[s] = TrumpsSeenByOthers[s] = static_cast<float>(after);
            dropSurplus(h, bestColour);
        }
        removeNonTrumps(h, bestColour);
    }
    KortHand& dealer = m.Hand[0];
    while (next < order.size()) addCard(dealer, m.Packe.CardByNr(order[next++]));
    removeNonTrumps(dealer, bestColour);
    const int t = trumpCount(dealer, bestColour);
    if (t > 6) {
        TrumpsBeforeBuying[0] = static_cast<short>(t);
        TrumpsSeenBySelf[0] = TrumpsSeenByOthers[0] = static_cast<float>(t);
        dropSurplus(dealer, bestColour);
    } else {
        TrumpsBeforeBuying[0] = -1;
    }
}

inline int firstTrump(const KortHand& h, int colour) {
    for (int i = 1; i <= h.colHand.Count(); ++i)
        if (IsTrump(*h.colHand.Item(i), colour)) return i;
    return 0;
}

// The card leaves the hand and enters the play state, as a seat's play and
// trick play record it.
inline void playCard(Main& m, int seat, int idx) {
    Kort* k = m.Hand[seat].TakeACard(idx);
    ++CardsPlayedCount;
    const short rank = k->Rang;
    PlayCardFlags[rank] = -1;
    RankPlayedInTrick[rank] = TrickCount;
    ++SeatCardsPlayed[seat];
    if (TrickCount >= 0 && TrickCount < 7) TrickRangHistory[seat][TrickCount] = rank;
    NoteWithheldFive(rank);
    RoundDataRang[seat] = rank;
    RoundDataPoang[seat] = k->Poang;
    RoundDataTyp[seat] = k->Typ;
}

inline void endTrick(std::array<int, 2>& points) {
    RecordTrickSummary();
    int winner = 0, trickPoints = 0;
    bool ace = false;
    for (int s = 0; s < 4; ++s) {
        if (RoundDataRang[s] > RoundDataRang[winner]) winner = s;
        trickPoints += RoundDataPoang[s];
        if (RoundDataRang[s] == 14) ace = true;
        if (RoundDataRang[s] == 1) ++points[sideOf(s)];
    }
    points[sideOf(winner)] += trickPoints;
    ContestedPointsLeft = static_cast<short>(ContestedPointsLeft - trickPoints + (ace ? 1 : 0));
    DealPointsVi = static_cast<short>(points[0]);
    DealPointsDe = static_cast<short>(points[1]);
    CurrentSeat = TrickLeader = winner;
    RoundDataRang.fill(0);
    RoundDataPoang.fill(0);
    RoundDataTyp.fill("");
    ++TrickCount;
    TopRankLeft = 0;
    for (short r = 14; r >= 0; --r)
        if (PlayCardFlags[r] == 0) {
            TopRankLeft = r;
            break;
        }
}

// The play state as the first trick begins: the leader leads and every point
// and rank is still to be played for.
inline void startTrickPlay(int leader) {
    CurrentSeat = TrickLeader = leader;
    TrickCount = 1;
    PointsNotTaken = 14;
    ContestedPointsLeft = 12;
    TopRankLeft = 14;
}

// A table laid by hand: each seat's trumps by rank (seats 0 to 3), the
// rest out of play, as a deal after buying leaves it. The bidder leads the
// first trick; what each seat is thought to hold is the count it was dealt.
inline void dealTrumps(Main& m, const std::array<std::vector<int>, 4>& ranks, int colour, int bidder, int bid,
                       DealResult& r) {
    ResetPlayState();
    RankPlayedInTrick.fill(-1);
    for (auto& h : m.Hand) h.ClearHand();
    m.Packe.ValjFarg(colour);
    m.gbFarg = colour;
    r.bidder = bidder;
    r.bid = bid;
    m.gbHogstaBudet = static_cast<short>(bid);
    m.gbBjuditHogst = bidder;
    for (int rank = 1; rank <= 14; ++rank) PlayCardFlags[rank] = -1;
    for (int s = 0; s < 4; ++s) {
        for (int rank : ranks[static_cast<std::size_t>(s)])
            for (int nr = 0; nr < 52; ++nr) {
                Kort* k = m.Packe.CardByNr(nr);
                if (!IsTrump(*k, colour) || k->Rang != rank) continue;
                addCard(m.Hand[s], k);
                PlayCardFlags[rank] = 0;
            }
        const auto n = static_cast<short>(ranks[static_cast<std::size_t>(s)].size());
        TrumpsBeforeBuying[s] = n;
        TrumpsSeenBySelf[s] = TrumpsSeenByOthers[s] = n;
    }
}

inline int trumpOfRank(const KortHand& h, int colour, int rank) {
    for (int i = 1; i <= h.colHand.Count(); ++i)
        if (IsTrump(*h.colHand.Item(i), colour) && h.colHand.Item(i)->Rang == rank) return i;
    return 0;
}

// Plays the dealt hands out; the engine decides every card but the first
// ones given by rank (from a rank the seat to play does not hold on, the
// engine decides them all).
// The observer, when given, sees each decision of the engine before its
// card is played.
inline void playOut(Main& m, DealResult& r, const std::function<void()>& observe = {},
                    const std::vector<int>& forced = {}) {
    std::size_t nextForced = 0;
    const int colour = m.gbFarg;
    startTrickPlay(r.bidder);
    for (auto& h : m.Hand) h.mySpelarTyp = 1;
    std::array<int, 2> points{};
    for (int trick = 0; trick < 8; ++trick) {
        bool anyCard = false;
        for (int turn = 0; turn < 4; ++turn) {
            const int seat = static_cast<int>(CurrentSeat);
            KortHand& h = m.Hand[seat];
            if (firstTrump(h, colour) == 0) {
                SeatOutFlags[seat] = -1;
            } else if (nextForced < forced.size() && trumpOfRank(h, colour, forced[nextForced])) {
                playCard(m, seat, trumpOfRank(h, colour, forced[nextForced++]));
                anyCard = true;
            } else {
                nextForced = forced.size();
                SuggestedCardIndex = -1;
                ChoosePlayCard(seat);
                ++r.decisions;
                if (observe) observe();
                if (RuleTrace == "[DEFAULT]") ++r.defaultPlays;
                int idx = SuggestedCardIndex;
                if (idx <= 0 || idx > h.colHand.Count() || !IsTrump(*h.colHand.Item(idx), colour)) {
                    r.chosenCardNotHeld = true;
                    idx = firstTrump(h, colour);
                }
                playCard(m, seat, idx);
                anyCard = true;
            }
            CurrentSeat = NextSeat(CurrentSeat);
        }
        if (!anyCard) break;
        endTrick(points);
    }
    r.points = points;
    const int bidSide = sideOf(r.bidder);
    r.contractMade = points[bidSide] >= r.bid;
}

}  // namespace playsim
