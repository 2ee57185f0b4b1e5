// A seat's bid and trump colour: computer seats decide from the bid table
// and the bid rules; the human's seat gets the same decision as a suggestion
// and answers with the bid and colour buttons.
#include <string>

#include "BidRules.h"
#include "BidTable.h"
#include "KortHand.h"
#include "LogLines.h"
#include "Main.h"
#include "VbText.h"

namespace {
const std::string kStars16(16, '*');
const std::string kStars60(60, '*');

// The seat words of the bidding lines carry one trailing blank.
std::string seatWord(int seat) { return SeatWord(seat & 3) + " "; }

std::string colourReportLine(std::int32_t colour) {
    switch (colour) {
    case 4: return "Farg: Hjärter";
    case 1: return "Farg: Klöver";
    case 2: return "Farg: Ruter";
    case 8: return "Farg: Spader";
    default: return "";
    }
}

bool isColour(std::int32_t c) { return c == 1 || c == 2 || c == 4 || c == 8; }

// The colour with the highest EA at a level index, earliest colour on ties.
// A seat that bids always names a colour: when no value lies above the -200
// floor, the largest value is taken anyway (clubs when all are equal).
std::int32_t bestColourAt(int level, float* bestValue = nullptr) {
    std::int32_t colour = -1;
    float best = -200.0f;
    for (int c = 0; c < 4; ++c)
        if (EATable[c][level] > best) {
            colour = 1 << c;
            best = EATable[c][level];
        }
    if (colour == -1) {
        colour = 1;
        best = EATable[0][level];
        for (int c = 1; c < 4; ++c)
            if (EATable[c][level] > best) {
                colour = 1 << c;
                best = EATable[c][level];
            }
    }
    if (bestValue) *bestValue = best;
    return colour;
}

void traceBid(Main& m, const std::string& modeLine) {
    m.LBTrace.AddItem(seatWord(m.attBjuda));
    m.LBTrace.AddItem(FiredRuleName);
    m.LBTrace.AddItem(modeLine);
}
}  // namespace

void KortHand::PutBud(short bid) {
    bid_ = bid;
    Main* m = Main::instance();
    if (!m || bid < 0) return;
    forms::Label& label = m->LabelBud[static_cast<std::size_t>(m->attBjuda & 3)];
    if (bid > 0) {
        label.Caption = StrNum(bid);
        m->Log("HUMAN Bids: " + PlainNum(bid));
    } else {
        label.Caption = "Pass";
        m->Log("HUMAN Bids: PASS");
    }
}

void KortHand::bjud(short BiggestBid) {
    Main* mp = Main::instance();
    if (!mp) return;
    Main& m = *mp;
    MinFarg = -1;
    bid_ = 0;
    bidReport_.clear();

    m.Log(kStars16);
    m.Log(seatWord(m.attBjuda) + "BJUDER");
    m.Log(kStars16);

    LoadHandEATables(m.attBjuda, myBjudAI);
    FiredRuleName.clear();
    const std::string mode = EvaluateBidRules(m.gbInstallPath + myBjudAIFile);
    float cEA = 0.0f;
    const bool deals = m.attBjuda == m.attSaka;

    if (mode == "EA") {
        const std::string line = "BidMode - EA: " + CStrSingle(BidEAPLevel);
        m.Log(line);
        m.Log("Rule: " + FiredRuleName);
        traceBid(m, line);
        cEA = BjudEnligtEA(BidEAPLevel, BiggestBid);
    } else if (mode == "PASS") {
        bid_ = 0;
        m.Log("BidMode - PASS");
        m.Log("Rule: " + FiredRuleName);
        traceBid(m, "BidMode - PASS");
    } else if (mode == "BID") {
        const std::string line = "BidMode - BID: " + PlainNum(BidRuleValue);
        m.Log(line);
        m.Log("Rule: " + FiredRuleName);
        traceBid(m, line);
        // The dealer only ever goes one above the highest bid, so a value
        // above 14 still gives it a bid it may make.
        const bool dealerAbove14 = deals && BidRuleValue > 14;
        if ((BidRuleValue < 6 || BidRuleValue > 14) && !dealerAbove14) {
            // No such bid: no button, no table level, no winnable contract.
            m.Log("Bid out of range, taken as a pass: " + PlainNum(BidRuleValue));
        } else if (BidRuleValue > BiggestBid || BidRuleValue == 14) {
            m.Log("Bid in valid range");
            if (deals) {
                bid_ = static_cast<short>(BiggestBid + 1);
                m.Log("Jag ar sist och reviderar mitt ursprungliga bud: " + PlainNum(bid_));
                if (bid_ > 14) bid_ = 14;
            } else {
                bid_ = BidRuleValue;
            }
            MinFarg = bestColourAt(bid_ - 5);
        }
    }

    if (BiggestBid == 5 && bid_ == 0) {
        m.Log("Pakkobud");
        bid_ = 6;
        MinFarg = bestColourAt(1);
    }

    // Handed over line by line, so every log line stays one text line.
    bidReport_ = "Budet: " + PlainNum(bid_) + " med EA: " + CStrSingle(cEA);
    m.Log(bidReport_);
    if (isColour(MinFarg)) m.Log(colourReportLine(MinFarg));

    if (mySpelarTyp == 1) {
        if (BiggestBid != 5 && bid_ != 0 && m.bSuggest && isColour(MinFarg)) StickOutAllCardsOfFarg(MinFarg);
        m.LoadBjudform(bid_);
        return;  // the bid buttons carry the game on
    }

    if (bid_ > BiggestBid) m.gbHogstaBudet = bid_;
    forms::Label& label = m.LabelBud[static_cast<std::size_t>(m.attBjuda & 3)];
    label.Caption = bid_ > 0 ? StrNum(bid_) : "Pass";
    label.Refresh();
    m.Label[static_cast<std::size_t>(m.attBjuda & 3)].ForeColor = forms::RGB(0, 0, 0);
    m.myGameStatus = 2;
    m.Run();  // the next bidding step runs before this returns; nothing may follow
}

