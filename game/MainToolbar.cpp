// The toolbar's image buttons (continue, reload, about, exit, the
// suggestion switch, the trace list) and the click forwarding: every other
// picture and label of the table is a surface the player clicks to go on.
#include "AboutBox.h"
#include "Localisation.h"
#include "Main.h"
#include "PlayState.h"
#include "ScoreAnimation.h"

namespace {

void pressedLook(forms::Image& up, forms::Image& dn) {
    up.Visible = false;
    dn.Visible = true;
}

void restoreLook(forms::Image& up, forms::Image& dn) {
    up.Visible = true;
    dn.Visible = false;
}

bool bidButtonsShown(const Main& m) {
    for (const forms::PictureBox& b : m.PBBid)
        if (b.Visible) return true;
    return false;
}

// The human is to play a card, not just seat 0 in a pause of trick play.
bool humanToPlay(const Main& m) { return CurrentSeat == 0 && m.myGameStatus == 7 && m.Hand[0].HandAktivitat() == 1; }

// The human is to bid: the bid buttons wait for a click.
bool humanToBid(const Main& m) { return m.myGameStatus == 2 && m.attBjuda == 0 && bidButtonsShown(m); }

bool isImageButtonFace(const std::string& name) {
    const auto ends = [&](const char* tail) {
        const std::string t(tail);
        return name.size() > t.size() && name.compare(name.size() - t.size(), t.size(), t) == 0;
    };
    return ends("Up") || ends("Dn");
}

}  // namespace

void Main::ImgContUp_MouseDown() { pressedLook(ImgContUp, ImgContDn); }

void Main::ImgContUp_MouseUp() {
    // The pressed face stays until the continue hides both faces.
    myGameStatus = 1;
    ContinueWithNextDeal();
}

void Main::ImgReloadUp_MouseDown() { pressedLook(ImgReloadUp, ImgReloadDn); }

void Main::ImgReloadUp_MouseUp() {
    restoreLook(ImgReloadUp, ImgReloadDn);
    MsgBox("Under Construction....", forms::mb::OKOnly);
}

void Main::ImgAboutUp_MouseDown() { pressedLook(ImgAboutUp, ImgAboutDn); }

void Main::ImgAboutUp_MouseUp() {
    restoreLook(ImgAboutUp, ImgAboutDn);
    form.RefreshNow();
    // The game stands still while the box is open.
    forms::SchedulerPause pause(&scheduler);
    ShowAboutBox();
}

void Main::ImgExitUp_MouseDown() { pressedLook(ImgExitUp, ImgExitDn); }

void Main::ImgExitUp_MouseUp() {
    restoreLook(ImgExitUp, ImgExitDn);
    if (GamePlaying && MsgBox(QuitQuestionText, forms::mb::YesNo | forms::mb::Critical, "Lumra") != forms::mb::Yes)
        return;
    form.RequestClose();
}

void Main::ImgSuggestUp_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    ImgSuggestUp.Visible = false;
    ImgSuggestDn.Visible = true;
    bSuggest = true;
    if (humanToPlay(*this)) Hand[0].SuggestSYD();
    if (humanToBid(*this)) {
        ShowBjudSuggestButton();
        if (Hand[0].GeBud() > 0) Hand[0].StickOutAllCardsOfFarg(Hand[0].MinFarg);
    }
    LblSuggest.Visible = true;
}

void Main::ImgSuggestDn_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    ImgSuggestUp.Visible = true;
    ImgSuggestDn.Visible = false;
    bSuggest = false;
    if (humanToPlay(*this)) {
        Hand[0].SattInKortIHanden();
    } else if (humanToBid(*this)) {
        Hand[0].SattInKortIHanden();
        int suggested = -1;
        for (int k = 0; k < 10; ++k)
            if (PBBid[k].Tag == "Suggest") suggested = k;
        if (suggested >= 0) {
            // Back to the normal look; the tag stays for the next switch-on.
            forms::PictureBox& b = PBBid[suggested];
            b.Visible = false;
            b.PaintPicture(PBButtonsBackground, 0, 0, 37, 37, 0, 0, forms::RasterOp::Copy);
            b.PaintPicture(PBNumbersBlue, 0, 0, 37, 37, 37 * suggested, 0, forms::RasterOp::And);
            b.Visible = true;
        }
    }
    LblSuggest.Visible = false;
}

void Main::ImgTraceUp_Click() {
    ImgTraceUp.Visible = false;
    ImgTraceDn.Visible = true;
    LBTrace.Visible = true;
}

void Main::ImgTraceDn_Click() {
    ImgTraceUp.Visible = true;
    ImgTraceDn.Visible = false;
    LBTrace.Visible = false;
}

void Main::ConnectToolbarHandlers() {
    using Handler = void (Main::*)();
    const auto down = [this](forms::Image& img, Handler h) {
        img.MouseDown = [this, h](int, int, float, float) { (this->*h)(); };
    };
    const auto up = [this](forms::Image& img, Handler h) {
        img.MouseUp = [this, h](int, int, float, float) { (this->*h)(); };
    };
    down(ImgContUp, &Main::ImgContUp_MouseDown);
    up(ImgContUp, &Main::ImgContUp_MouseUp);
    down(ImgReloadUp, &Main::ImgReloadUp_MouseDown);
    up(ImgReloadUp, &Main::ImgReloadUp_MouseUp);
    down(ImgAboutUp, &Main::ImgAboutUp_MouseDown);
    up(ImgAboutUp, &Main::ImgAboutUp_MouseUp);
    down(ImgExitUp, &Main::ImgExitUp_MouseDown);
    up(ImgExitUp, &Main::ImgExitUp_MouseUp);
    ImgSuggestUp.MouseDown = [this](int b, int s, float x, float y) { ImgSuggestUp_MouseDown(b, s, x, y); };
    ImgSuggestDn.MouseDown = [this](int b, int s, float x, float y) { ImgSuggestDn_MouseDown(b, s, x, y); };
    ImgTraceUp.Click = [this] { ImgTraceUp_Click(); };
    ImgTraceDn.Click = [this] { ImgTraceDn_Click(); };

    // The window itself and the score sheet's bid cells go on as well.
    form.Click = [this] { AdvanceMe(); };
    form.MouseDown = [this](int, int, float, float) { AdvanceMe(); };
    for (forms::PictureBox& cell : PBBudet) cell.Click = [this] { AdvanceMe(); };
    LBTrace.Click = [this] { AdvanceMe(); };
    // Every other picture and label: a click goes on. Button faces are left
    // to their own handlers.
    for (forms::Control* c : form.Controls()) {
        const bool surface = dynamic_cast<forms::Label*>(c) || dynamic_cast<forms::Image*>(c);
        if (!surface || isImageButtonFace(c->Name) || c->Click || c->MouseDown || c->MouseUp) continue;
        c->Click = [this] { AdvanceMe(); };
    }
}
