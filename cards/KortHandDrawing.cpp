// Sizing, drawing and the mouse of the hand control.
#include <QPainter>

#include <algorithm>
#include <exception>

#include "CardArt.h"
#include "KortHand.h"
#include "Main.h"
#include "VbText.h"

namespace {
constexpr std::uint32_t kYellow = forms::RGB(255, 255, 0);
int rnd(double v) { return static_cast<int>(RoundHalfEven(v)); }
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

short KortHand::CardIndexAt(float x, float y) const {
    const int c = colHand.Count();
    if (c == 0) return 0;
    int p = 0;
    if (layout_ == 0) {
        const long long step = RoundHalfEven(PixelWidth() / static_cast<double>(cardsToShow_ + 2));
        if (step == 0) return 0;
        p = static_cast<int>(RoundHalfEven(x) / step) + 1;
        if (p > c + 2) return 0;
    } else {
        // A column is n + 2 thirds of a card high and its cards step a third
        // of a card down, so one step is the height over n + 2.
        const long long step = RoundHalfEven(PixelHeight() / static_cast<double>(cardsToShow_ + 2));
        if (step == 0) return 0;
        p = static_cast<int>(RoundHalfEven(y) / step) + 1;
        if (p > c + 3) return 0;
    }
    if (p > c) p = c;
    if (p < 1) return 0;
    return static_cast<short>(p);
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
    } catch (const std::exception&) {
        // A failing step is passed over, as the mouse handler always did.
    }
}
