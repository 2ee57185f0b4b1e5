// The pacing timers and the go-on click. A timer's Tag names the step its
// next tick performs; Timer1 tests its words in a fixed order and reads the
// tag afresh before each test, so a word set by a step is acted on in the
// same tick when it comes later in the order.
#include "Main.h"
#include "ScoreAnimation.h"

void Main::Timer1_Timer() {
    if (Timer1.Tag.empty()) return;
    std::string& tag = Timer1.Tag;
    if (tag == "Bjudnext") BjudNext();
    if (tag == "FARGVALD") Run();
    if (tag == "HogBud1") Run();
    if (tag == "HITTAHOGBUD") tag = "HogBud1";
    if (tag == "VALGFARG") Run();
    if (tag == "Playnext") PlayNext();
    if (tag == "Play") Play();
    if (tag == "OK1") {
        tag.clear();
        Run();
    }
    if (tag == "OK") tag = "OK1";
    if (tag == "A_OK1") Aftermath();
    if (tag == "A_OK") tag = "A_OK1";
    if (tag == "SuggestOK") {
        tag.clear();
        Hand[0].SuggestSYD();
    }
    if (tag == "Suggest1") tag = "SuggestOK";
    if (tag == "Suggest") tag = "Suggest1";
    if (tag == "WAIT_KOR") LblClickVidare.Visible = !LblClickVidare.Visible;
}

void Main::ConnectTimers() {
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { Timer2_Timer(); };
    Timer3.OnTimer = [this] { Timer3_Timer(); };
    TimerAD.OnTimer = [this] { TimerAD_Timer(); };
}

void Main::Timer2_Timer() {
    if (Timer2.Tag == "DELUT") DealStep();
}

void Main::Timer3_Timer() {
    if (Timer3.Tag == "ANIMATE") AnimateScore();
}

void Main::ContinueWithNextDeal() {
    Timer3.Tag.clear();
    if (Timer1.Tag == "STOP_RUNDA") Timer1.Tag.clear();
    LblClickVidare.Visible = false;
    ResetTablePiles();
    ContinueAfterRound();
    Run();
}

void Main::AdvanceMe() {
    if (Timer3.Tag == "ANIMATE") ContinueWithNextDeal();
    if (Timer1.Tag.empty()) return;
    if (Timer1.Tag == "WAIT_KOR") {
        Timer1.Tag.clear();
        LblClickVidare.Visible = false;
        Run();
    }
    // The end of a deal without its animation still clears a finished game
    // before dealing anew, so a won game is never counted twice.
    if (Timer1.Tag == "STOP_RUNDA") ContinueWithNextDeal();
}
