// Deal scoring and game end: the set-back of a failed bid, the game totals,
// the winner past 61 and the games-won statistics.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>

#include "Main.h"
#include "NewsTicker.h"
#include "PlayState.h"
#include "Registry.h"
#include "ScoreAnimation.h"
#include "VbText.h"
#include "ViDeScoreboard.h"

namespace {
constexpr short kGameLimit = 61;  // a side needs more than this to win

// The stored count of games won plus one. The text may have been edited by
// hand: it is read by its leading number, anything else counts as 0, and
// the count stops at the largest value instead of overflowing.
std::int32_t nextWinCount(const std::string& stored) {
    constexpr double top = std::numeric_limits<std::int32_t>::max();
    constexpr double bottom = std::numeric_limits<std::int32_t>::min();
    const double n = std::clamp(Val(stored) + 1.0, bottom, top);
    return static_cast<std::int32_t>(std::clamp(static_cast<double>(RoundHalfEven(n)), bottom, top));
}

std::string dealScoreText() { return PlainNum(DealPointsVi) + " : " + PlainNum(DealPointsDe); }
}  // namespace

void Main::Aftermath() {
    // A deal is scored once, from trick play; scoring sets the status back
    // to a new deal, so a stray second call neither scores nor counts again.
    // A pause word of its own left behind would call it every second: it
    // goes with the refused call.
    if (myGameStatus != 7) {
        if (Timer1.Tag == "A_OK1" || Timer1.Tag == "A_OK") Timer1.Tag.clear();
        return;
    }
    Timer1.SetInterval(1000);
    Timer1.SetEnabled(true);
    if (Timer1.Tag.empty()) {
        Timer1.Tag = "A_OK";
        return;
    }
    Timer1.Tag.clear();
    LblClickVidare.Visible = true;

    const short bid = gbHogstaBudet;
    short signedBid = bid;
    const bool viBid = IsViSeat(gbBjuditHogst);
    short& bidderPoints = viBid ? DealPointsVi : DealPointsDe;
    if (bidderPoints < bid) {
        bidderPoints = static_cast<short>(-bid);
        signedBid = static_cast<short>(-bid);
    }

    if (!bReplay) {
        gbVi = ClampToInt16(static_cast<long long>(gbVi) + DealPointsVi);
        gbDe = ClampToInt16(static_cast<long long>(gbDe) + DealPointsDe);
        ScoreboardEntry = ScoreboardRecord{gbVi, gbDe, signedBid, static_cast<short>(gbBjuditHogst), false, false};
        const bool viOver = gbVi > kGameLimit;
        const bool deOver = gbDe > kGameLimit;
        if (viOver || deOver) {
            const bool viWins = viOver && deOver ? viBid : viOver;
            (viWins ? ScoreboardEntry.ViWon : ScoreboardEntry.DeWon) = true;
            LblGameOver.Visible = true;
            StartTicker();
            const char* name = viWins ? "TotalVi" : "TotalDe";
            // Another copy of the game may end a game at the same moment: the
            // count is read and bumped in one step, so neither win is lost.
            const auto count = ChangeRegistryValue("user", "Statistic", name, "0", [](const std::string& stored) {
                return std::optional(StrNum(nextWinCount(stored)));
            });
            (viWins ? LblStatisticVi : LblStatisticDe).Caption = count.value_or("");
        }
        AddScoreboardRow();
    }

    LblScore.Caption = dealScoreText();
    LblScore.Visible = true;
    myGameStatus = 1;
    Timer1.Tag = "STOP_RUNDA";
    AnimationTrick = 1;
    AnimationState = 0;
    AnimatedPointsVi = 0;
    AnimatedPointsDe = 0;
    Timer3.Tag = "ANIMATE";
    ImgReplayUp.Visible = true;
    ImgReplayDn.Visible = true;
}

void Main::ContinueAfterRound() {
    // A deal replayed from a log file played with the file's totals; the
    // running game's own come back before anything looks at them.
    RestoreTotalsAfterLogReplay();
    if (gbVi > kGameLimit || gbDe > kGameLimit) {
        GamePlaying = false;
        gbVi = 0;
        gbDe = 0;
        ClearScoreboard();
        myGameStatus = 1;
    }
    bReplay = false;
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &LblReplay, &LlbDisabled, &ImgContUp, &ImgContDn, &ImgReplayUp, &ImgReplayDn, &ImgReloadUp,
             &ImgReloadDn})
        c->Visible = false;
    LblSuggest.Caption.clear();
    LblSuggest.Visible = false;
    LblLogFileName.Visible = false;
    LBTrace.Visible = false;
}
