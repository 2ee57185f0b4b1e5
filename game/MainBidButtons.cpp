// The human's bid buttons: ten painted buttons (pass, 6 .. 14), bids no
// longer allowed struck out, the suggested bid marked.
#include <algorithm>

#include "Main.h"

namespace {
constexpr int kCell = 37;          // glyph cell width and button size in pixels
constexpr int kSuggestedX = 148;   // background cell of the suggested look

void paintCell(forms::PictureBox& pb, const forms::PictureBox& strip, int sx, forms::RasterOp op) {
    pb.EnsureSurface();
    pb.PaintPicture(strip, 0, 0, kCell, kCell, sx, 0, op);
}

void paintButton(forms::PictureBox& pb, const forms::PictureBox& background, int bgX,
                 const forms::PictureBox& glyphs, int index) {
    paintCell(pb, background, bgX, forms::RasterOp::Copy);
    paintCell(pb, glyphs, kCell * index, forms::RasterOp::And);
}

// Pass, 14 and every bid above the highest bid may be chosen.
bool bidAllowed(int index, short highest) { return index == 0 || index == 9 || index + 5 > highest; }

bool validIndex(int index) { return index >= 0 && index <= 9; }
}  // namespace

void Main::LoadBjudform(short bid) {
    if (gbHogstaBudet == 5) {
        // The human deals and everybody passed: the bid is 6, nothing to ask.
        paintButton(PBBid[0], PBButtonsBackground, 0, PBNumbersBlue, 0);
        paintCell(PBBid[0], PBStrike, 0, forms::RasterOp::And);
        PBBid[0].Visible = true;
        gbHogstaBudet = 6;
        Hand[static_cast<std::size_t>(attBjuda & 3)].PutBud(6);
        UnloadBjudform();
        return;
    }
    const bool deals = attSaka == attBjuda;
    int last = deals ? (gbHogstaBudet == 14 ? 9 : gbHogstaBudet - 4) : 9;
    last = std::clamp(last, 0, 9);
    for (int k = 0; k <= last; ++k) {
        paintButton(PBBid[static_cast<std::size_t>(k)], PBButtonsBackground, 0, PBNumbersBlue, k);
        PBBid[static_cast<std::size_t>(k)].Visible = true;
    }
    const int struck = std::min(gbHogstaBudet == 14 ? 8 : gbHogstaBudet - 5, 9);
    for (int k = 1; k <= struck; ++k) {
        paintCell(PBBid[static_cast<std::size_t>(k)], PBStrike, 0, forms::RasterOp::And);
        PBBid[static_cast<std::size_t>(k)].Visible = true;
    }
    // Only one button may carry the mark, and only a bid that has a button.
    for (forms::PictureBox& pb : PBBid) pb.Tag.clear();
    const int suggested = bid >= 6 && bid <= 14 ? bid - 5 : 0;
    PBBid[static_cast<std::size_t>(suggested)].Tag = "Suggest";
    if (bSuggest) ShowBjudSuggestButton();
}

void Main::ShowBjudSuggestButton() {
    int index = -1;
    for (int k = 0; k < 10; ++k)
        if (PBBid[static_cast<std::size_t>(k)].Tag == "Suggest") index = k;
    if (index < 0) return;
    forms::PictureBox& pb = PBBid[static_cast<std::size_t>(index)];
    pb.Visible = false;
    paintButton(pb, PBButtonsBackground, kSuggestedX, PBNumbersBlack, index);
    pb.Visible = true;
}

void Main::PBBid_MouseDown(int Index) {
    if (!validIndex(Index) || !bidAllowed(Index, gbHogstaBudet)) return;
    const std::size_t i = static_cast<std::size_t>(Index);
    PBBid[i].Visible = false;
    if (PBBid[i].Tag == "Suggest" && bSuggest)
        paintButton(PBBidDN[i], PBButtonsBackgroundDN, kSuggestedX, PBNumbersBlackDN, Index);
    else
        paintButton(PBBidDN[i], PBButtonsBackgroundDN, 0, PBNumbersGoldDN, Index);
    PBBidDN[i].Visible = true;
}

void Main::PBBid_MouseUp(int Index) {
    if (!validIndex(Index) || !bidAllowed(Index, gbHogstaBudet)) return;
    const std::size_t i = static_cast<std::size_t>(Index);
    PBBid[i].Visible = true;
    PBBidDN[i].Visible = false;
    short value = 0;
    if (Index != 0) {
        value = static_cast<short>(Index + 5);
        gbHogstaBudet = value;
    }
    Hand[static_cast<std::size_t>(attBjuda & 3)].PutBud(value);
    Timer1.SetEnabled(false);
    Timer1.SetEnabled(true);
    UnloadBjudform();  // goes on to the next bidder before this returns
}

void Main::HideBidButtons() {
    Hand[0].SattInKortIHanden();
    LblSuggest.Caption.clear();
    LblSuggest.Visible = false;
    for (std::size_t k = 0; k < PBBid.size(); ++k) {
        PBBid[k].Visible = false;
        PBBid[k].Tag.clear();
        PBBidDN[k].Visible = false;
    }
}

void Main::UnloadBjudform() {
    HideBidButtons();
    Label[static_cast<std::size_t>(attBjuda & 3)].ForeColor = forms::RGB(0, 0, 0);
    myGameStatus = 2;
    Run();
}

void Main::ConnectBidHandlers() {
    for (int k = 0; k < 10; ++k) {
        PBBid[static_cast<std::size_t>(k)].MouseDown = [this, k](int, int, float, float) { PBBid_MouseDown(k); };
        PBBid[static_cast<std::size_t>(k)].MouseUp = [this, k](int, int, float, float) { PBBid_MouseUp(k); };
    }
}
