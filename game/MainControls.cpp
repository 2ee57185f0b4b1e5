// The table's controls: their names, geometry (twips), start values and
// z-order, and the small layout procedures of the game flow.
#include <string>

#include "Main.h"
#include "TableArt.h"

namespace {
using forms::RGB;

void place(forms::Control& c, const std::string& name, int index, int left, int top, int width, int height,
           bool visible) {
    c.Name = name;
    c.Index = index;
    c.Move(left, top, width, height);
    c.Visible = visible;
}

void label(forms::Label& l, const std::string& name, int index, int left, int top, int width, int height,
           const std::string& caption, forms::Rgb fore, bool visible) {
    place(l, name, index, left, top, width, height, visible);
    l.Caption = caption;
    l.ForeColor = fore;
}
void font(forms::Label& l, int points, bool bold, forms::Alignment align) {
    l.FontPointSize = points;
    l.FontBold = bold;
    l.TextAlign = align;
}

// Fonts and alignments of the table's labels, sized to their boxes.
void applyFonts(Main& m) {
    using A = forms::Alignment;
    for (forms::Label& l : m.Label) font(l, 10, true, A::Left);
    for (forms::Label& l : m.LabelBud) font(l, 10, true, A::Left);
    for (int r = 0; r < 11; ++r) {
        font(m.LabelVi[r], 9, true, A::Center);
        font(m.LabelDe[r], 9, true, A::Center);
    }
    font(m.LblStatisticVi, 9, true, A::Center);
    font(m.LblStatisticDe, 9, true, A::Center);
    font(m.LblScore, 14, true, A::Center);
    font(m.LlbAnimate, 14, true, A::Center);
    font(m.LblGameOver, 30, true, A::Center);
    // The prompt stands in front of the chosen colour in the middle of the
    // table; it lets the picture show through, and a light rim around its
    // dark letters keeps it readable over the black suits.
    font(m.LblClickVidare, 10, true, A::Center);
    m.LblClickVidare.BackOpaque = false;
    m.LblClickVidare.TextHalo = true;
    m.LblClickVidare.HaloColor = RGB(255, 255, 255);
    font(m.LblSuggest, 9, true, A::Left);
    font(m.LblKilledCards, 8, false, A::Left);
    font(m.LblNotInPlay, 8, true, A::Left);
    // 66 characters of the ticker must fit its 421 pixels.
    font(m.LblTicker, 8, false, A::Left);
    font(m.LblReplay, 14, true, A::Center);
    // The bid pictures' column covers the right part of this label once the
    // bids are shown: the text stands at its left, clear of them.
    font(m.LlbDisabled, 12, true, A::Left);
    font(m.LblLogFileName, 9, false, A::Left);
}
}  // namespace

