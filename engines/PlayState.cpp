#include "PlayState.h"

std::string DebugColorText;
std::array<short, 15> PlayCardFlags{};
std::array<short, 15> RankPlayedInTrick{};
short PointsNotTaken = 0;
short ContestedPointsLeft = 0;
short TopRankLeft = 0;
std::array<short, 4> RoundDataRang{};
std::array<short, 4> RoundDataPoang{};
std::array<std::string, 4> RoundDataTyp{};
short DealPointsVi = 0;
short DealPointsDe = 0;
std::array<std::array<short, 7>, 4> TrickRangHistory{};
std::array<short, 7> TrickPointsVi{};
std::array<short, 7> TrickPointsDe{};
std::array<std::string, 7> TrickHighestCard{};
std::array<std::string, 7> TrickTopUnplayed{};
short TrickCount = 0;
short CardsPlayedCount = 0;
std::array<short, 4> SeatOutFlags{};
std::string RulesVersion;
std::array<short, 4> TrumpsBeforeBuying{};
std::array<float, 4> TrumpsSeenBySelf{};
std::array<float, 4> TrumpsSeenByOthers{};
std::array<short, 4> WithoutLumraFlags{};
std::array<short, 4> SeatCardsPlayed{};
std::int32_t CurrentSeat = 0;
std::int32_t TrickLeader = 0;

void ResetTrickHistory() {
    for (int t = 0; t < 7; ++t) {
        TrickHighestCard[t].clear();
        TrickTopUnplayed[t].clear();
        TrickPointsVi[t] = 0;
        TrickPointsDe[t] = 0;
    }
    for (auto& seat : TrickRangHistory) seat.fill(0);
}

void ResetPlayState() {
    DebugColorText.clear();
    PlayCardFlags.fill(0);
    RankPlayedInTrick.fill(0);
    PointsNotTaken = ContestedPointsLeft = TopRankLeft = 0;
    RoundDataRang.fill(0);
    RoundDataPoang.fill(0);
    RoundDataTyp.fill("");
    DealPointsVi = DealPointsDe = 0;
    ResetTrickHistory();
    TrickCount = CardsPlayedCount = 0;
    SeatOutFlags.fill(0);
    RulesVersion.clear();
    TrumpsBeforeBuying.fill(0);
    TrumpsSeenBySelf.fill(0.0f);
    TrumpsSeenByOthers.fill(0.0f);
    WithoutLumraFlags.fill(0);
    SeatCardsPlayed.fill(0);
    CurrentSeat = TrickLeader = 0;
}
