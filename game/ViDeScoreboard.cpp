#include "ViDeScoreboard.h"

#include "Main.h"
#include "VbText.h"

ScoreboardRecord ScoreboardEntry;

short ScoreboardRowCount = 0;
std::array<short, ScoreboardRows> ScoreboardVi{};
std::array<short, ScoreboardRows> ScoreboardDe{};
std::array<short, ScoreboardRows> ScoreboardBid{};
std::array<std::string, ScoreboardRows> ScoreboardBidder{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};

namespace {

constexpr int CellSize = 37;
constexpr int MadeFaceX = 37;
constexpr int LostFaceX = 185;
constexpr forms::Rgb Yellow = forms::RGB(255, 255, 0);
constexpr forms::Rgb Red = forms::RGB(255, 0, 0);

void showRowTotals(Main& m, int r) {
    m.LabelVi[r].Caption = PlainNum(ScoreboardVi[r]);
    m.LabelDe[r].Caption = PlainNum(ScoreboardDe[r]);
}

void showRowBidder(Main& m, int r) {
    const long long seat = static_cast<long long>(Val(ScoreboardBidder[r]));
    // A seat outside the table has no picture rather than someone else's.
    m.ImgBudNamn[r].Picture = seat >= 0 && seat < 4 ? m.ImgPlayer[seat].Picture : nullptr;
    m.ImgBudNamn[r].Visible = true;
}

void paintRowBid(Main& m, int r) {
    forms::PictureBox& cell = m.PBBudet[r];
    const BidCellSource src = BidCellFor(ScoreboardBid[r]);
    cell.PaintPicture(m.PBButtonsBackground, 0, 0, CellSize, CellSize, src.faceX, 0, forms::RasterOp::Copy);
    if (src.glyphX >= 0)
        cell.PaintPicture(m.PBNumbersBlue, 0, 0, CellSize, CellSize, src.glyphX, 0, forms::RasterOp::And);
    cell.Visible = true;
}

}  // namespace

BidCellSource BidCellFor(short bid) {
    const int faceX = bid > 0 ? MadeFaceX : LostFaceX;
    const int level = bid > 0 ? bid : -bid;
    // The number strip holds the bids 6..14 only; anything else would read
    // beside the strip or show the wrong number.
    const int glyphX = level >= 6 && level <= 14 ? (level - 5) * CellSize : -1;
    return {faceX, glyphX};
}

void ClearScoreboard() {
    Main* m = Main::instance();
    for (int r = 0; r < ScoreboardRows; ++r) {
        ScoreboardVi[r] = 0;
        ScoreboardDe[r] = 0;
        ScoreboardBidder[r] = "0";
        ScoreboardBid[r] = 0;
        if (!m) continue;
        m->ImgBudNamn[r].Visible = false;
        m->PBBudet[r].Visible = false;
        for (forms::Label* l : {&m->LabelVi[r], &m->LabelDe[r]}) {
            l->Caption = "";
            l->ForeColor = Yellow;
        }
    }
    ScoreboardRowCount = 0;
}

void ScrollScoreboard() {
    for (int r = 1; r < ScoreboardRows; ++r) {
        ScoreboardVi[r - 1] = ScoreboardVi[r];
        ScoreboardDe[r - 1] = ScoreboardDe[r];
        ScoreboardBid[r - 1] = ScoreboardBid[r];
        ScoreboardBidder[r - 1] = ScoreboardBidder[r];
    }
    ScoreboardRowCount = ScoreboardRows - 1;
}

void AddScoreboardRow() {
    if (ScoreboardRowCount >= ScoreboardRows) ScrollScoreboard();
    if (ScoreboardRowCount < 0) ScoreboardRowCount = 0;
    const int n = ScoreboardRowCount;
    ScoreboardVi[n] = ScoreboardEntry.ViTotal;
    ScoreboardDe[n] = ScoreboardEntry.DeTotal;
    ScoreboardBid[n] = ScoreboardEntry.Bid;
    ScoreboardBidder[n] = PlainNum(ScoreboardEntry.Bidder);

    if (Main* m = Main::instance()) {
        for (int r = 0; r < ScoreboardRows; ++r) {
            // A won game turns the winner's whole column red, empty rows too.
            if (ScoreboardEntry.ViWon) m->LabelVi[r].ForeColor = Red;
            if (ScoreboardEntry.DeWon) m->LabelDe[r].ForeColor = Red;
            if (r > n) continue;
            showRowTotals(*m, r);
            showRowBidder(*m, r);
            paintRowBid(*m, r);
        }
    }
    ScoreboardRowCount = static_cast<short>(n + 1);
}