void Main::CreateControls() {
    form.Caption = AppTitle();
    form.ClientWidth = 15240;
    form.ClientHeight = 11010;
    form.BackColor = RGB(0, 128, 0);

    // Lines and labels first: graphical controls behind everything else.
    place(Line1, "Line1", -1, 13440, 2760, 0, 9480 - 2760, true);
    Line1.X1 = 13440; Line1.Y1 = 2760; Line1.X2 = 13440; Line1.Y2 = 9480;
    place(Line2, "Line2", -1, 12600, 2160, 0, 9480 - 2160, true);
    Line2.X1 = 12600; Line2.Y1 = 2160; Line2.X2 = 12600; Line2.Y2 = 9480;
    place(Line3, "Line3", -1, 11760, 2760, 15000 - 11760, 0, true);
    Line3.X1 = 11760; Line3.Y1 = 2760; Line3.X2 = 15000; Line3.Y2 = 2760;
    for (forms::Line* l : {&Line1, &Line2, &Line3}) {
        l->BorderColor = RGB(0, 0, 0);
        form.Add(*l);
    }

    const int seatLabel[4][4] = {{3120, 9960, 1215, 375}, {720, 2400, 1215, 375}, {3240, 120, 1095, 375},
                                 {10320, 2400, 1095, 375}};
    const int bidLabel[4][4] = {{5400, 7560, 1095, 375}, {3480, 4920, 840, 375}, {5640, 2400, 855, 375},
                                {7800, 4920, 840, 375}};
    for (int s = 0; s < 4; ++s) {
        label(Label[s], "Label", s, seatLabel[s][0], seatLabel[s][1], seatLabel[s][2], seatLabel[s][3], "",
              RGB(0, 0, 0), true);
        label(LabelBud[s], "LabelBud", s, bidLabel[s][0], bidLabel[s][1], bidLabel[s][2], bidLabel[s][3], "",
              RGB(255, 255, 15), true);
        form.Add(Label[s]);
        form.Add(LabelBud[s]);
    }
    for (int r = 0; r < 11; ++r) {
        label(LabelVi[r], "LabelVi", r, 12000, 3000 + 600 * r, 375, 255, "", RGB(255, 255, 0), true);
        label(LabelDe[r], "LabelDe", r, 12840, 3000 + 600 * r, 375, 255, "", RGB(255, 255, 0), true);
        form.Add(LabelVi[r]);
        form.Add(LabelDe[r]);
    }
    label(LblStatisticVi, "LblStatisticVi", -1, 11880, 1800, 495, 255, "0", RGB(0, 255, 255), true);
    label(LblStatisticDe, "LblStatisticDe", -1, 12720, 1800, 495, 255, "0", RGB(0, 255, 255), true);
    label(LblScore, "LblScore", -1, 5880, 4560, 1335, 375, "7 : 7", RGB(255, 255, 0), false);
    label(LlbAnimate, "LlbAnimate", -1, 6000, 5400, 1095, 375, "0 : 0", RGB(255, 255, 0), false);
    label(LblGameOver, "LblGameOver", -1, 2520, 2160, 6615, 975, "Game             Over", RGB(255, 255, 0),
          false);
    label(LblClickVidare, "LblClickVidare", -1, 4320, 4965, 2910, 375, "", RGB(0, 0, 0), false);
    label(LblSuggest, "LblSuggest", -1, 3150, 10320, 5715, 675, "Suggestion", RGB(255, 255, 255), false);
    label(LblKilledCards, "LblKilledCards", -1, 9120, 10080, 3135, 555, "", RGB(255, 255, 255), false);
    label(LblNotInPlay, "LblNotInPlay", -1, 9120, 8160, 2655, 255, "CARDS NOT IN PLAY", RGB(128, 0, 0), false);
    label(LblTicker, "LblTicker", -1, 2760, 8040, 6315, 255, "", RGB(255, 255, 255), false);
    label(LblReplay, "LblReplay", -1, 5520, 0, 3615, 615, "", RGB(255, 255, 255), false);
    label(LlbDisabled, "LlbDisabled", -1, 11760, 4320, 2775, 615, "", RGB(255, 255, 255), false);
    label(LblLogFileName, "LblLogFileName", -1, 7920, 120, 7095, 375, "", RGB(255, 255, 255), false);
    applyFonts(*this);
    for (forms::Label* l : {&LblStatisticVi, &LblStatisticDe, &LblScore, &LlbAnimate, &LblGameOver,
                            &LblKilledCards, &LblNotInPlay, &LblTicker, &LblReplay, &LlbDisabled, &LblLogFileName,
                            &LblSuggest})
        form.Add(*l);

    // Pictures. A pressed face is registered before its up face, so the up
    // face stands in front.
    struct Pair {
        forms::Image* up;
        forms::Image* dn;
        const char* name;
        int left, top, size;
        bool upVisible, dnVisible;
    };
    const Pair pairs[] = {
        {&ImgKlUp, &ImgKlDn, "ImgKl", 6480, 7440, 555, false, false},
        {&ImgHjUp, &ImgHjDn, "ImgHj", 7080, 7440, 555, false, false},
        {&ImgSpUp, &ImgSpDn, "ImgSp", 7680, 7440, 555, false, false},
        {&ImgRuUp, &ImgRuDn, "ImgRu", 8280, 7440, 555, false, false},
        {&ImgReloadUp, &ImgReloadDn, "ImgReload", 7080, 7440, 555, false, false},
        {&ImgReplayUp, &ImgReplayDn, "ImgReplay", 7680, 7440, 555, false, false},
        {&ImgContUp, &ImgContDn, "ImgCont", 8280, 7440, 555, false, false},
        {&ImgAboutUp, &ImgAboutDn, "ImgAbout", 13440, 360, 555, true, true},
        {&ImgExitUp, &ImgExitDn, "ImgExit", 14160, 360, 555, true, true},
        {&ImgTraceUp, &ImgTraceDn, "ImgTrace", 11880, 10200, 555, false, false},
        {&ImgSuggestUp, &ImgSuggestDn, "ImgSuggest", 2550, 8400, 390, true, false},
    };
    for (const Pair& p : pairs) {
        place(*p.dn, std::string(p.name) + "Dn", -1, p.left, p.top, p.size, p.size, p.dnVisible);
        place(*p.up, std::string(p.name) + "Up", -1, p.left, p.top, p.size, p.size, p.upVisible);
        form.Add(*p.dn);
        form.Add(*p.up);
    }
    const std::pair<forms::Image*, const char*> chosen[] = {
        {&ImgKlChosen, "ImgKlChosen"}, {&ImgRuChosen, "ImgRuChosen"}, {&ImgHjChosen, "ImgHjChosen"},
        {&ImgSpChosen, "ImgSpChosen"}};
    for (const auto& [img, name] : chosen) {
        place(*img, name, -1, 4800, 4680, 975, 975, false);
        form.Add(*img);
    }
    const int player[4][2] = {{4680, 7440}, {2880, 4800}, {4920, 2280}, {7200, 4800}};
    for (int s = 0; s < 4; ++s) {
        place(ImgPlayer[s], "ImgPlayer", s, player[s][0], player[s][1], 555, 555, true);
        form.Add(ImgPlayer[s]);
        place(PakkoImageXP[s], "PakkoImageXP", s, 0, 0, 1305, 1740, false);
        PakkoImageXP[s].Stretch = true;
        form.Add(PakkoImageXP[s]);
    }
    place(Image1, "Image1", -1, 11760, 2040, 795, 615, true);
    place(Image2, "Image2", -1, 12630, 2040, 795, 615, true);
    place(ImgDebug, "ImgDebug", -1, 14040, 2040, 735, 495, false);
    form.Add(Image1);
    form.Add(Image2);
    form.Add(ImgDebug);
    // The bidder of each score-sheet row, right of its bid cell.
    for (int r = 0; r < 11; ++r) {
        place(ImgBudNamn[r], "ImgBudNamn", r, 14280, 2880 + 600 * r, 555, 555, false);
        ImgBudNamn[r].Stretch = true;
        form.Add(ImgBudNamn[r]);
    }
    // The prompt to go on stands in front of the chosen colour.
    form.Add(LblClickVidare);

    // Windowed controls: they stand above all graphical ones.
    const int handGeo[4][4] = {{3120, 8280, 5865, 1590}, {240, 2880, 1185, 5280}, {3240, 600, 5865, 1590},
                               {10320, 2880, 1185, 5280}};
    const int bordGeo[4][4] = {{3120, 5760, 5865, 1590}, {1560, 2880, 1185, 5280}, {3120, 3000, 5865, 1590},
                               {8880, 2880, 1185, 5280}};
    for (int s = 0; s < 4; ++s) {
        place(Bord[s], "Bord", s, bordGeo[s][0], bordGeo[s][1], bordGeo[s][2], bordGeo[s][3], true);
        form.Add(Bord[s]);
    }
    for (int s = 0; s < 4; ++s) {
        place(Hand[s], "Hand", s, handGeo[s][0], handGeo[s][1], handGeo[s][2], handGeo[s][3], true);
        form.Add(Hand[s]);
    }
    place(KortKilled, "KortKilled", -1, 9120, 8400, 2655, 1590, true);
    form.Add(KortKilled);
    for (KortHand* h : {&Hand[0], &Hand[1], &Hand[2], &Hand[3], &Bord[0], &Bord[1], &Bord[2], &Bord[3], &KortKilled})
        h->UserControl_Resize();

    for (int k = 0; k < 10; ++k) {
        place(PBBidDN[k], "PBBidDN", k, 2880 + 600 * k, 7440, 555, 555, false);
        place(PBBid[k], "PBBid", k, 2880 + 600 * k, 7440, 555, 555, false);
        form.Add(PBBidDN[k]);
        form.Add(PBBid[k]);
    }
    for (int r = 0; r < 11; ++r) {
        place(PBBudet[r], "PBBudet", r, 13560, 2880 + 600 * r, 555, 555, false);
        form.Add(PBBudet[r]);
    }
    const std::pair<forms::PictureBox*, const char*> strips[] = {
        {&PBNumbersBlack, "PBNumbersBlack"},   {&PBNumbersBlackDN, "PBNumbersBlackDN"},
        {&PBNumbersGoldDN, "PBNumbersGoldDN"}, {&PBNumbersBlue, "PBNumbersBlue"},
        {&PBButtonsBackground, "PBButtonsBackground"}, {&PBButtonsBackgroundDN, "PBButtonsBackgroundDN"},
        {&PBStrike, "PBStrike"}};
    for (const auto& [pb, name] : strips) {
        place(*pb, name, -1, 0, 0, 0, 0, false);
        form.Add(*pb);
    }

    place(LBTrace, "LBTrace", -1, 240, 8400, 2280, 2415, false);
    form.Add(LBTrace);
    BtnPlaylog.Caption = "Replay log";
    BtnLoadlog.Caption = "Reload log";
    BtnDebugMsg.Caption = "FEL";
    place(BtnPlaylog, "BtnPlaylog", -1, 13800, 9600, 975, 495, false);
    place(BtnLoadlog, "BtnLoadlog", -1, 12720, 9600, 975, 495, false);
    place(BtnDebugMsg, "BtnDebugMsg", -1, 11640, 9600, 975, 495, false);
    form.Add(BtnPlaylog);
    form.Add(BtnLoadlog);
    form.Add(BtnDebugMsg);

    AssignTablePictures(*this);
}

