#include "StrengthTally.h"

GameCount PlayGames(const std::vector<DealOutcome>& deals) {
    GameCount count;
    std::array<int, 2> total{};
    for (const DealOutcome& d : deals) {
        total[0] += d.score(0);
        total[1] += d.score(1);
        const bool over0 = total[0] > 61, over1 = total[1] > 61;
        if (!over0 && !over1) continue;
        const int winner = over0 && over1 ? (d.bidder & 1) : over0 ? 0 : 1;
        ++count.won[static_cast<std::size_t>(winner)];
        total = {};
    }
    return count;
}

void AddSeating(const std::vector<DealOutcome>& deals, int candidateSide, SideTally& candidate, SideTally& baseline) {
    for (int side = 0; side < 2; ++side) {
        SideTally& t = candidateSide < 0 || side == candidateSide ? candidate : baseline;
        for (const DealOutcome& d : deals) {
            ++t.deals;
            t.points += d.points[static_cast<std::size_t>(side)];
            t.score += d.score(side);
            if ((d.bidder & 1) == side) {
                ++t.contractsHeld;
                t.contractsMade += d.contractMade();
            }
            for (const CardDecision& c : d.decisions) {
                if ((c.seat & 1) != side) continue;
                if (c.forced()) ++t.forcedPlays;
                else t.loss.add(c.loss);
            }
        }
    }
    if (candidateSide < 0) return;
    const GameCount games = PlayGames(deals);
    candidate.gamesWon += games.won[static_cast<std::size_t>(candidateSide)];
    baseline.gamesWon += games.won[static_cast<std::size_t>(1 - candidateSide)];
}

void AddRules(const std::vector<DealOutcome>& deals, std::map<std::string, LossTally>& rules, TakeOverTally& takeOver) {
    for (const DealOutcome& d : deals)
        for (const CardDecision& c : d.decisions) {
            if (c.forced()) continue;
            rules[c.rule].add(c.loss);
            if (!c.takeOverSpot) continue;
            ++takeOver.spots;
            ++takeOver.byRule[c.rule];
            takeOver.taken += c.tookTrick;
            takeOver.lossSum += c.loss;
        }
}

void AddLevels(const std::vector<DealOutcome>& deals, std::array<LevelTally, 15>& levels) {
    for (const DealOutcome& d : deals) {
        if (d.bid < 0 || d.bid > 14) continue;
        LevelTally& l = levels[static_cast<std::size_t>(d.bid)];
        ++l.held;
        l.made += d.contractMade();
        l.score += d.score(d.bidder & 1);
    }
}
