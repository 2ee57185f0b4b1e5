#include "DealReplay.h"

#include "BuiltinFacts.h"
#include "EngineBridge.h"
#include "Main.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "PlayTestSimulation.h"
#include "Rng.h"
#include "RuleDriver.h"
#include "RuleValueTable.h"

namespace {

referee::RankSet trumpsOf(const KortHand& h, int colour) {
    referee::RankSet s = 0;
    for (const Kort* k : h.colHand)
        if (IsTrump(*k, colour) && k->Rang >= 1 && k->Rang <= 14) s = static_cast<referee::RankSet>(s | referee::RankBit(k->Rang));
    return s;
}

// The name of the rule that chose the card: the last bracketed name of the
// trace (a rule that played nothing may stand in front of it).
std::string ruleOf(const std::string& trace, const std::string& code) {
    const std::size_t open = trace.rfind('[');
    const std::size_t close = trace.find(']', open == std::string::npos ? 0 : open);
    std::string name = open == std::string::npos || close == std::string::npos ? trace : trace.substr(open + 1, close - open - 1);
    return code.empty() ? name : code + " " + name;
}

// A take-over spot: the partner holds a trick with points, an opponent is
// still to play, and the seat holds the highest trump still out, which is
// above the partner's card (a partner's card above everything still out can
// not be taken from the side, so nothing is there to take over).
bool isTakeOverSpot(const referee::Position& p, int seat) {
    const int partner = (seat + 2) & 3;
    if (RoundDataRang[static_cast<std::size_t>(partner)] == 0 || p.winner != partner || p.trickPoints <= 0) return false;
    bool opponentToPlay = false;
    for (int opp : {(seat + 1) & 3, (seat + 3) & 3})
        if (RoundDataRang[static_cast<std::size_t>(opp)] == 0 && p.hands[static_cast<std::size_t>(opp)] != 0) opponentToPlay = true;
    if (!opponentToPlay) return false;
    referee::RankSet all = 0;
    for (referee::RankSet h : p.hands) all = static_cast<referee::RankSet>(all | h);
    int top = 14;
    while (top > 0 && !(all & referee::RankBit(top))) --top;
    return top > p.winnerRank && (p.hands[static_cast<std::size_t>(seat)] & referee::RankBit(top));
}

// One line of the decision log: key=value fields separated by tabs.
void logDecision(std::ostream& out, const referee::Position& p, const CardDecision& d, referee::Solver& solver) {
    out << "seat=" << d.seat << "\tcard=" << RankNameOf(d.rank) << "\tloss=" << d.loss
        << "\trule=" << d.rule << "\tlosses=";
    const referee::RankSet mine = p.hands[static_cast<std::size_t>(d.seat)];
    for (int r = 1; r <= 14; ++r)
        if (mine & referee::RankBit(r)) out << RankNameOf(r) << ':' << solver.Loss(p, r) << ' ';
    out << "\thands=";
    for (referee::RankSet h : p.hands) out << h << ' ';
    out << "\tColdLEFT=" << Cold("LEFT") << "\tColdPARTNER=" << Cold("PARTNER") << "\tColdRIGHT=" << Cold("RIGHT")
        << "\tLast=" << Last() << "\tUnplayedLumra=" << UnplayedLumra();
    for (int row = 0; row <= BuiltinVariableLastRow; ++row) {
        const RuleVariableRow& v = RuleVariableTable[static_cast<std::size_t>(row)];
        out << '\t' << v.name << '=' << v.value.AsText();
    }
    out << '\n';
}

}  // namespace

referee::Position PositionAtTable(const Main& m) {
    referee::Position p;
    for (int s = 0; s < 4; ++s) p.hands[static_cast<std::size_t>(s)] = trumpsOf(m.Hand[static_cast<std::size_t>(s)], m.gbFarg);
    p.leader = TrickLeader & 3;
    p.toPlay = CurrentSeat & 3;
    for (int s = 0; s < 4; ++s) {
        const int rank = RoundDataRang[static_cast<std::size_t>(s)];
        if (rank > p.winnerRank) {
            p.winnerRank = rank;
            p.winner = s;
        }
        p.trickPoints += RoundDataPoang[static_cast<std::size_t>(s)];
    }
    return p;
}

DealOutcome ReplayDeal(Main& m, const TrickPlayStart& deal, const std::array<std::string, 4>& ruleFiles,
                       referee::Solver& solver, std::uint64_t seed, std::ostream* decisionLog) {
    LayOut(m, deal);
    for (int s = 0; s < 4; ++s) {
        KortHand& h = m.Hand[static_cast<std::size_t>(s)];
        h.myPlayAI = ruleFiles[static_cast<std::size_t>(s)];
        h.mySpelarTyp = 1;  // the engine names the card, this loop plays it
    }
    SeedRandom(seed);
    DealOutcome out;
    out.bidder = deal.bidder;
    out.bid = deal.bid;
    const int colour = m.gbFarg;
    out.perfectPoints0 = solver.Value(referee::StartOfTrick(PositionAtTable(m).hands, deal.bidder));
    for (int trick = 0; trick < 8; ++trick) {
        bool anyCard = false;
        const std::size_t firstOfTrick = out.decisions.size();
        for (int turn = 0; turn < 4; ++turn) {
            const int seat = CurrentSeat & 3;
            KortHand& h = m.Hand[static_cast<std::size_t>(seat)];
            if (playsim::firstTrump(h, colour) == 0) {
                SeatOutFlags[static_cast<std::size_t>(seat)] = -1;
            } else {
                SuggestedCardIndex = -1;
                ChoosePlayCard(seat);
                int idx = SuggestedCardIndex;
                if (idx <= 0 || idx > h.colHand.Count() || !IsTrump(*h.colHand.Item(idx), colour))
                    idx = playsim::firstTrump(h, colour);
                const referee::Position p = PositionAtTable(m);
                CardDecision d;
                d.seat = seat;
                d.rank = h.colHand.Item(idx)->Rang;
                d.held = playsim::trumpCount(h, colour);
                d.loss = solver.Loss(p, d.rank);
                d.rule = ruleOf(RuleTrace, SuggestText);
                d.takeOverSpot = isTakeOverSpot(p, seat);
                if (decisionLog && !d.forced()) logDecision(*decisionLog, p, d, solver);
                out.decisions.push_back(d);
                playsim::playCard(m, seat, idx);
                anyCard = true;
            }
            CurrentSeat = NextSeat(CurrentSeat);
        }
        if (!anyCard) break;
        int winner = 0;
        for (int s = 1; s < 4; ++s)
            if (RoundDataRang[static_cast<std::size_t>(s)] > RoundDataRang[static_cast<std::size_t>(winner)]) winner = s;
        for (std::size_t i = firstOfTrick; i < out.decisions.size(); ++i)
            out.decisions[i].tookTrick = out.decisions[i].seat == winner;
        playsim::endTrick(out.points);
    }
    return out;
}