float KortHand::BjudEnligtEA(float cEA, short BiggestBid) {
    Main* mp = Main::instance();
    if (!mp) return 0.0f;
    Main& m = *mp;
    short colourBid[4] = {0, 0, 0, 0};
    float colourEA[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    for (int c = 0; c < 4; ++c)
        for (int level = 14; level >= 6; --level)
            if (EATable[c][level - 5] >= cEA) {
                colourBid[c] = static_cast<short>(level);
                colourEA[c] = EATable[c][level - 5];
                break;
            }

    m.Log("Looking for cEA >= " + CStrSingle(cEA));
    for (int c = 0; c < 4; ++c)
        m.Log("Color " + PlainNum(c) + " Bid: " + PlainNum(colourBid[c]) + " with EA " + CStrSingle(colourEA[c]));

    float result = 0.0f;
    const int start = BiggestBid == 14 ? 14 : BiggestBid + 1;
    for (int level = 14; level >= start; --level) {
        int c = 0;
        while (c < 4 && colourBid[c] != level) ++c;
        if (c == 4) continue;
        if (colourEA[c] > -200.0f) {
            bid_ = static_cast<short>(level);
            MinFarg = 1 << c;
            result = colourEA[c];
        }
        break;
    }

    if (BiggestBid == 5) {
        bid_ = 6;
        MinFarg = bestColourAt(1, &result);
    }

    if (m.attBjuda == m.attSaka && bid_ > BiggestBid) {
        m.Log("Jag ar sist och reviderar mitt ursprungliga bud: " + PlainNum(bid_));
        bid_ = static_cast<short>(BiggestBid + 1);
    }
    return result;
}

void KortHand::ValdFarg() {
    Main* mp = Main::instance();
    if (!mp) return;
    Main& m = *mp;
    if (mySpelarTyp == 1) {
        m.LoadFargForm();
        return;  // the colour buttons carry the game on
    }
    if (!isColour(MinFarg)) {
        // A bidder always names a colour: the one it holds most cards of.
        MinFarg = 1;
        for (int c = 1; c < 4; ++c)
            if (AntalKortIFarg(1 << c) > AntalKortIFarg(MinFarg)) MinFarg = 1 << c;
    }
    m.Log(TagColour);
    m.Log(ColourWord(MinFarg));
    m.Log(kStars60);
    m.gbFarg = MinFarg;
    switch (MinFarg) {
    case 4: m.ImgHjChosen.Visible = true; break;
    case 2: m.ImgRuChosen.Visible = true; break;
    case 8: m.ImgSpChosen.Visible = true; break;
    default: m.ImgKlChosen.Visible = true; break;
    }
    m.myGameStatus = 5;
    m.Run();  // the discard follows before this returns; nothing may follow
}
