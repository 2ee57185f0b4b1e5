#include "ReplayTable.h"

#include "Main.h"

void ShowReplayLabels(Main& m) {
    m.LblReplay.Visible = true;
    m.LlbDisabled.Visible = true;
    m.LblClickVidare.Visible = false;
    m.LblScore.Visible = false;
    m.LlbAnimate.Visible = false;
}

void ForgetPendingTurn(Main& m) {
    m.Hand[0].SetHandAktivitat(0);
    m.LblSuggest.Caption = "";
    m.LblSuggest.Visible = false;
    m.Timer1.Tag = "";
}
