// The human's colour buttons: shown when the human holds the highest bid;
// a click names the trump colour and moves the game on to the discard.
#include <string>
#include <utility>

#include "LogLines.h"
#include "Main.h"

namespace {
struct ColourButton {
    forms::Image* up;
    forms::Image* dn;
    std::int32_t bit;
    const char* firstLine;
    forms::Image* chosen;
};

ColourButton buttonOf(Main& m, std::int32_t bit) {
    switch (bit) {
    case 1: return {&m.ImgKlUp, &m.ImgKlDn, 1, "HUMAN Selects color Klöver", &m.ImgKlChosen};
    case 2: return {&m.ImgRuUp, &m.ImgRuDn, 2, "HUMAN Selects color Ruter", &m.ImgRuChosen};
    case 4: return {&m.ImgHjUp, &m.ImgHjDn, 4, "HUMAN Selects color Hjärter", &m.ImgHjChosen};
    default: return {&m.ImgSpUp, &m.ImgSpDn, 8, "HUMAN Selects color Spader", &m.ImgSpChosen};
    }
}

void restoreContinue(Main& m) {
    if (m.ContUpHiddenForColours) m.ImgContUp.Visible = true;
    if (m.ContDnHiddenForColours) m.ImgContDn.Visible = true;
    m.ContUpHiddenForColours = m.ContDnHiddenForColours = false;
}

void hideContinueFace(forms::Image& face, bool& hidden) {
    if (!face.Visible) return;
    face.Visible = false;
    hidden = true;
}

void pressColour(Main& m, std::int32_t bit) {
    const ColourButton b = buttonOf(m, bit);
    b.up->Visible = false;
    b.dn->Visible = true;
}

void chooseColour(Main& m, std::int32_t bit) {
    const ColourButton b = buttonOf(m, bit);
    for (forms::Image* up : {&m.ImgKlUp, &m.ImgRuUp, &m.ImgSpUp, &m.ImgHjUp}) up->Visible = false;
    b.dn->Visible = false;
    restoreContinue(m);
    m.gbFarg = b.bit;
    m.Hand[static_cast<std::size_t>(m.gbBjuditHogst & 3)].MinFarg = m.gbFarg;
    m.Log(b.firstLine);
    m.Log(TagColour);
    m.Log(ColourWord(b.bit));
    b.chosen->Visible = true;
    m.Label[static_cast<std::size_t>(m.gbBjuditHogst & 3)].ForeColor = forms::RGB(0, 0, 0);
    m.myGameStatus = 5;
    m.Log(std::string(60, '*'));
    m.Run();  // starts the discard; nothing may follow
}
}  // namespace

void Main::LoadFargForm() {
    // Otherwise a Continue face, in front, would take the diamonds button's
    // clicks; a reload shows both faces.
    hideContinueFace(ImgContUp, ContUpHiddenForColours);
    hideContinueFace(ImgContDn, ContDnHiddenForColours);
    for (forms::Image* up : {&ImgKlUp, &ImgRuUp, &ImgHjUp, &ImgSpUp}) up->Visible = true;
}

void Main::UnloadFargForm() {
    for (forms::Image* img : {&ImgKlUp, &ImgRuUp, &ImgSpUp, &ImgHjUp, &ImgKlDn, &ImgRuDn, &ImgSpDn, &ImgHjDn})
        img->Visible = false;
    restoreContinue(*this);
}

void Main::ImgKlUp_MouseDown() { pressColour(*this, 1); }
void Main::ImgRuUp_MouseDown() { pressColour(*this, 2); }
void Main::ImgHjUp_MouseDown() { pressColour(*this, 4); }
void Main::ImgSpUp_MouseDown() { pressColour(*this, 8); }
void Main::ImgKlUp_MouseUp() { chooseColour(*this, 1); }
void Main::ImgRuUp_MouseUp() { chooseColour(*this, 2); }
void Main::ImgHjUp_MouseUp() { chooseColour(*this, 4); }
void Main::ImgSpUp_MouseUp() { chooseColour(*this, 8); }

void Main::ConnectColourHandlers() {
    const std::pair<forms::Image*, std::pair<void (Main::*)(), void (Main::*)()>> colours[] = {
        {&ImgKlUp, {&Main::ImgKlUp_MouseDown, &Main::ImgKlUp_MouseUp}},
        {&ImgRuUp, {&Main::ImgRuUp_MouseDown, &Main::ImgRuUp_MouseUp}},
        {&ImgHjUp, {&Main::ImgHjUp_MouseDown, &Main::ImgHjUp_MouseUp}},
        {&ImgSpUp, {&Main::ImgSpUp_MouseDown, &Main::ImgSpUp_MouseUp}},
    };
    for (const auto& [img, handlers] : colours) {
        const auto down = handlers.first;
        const auto up = handlers.second;
        img->MouseDown = [this, down](int, int, float, float) { (this->*down)(); };
        img->MouseUp = [this, up](int, int, float, float) { (this->*up)(); };
    }
}