void Main::TomAllaBord() {
    for (KortHand& b : Bord) {
        b.ClearHand();
        b.refresh();
    }
}

void Main::TomAllaHander() {
    for (KortHand& h : Hand) {
        h.ClearHand();
        h.refresh();
    }
}

void Main::PrepareHandsForPlay() {
    for (KortHand& h : Hand) {
        h.TomKoptaKort();
        h.refresh();
    }
}

void Main::LayoutPackImages() {
    const int pos[4][2] = {{8400, 950}, {600, 120}, {600, 1680}, {600, 10200}};  // Top, Left
    for (int s = 0; s < 4; ++s) {
        forms::Image& p = PakkoImageXP[s];
        p.Stretch = false;
        p.Height = 1740;
        p.Width = 1305;
        p.Top = pos[s][0];
        p.Left = pos[s][1];
    }
}

void Main::PakkoBort() {
    for (forms::Image& p : PakkoImageXP) p.Visible = false;
}

void Main::PakkoLiten() {
    for (forms::Image& p : PakkoImageXP) {
        p.Stretch = true;
        p.Height = 1740 / 3;
        p.Width = 1260 / 3;
        p.Top += 580;
        p.Left += 420;
    }
    const int pos[4][2] = {{9600, 2560}, {2040, 240}, {120, 2700}, {2040, 9800}};  // Top, Left
    for (int s = 0; s < 4; ++s) {
        PakkoImageXP[s].Top = pos[s][0];
        PakkoImageXP[s].Left = pos[s][1];
    }
}

namespace {
void layoutBord(std::array<KortHand, 4>& bord, int offset, int cards) {
    bord[2].Left = offset;
    bord[2].SetCardsToShow(cards);
    bord[0].Left = offset;
    bord[0].SetCardsToShow(cards);
    bord[3].Top = offset;
    bord[3].SetCardsToShow(cards);
    bord[1].Top = offset;
    bord[1].SetCardsToShow(cards);
}
}  // namespace

void Main::LayoutBordForDeal() { layoutBord(Bord, 2760, 9); }
void Main::LayoutBordForPlay() { layoutBord(Bord, 4200, 6); }
