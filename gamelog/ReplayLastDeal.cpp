#include "LogBanner.h"
#include "Main.h"
#include "ReplayTable.h"
#include "PlayState.h"
#include "Rng.h"
#include "ScoreAnimation.h"

namespace {

void showReplayButtons(Main& m) {
    m.ImgReplayUp.Visible = true;
    m.ImgReplayDn.Visible = false;
    m.ImgContUp.Visible = true;
    m.ImgContDn.Visible = true;
    m.ImgReloadUp.Visible = false;
    m.ImgReloadDn.Visible = false;
}

// Every card played in the deal goes back to the seat that played it.
void takeBackPlayedCards(Main& m) {
    for (std::size_t seat = 0; seat < 4; ++seat) {
        KortHand& pile = m.Bord[seat];
        KortHand& hand = m.Hand[seat];
        std::vector<Kort*> played(pile.colHand.begin(), pile.colHand.end());
        for (Kort* k : played) hand.AddACard(k, true);
        hand.VisaHanden = 0;
        pile.ClearHand();
        hand.refresh();
        pile.refresh();
    }
}

void markOutOfPlayCardsPlayed(Main& m) {
    PlayCardFlags.fill(0);
    RankPlayedInTrick.fill(-1);
    for (const Kort* k : m.KortKilled.colHand)
        if (k->Rang < PlayCardFlags.size()) PlayCardFlags[k->Rang] = -1;
}

}  // namespace

void Main::ImgReplayUp_MouseDown(int, int, float, float) {
    ImgReplayUp.Visible = false;
    ImgReplayDn.Visible = true;
}

void Main::ImgReplayUp_Mouseup(int, int, float, float) {
    showReplayButtons(*this);
    Timer1.SetEnabled(false);
    Timer1.SetEnabled(true);
    ShowReplayLabels(*this);
    bReplay = true;
    Timer3.Tag = "";
    ResetTablePiles();
    takeBackPlayedCards(*this);
    markOutOfPlayCardsPlayed(*this);
    LogBanner("START REPLAY");
    attSaka = harPacko;
    Randomize();
    // The replay may start while the human was to play or a timer step was
    // pending; neither may act in the restarted deal.
    ForgetPendingTurn(*this);
    myGameStatus = 7;
    Run();
}
