// Trick play: the bidder leads, every seat with a trump plays one, the
// highest trump wins the trick and leads the next; a round in which nobody
// can play ends the deal.
#include <algorithm>
#include <cmath>
#include <string>

#include "EngineBridge.h"
#include "Main.h"
#include "PlayState.h"
#include "Rng.h"
#include "TableColours.h"
#include "VbText.h"

namespace {
// Stops the timer, gives it the interval and starts it again. An interval
// of 0 or less would stop the timer for good, so the game could hang.
void restartTimer(forms::Timer& t, int ms) {
    t.SetEnabled(false);
    t.SetInterval(std::max(ms, 1));
    t.SetEnabled(true);
}

int dropOutPause(int trick) { return 1450 - 200 * trick; }

int playPause(int trick, int pointsLeft) {
    const float spread = Rnd() * static_cast<float>(450 - 50 * trick);
    return static_cast<int>(std::floor(spread)) + 1400 - 100 * trick - 30 * (14 - pointsLeft);
}

bool isTrickIndex(int t) { return t >= 0 && t < 7; }

// The first seat, from seat 0 on, whose rank beats every earlier seat's.
std::int32_t trickWinner() {
    std::int32_t winner = 0;
    for (std::int32_t s = 1; s < 4; ++s)
        if (RoundDataRang[s] > RoundDataRang[winner]) winner = s;
    return winner;
}

void clearCurrentTrick() {
    RoundDataRang.fill(0);
    RoundDataPoang.fill(0);
    RoundDataTyp.fill("");
}

void updateTopRankLeft() {
    for (int r = 14; r >= 0; --r)
        if (PlayCardFlags[r] == 0) {
            TopRankLeft = static_cast<short>(r);
            return;
        }
}
}  // namespace

void Main::PlayInit() {
    LayoutBordForPlay();
    CurrentSeat = TrickLeader = gbBjuditHogst & 3;
    DealPointsVi = DealPointsDe = 0;
    CardsPlayedCount = 0;
    TrickCount = 1;
    PointsNotTaken = 14;
    ContestedPointsLeft = 12;
    ResetTrickHistory();
    for (int s = 0; s < 4; ++s) {
        SeatOutFlags[s] = 0;
        RoundDataRang[s] = 0;
        RoundDataPoang[s] = 0;
        RoundDataTyp[s].clear();
        Hand[s].Tom = false;
        SeatCardsPlayed[s] = 0;
        WithoutLumraFlags[s] = 0;
        // No hand may still wait for a click from an earlier deal or a
        // rebuilt table: a click would play a card for the wrong seat.
        Hand[s].SetHandAktivitat(0);
    }
    SuggestedCardIndex = 0;
    Packe.ValjFarg(gbFarg);
    Play();
}

void Main::Play() {
    gbTmpRang = 0;
    gbTmpPoang = 0;
    const std::int32_t seat = CurrentSeat & 3;
    KortHand& hand = Hand[seat];
    if (hand.HandEmpty(gbFarg)) {
        if (SeatOutFlags[seat] == 0) {
            restartTimer(Timer1, dropOutPause(TrickCount));
            if (Timer1.Tag.empty()) {
                Timer1.Tag = "Play";
                return;
            }
        }
        Timer1.Tag.clear();
        hand.TomHand(gbFarg);
        SeatOutFlags[seat] = -1;
        PlayNext();
        return;
    }
    Label[seat].ForeColor = kYellow;
    restartTimer(Timer1, playPause(TrickCount, PointsNotTaken));
    if (Timer1.Tag.empty() && hand.HandSpelarTyp() == 0) {
        Timer1.Tag = "Play";
        return;
    }
    Timer1.Tag.clear();
    hand.Play();
}

void Main::PlayNext() {
    const std::int32_t seat = CurrentSeat & 3;
    RoundDataRang[seat] = gbTmpRang;
    RoundDataPoang[seat] = gbTmpPoang;
    RoundDataTyp[seat] = gbTmpTyp;
    gbTmpTyp.clear();
    gbTmpRang = 0;
    gbTmpPoang = 0;

    CurrentSeat = NextSeat(seat);
    if (CurrentSeat != TrickLeader) {
        Timer1.Tag.clear();
        Play();
        return;
    }

    RecordTrickSummary();
    if (std::all_of(RoundDataRang.begin(), RoundDataRang.end(), [](short r) { return r == 0; })) {
        Aftermath();
        return;
    }

    short p = 0;
    for (short pts : RoundDataPoang) p = static_cast<short>(p + pts);
    PointsNotTaken = static_cast<short>(PointsNotTaken - p);
    ContestedPointsLeft = static_cast<short>(ContestedPointsLeft - p);

    const std::int32_t winner = trickWinner();
    short vi = 0, de = 0;
    (IsViSeat(winner) ? vi : de) += p;
    for (std::int32_t s = 0; s < 4; ++s) {
        if (RoundDataRang[s] == 14) ++ContestedPointsLeft;  // the ace's point is not contested
        if (RoundDataRang[s] == 1) {                         // the 2 scores for the side that played it
            --PointsNotTaken;
            ++(IsViSeat(s) ? vi : de);
        }
    }
    DealPointsVi = static_cast<short>(DealPointsVi + vi);
    DealPointsDe = static_cast<short>(DealPointsDe + de);
    if (isTrickIndex(TrickCount)) {
        TrickPointsVi[TrickCount] = vi;
        TrickPointsDe[TrickCount] = de;
    }
    LblScore.Caption = PlainNum(DealPointsVi) + " : " + PlainNum(DealPointsDe);
    LblScore.Visible = true;

    CurrentSeat = TrickLeader = winner;
    clearCurrentTrick();
    ++TrickCount;
    Log(std::string(60, '*'));
    updateTopRankLeft();
    Timer1.Tag.clear();
    Play();
}

void Main::PlayCardIDX(short rang) {
    if (rang >= 0 && rang <= 14) PlayCardFlags[rang] = -1;
}

short Main::GetPlayCardIDX(short idx) const { return idx >= 0 && idx <= 14 ? PlayCardFlags[idx] : 0; }

short Main::GetRoundDataRang(std::int32_t seat) const { return seat >= 0 && seat <= 3 ? RoundDataRang[seat] : 0; }
