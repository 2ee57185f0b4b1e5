// Sizing, drawing and the mouse of the hand control.
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "CardArt.h"
#include "KortHand.h"
#include "Main.h"
#include "TableColours.h"
#include "VbText.h"

namespace {
int rnd(double v) { return static_cast<int>(RoundHalfEven(v)); }

// A fault in the play a click started ends the click's steps; it shows on
// the error stream, in the trace list and in the game log, so it cannot go
// unnoticed. Should the log fail again, the trace list still holds it.
void reportClickFault(Main& m, const char* what) {
    const std::string line = std::string("ERROR in the card click: ") + what;
    std::fprintf(stderr, "%s\n", line.c_str());
    m.LBTrace.AddItem(line);
    try {
        m.Log(line);
    } catch (const std::exception&) {
    }
}
}  // namespace

void KortHand::UserControl_Resize() {
    const int W = rnd(cardW_ * static_cast<double>(forms::TwipsPerPixel));
    const int H = rnd(cardH_ * static_cast<double>(forms::TwipsPerPixel));
    const int n = cardsToShow_;
    int width = W, height = H;
    if (layout_ == 0) {
        width = rnd((n + 2) * W / 2.0);
        height = rnd(H + H / 10.0);
    } else if (layout_ == 1) {
        height = rnd((n - 1) * H / 3.0 + H);
        width = rnd(W + W / 9.0);
    }
    Width = width;
    Height = height;
    refresh();
}

void KortHand::CardPosition(int i, bool raised, int& x, int& y) const {
    const int L = layout_ == 1 ? 1 : 0;
    const int w = cardW_, h = cardH_;
    x = rnd(w * i / 2.0) * (1 - L);
    y = rnd(h * i / 3.0) * L;
    if (raised) {
        if (HandKod == "VAST") x = rnd(L * w / 9.0 + x);
        if (HandKod == "NORD") y = rnd((1 - L) * h / 10.0 + y);
    } else {
        if (HandKod == "OST") x = rnd(L * w / 9.0 + x);
        if (HandKod == "SYD") y = rnd((1 - L) * h / 10.0 + y);
    }
}

void KortHand::UserControl_Paint() {
    // Drawn at the screen's pixel ratio; positions stay in the control's pixels.
    const double ratio = PixelRatio();
    const QSize device = forms::DeviceSize(std::max(1, PixelWidth()), std::max(1, PixelHeight()), ratio);
    if (Surface.size() != device || Surface.devicePixelRatio() != ratio) {
        Surface = QImage(device, QImage::Format_RGB32);
        Surface.setDevicePixelRatio(ratio);
    }
    Surface.fill(QColor::fromRgb(forms::RGB(0, 128, 0)));
    int i = 0;
    for (const Kort* k : colHand) {
        if (i == cardsToShow_) return;  // later cards stay hidden
        const int mode = VisaHanden == 1 ? 1 : k->DrawStyle;
        int x = 0, y = 0;
        CardPosition(i, k->Kop, x, y);
        if (HandKod == "KILLED") {
            cdtDrawExt(&Surface, x, y, 53, 72, k->Nr, 0, kYellow);
        } else if (mode == 0 || mode == 2) {
            cdtDraw(&Surface, x, y, k->Nr, mode, kYellow);
        } else if (mode == 1) {
            QPainter p(&Surface);
            p.drawImage(QPointF(x, y), CardBackPicture(ratio));
        }
        ++i;
    }
}

// The card under a pixel is the last drawn card covering it, since later
// cards lie on top. A point beside the cards but level with one (the strip a
// raised or lowered card leaves free) takes the top card along the row or
// column; the room after the last card counts as the last card for the
// steps the control leaves free.
short KortHand::CardIndexAt(float x, float y) const {
    const int shown = std::min(colHand.Count(), cardsToShow_);
    if (shown <= 0) return 0;
    const bool column = layout_ == 1;
    const bool small = HandKod == "KILLED";
    const int w = small ? 53 : cardW_, h = small ? 72 : cardH_;
    const int px = static_cast<int>(RoundHalfEven(x)), py = static_cast<int>(RoundHalfEven(y));
    const int along = column ? py : px, size = column ? h : w;
    short level = 0;
    int lastEnd = 0;
    for (int i = shown - 1; i >= 0; --i) {
        int cx = 0, cy = 0;
        CardPosition(i, colHand.Item(i + 1)->Kop, cx, cy);
        const bool onRow = px >= cx && px < cx + w, onColumn = py >= cy && py < cy + h;
        if (onRow && onColumn) return static_cast<short>(i + 1);
        const int start = column ? cy : cx;
        if (i == shown - 1) lastEnd = start + size;
        if (level == 0 && along >= start && along < start + size) level = static_cast<short>(i + 1);
    }
    if (level != 0 || along < lastEnd) return level;
    const int room = column ? PixelHeight() : PixelWidth();
    const long long step = RoundHalfEven(room / static_cast<double>(cardsToShow_ + 2));
    if (step == 0 || along < 0) return 0;
    const long long p = along / step + 1;
    return p > colHand.Count() + (column ? 3 : 2) ? 0 : static_cast<short>(shown);
}

void KortHand::UserControl_Click() {
    if (VisaHanden != 1 && activity_ != 0) return;  // a face-up hand waiting for a card
    if (Main* m = Main::instance()) m->AdvanceMe();
}

void KortHand::UserControl_DblClick() { UserControl_Click(); }

void KortHand::UserControl_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
    Main* m = Main::instance();
    if (!m) return;
    if (VisaHanden == 1 || activity_ == 0) {
        m->AdvanceMe();
        return;
    }
    const short p = CardIndexAt(x, y);
    if (p == 0 || activity_ != 1) {
        m->AdvanceMe();
        return;
    }
    try {
        Kort* k = colHand.Item(p);
        SattInKortIHanden();
        m->LblSuggest.Caption.clear();
        m->LblSuggest.Visible = false;
        if ((k->farg & m->gbFarg) == 0) return;  // not a trump: the seat keeps waiting
        int idx = p;
        PlayIt(idx);
    } catch (const std::exception& e) {
        reportClickFault(*m, e.what());
    }
}
