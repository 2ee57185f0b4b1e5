#include "BuiltinFacts.h"
#include "PlayRules.h"
#include "PlayState.h"

void RecordTrickSummary() {
    if (TrickCount >= 7 || TrickCount < 0) return;
    TrickHighestCard[TrickCount] = CardHighestRound();
    TrickTopUnplayed[TrickCount] = CardHighestAbsolute();
}

void NoteWithheldFive(short rank) {
    if (!UnplayedLumra()) return;
    if (rank == 4 || rank == 5) return;
    const std::int32_t s = CurrentSeat & 3;
    const short partner = RoundDataRang[PartnerOf(s)];
    const short left = RoundDataRang[LeftOf(s)];
    const short right = RoundDataRang[RightOf(s)];
    if (partner == TopRankLeft) WithoutLumraFlags[s] = -1;
    if (!Last()) return;
    if (partner > left && partner > right) WithoutLumraFlags[s] = -1;
    if (left < 4 && right < 4) WithoutLumraFlags[s] = -1;
}
