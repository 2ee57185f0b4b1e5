// Dealing three cards a tick, the seats' bidding turns and who holds the
// highest bid.
#include <string>

#include "GameLog.h"
#include "LogLines.h"
#include "Main.h"
#include "Rng.h"
#include "TableColours.h"
#include "ThinkingPause.h"
#include "VbText.h"

namespace {
using forms::RGB;

std::string paddedSeatWord(int seat) {
    std::string w = SeatWord(seat & 3);
    w.resize(7, ' ');
    return w;
}

std::string suitPrefix(std::int32_t farg) {
    switch (farg) {
    case 1: return "Kl ";
    case 2: return "Ru ";
    case 4: return "Hj ";
    case 8: return "Sp ";
    default: return "";
    }
}

// One card of a deal line: suit, the five's colour bits, the face.
std::string dealText(const Kort& k) {
    std::string t = suitPrefix(k.farg);
    if (k.Typ == "5") t += " (" + StrNum(k.farg) + ") ";
    return t + k.Typ + "  ";
}
}  // namespace

void Main::StartDeal() {
    TomAllaBord();
    TomAllaHander();
    if (!bReplay) Packe.Saka();
    LogScoreAndDeck();

    for (forms::Image* img : {&ImgKlUp, &ImgRuUp, &ImgHjUp, &ImgSpUp, &ImgHjChosen, &ImgRuChosen, &ImgKlChosen,
                              &ImgSpChosen})
        img->Visible = false;
    for (int k = 0; k < 10; ++k) {
        PBBid[static_cast<std::size_t>(k)].Visible = false;
        // A deal restarted during the human's bid turn must not keep the old
        // suggestion mark.
        PBBid[static_cast<std::size_t>(k)].Tag.clear();
        PBBidDN[static_cast<std::size_t>(k)].Visible = false;
    }
    for (std::size_t s = 0; s < 4; ++s) {
        Hand[s].ClearHand();
        Hand[s].PutBud(-1);
        LabelBud[s].Caption.clear();
        Label[s].ForeColor = RGB(0, 0, 0);
    }
    PakkoImageXP[static_cast<std::size_t>(attSaka & 3)].Visible = true;
    Log("DELAR UT KORT - (6)=Röd Lumra, (9)=Svart Lumra");
    Log("");

    DealTickCount = 0;
    DealSeat = (attSaka + 1) & 3;
    Timer2.Tag = "DELUT";
}

void Main::DealStep() {
    if (DealTickCount < 3) {
        KortHand& hand = Hand[static_cast<std::size_t>(DealSeat & 3)];
        hand.SattInKortIHanden();
        std::string line = paddedSeatWord(DealSeat);
        for (int i = 0; i < 3; ++i) {
            Kort* k = Packe.GeKort();
            line += dealText(*k);
            if (DealTickCount != 0) k->Kop = true;
            hand.AddACardOSort(k, false);
        }
        Log(line);
        Log("");
        Label[static_cast<std::size_t>(DealSeat & 3)].Caption = hand.HandNamn;
        hand.refresh();
        const bool dealerDealt = DealSeat == attSaka;
        DealSeat = (DealSeat + 1) & 3;
        if (dealerDealt) ++DealTickCount;
        return;
    }
    if (DealTickCount == 5)
        for (KortHand& h : Hand) {
            h.SattInKortIHanden();
            h.refresh();
        }
    if (DealTickCount == 12) Hand[0].SortHand();
    const bool startBidding = DealTickCount >= 15;
    ++DealTickCount;
    if (startBidding) {
        Timer2.Tag.clear();
        BjudNext();
    }
}

void Main::BjudNext() {
    Timer1.SetInterval(ThinkingPause());
    if (Timer1.Tag.empty()) {
        Timer1.Tag = "Bjudnext";
        return;
    }
    Timer1.Tag.clear();
    attBjuda = (attBjuda + 1) & 3;
    if (attBjuda == attSaka && gbHogstaBudet == 0) gbHogstaBudet = 5;
    Label[static_cast<std::size_t>(attBjuda)].ForeColor = kYellow;
    Hand[static_cast<std::size_t>(attBjuda)].bjud(gbHogstaBudet);  // ends in Run or the bid buttons
}

void Main::ResolveHighestBid() {
    const std::int32_t dealer = attSaka & 3;
    std::int32_t holder = dealer;
    short best = 0;
    for (int i = 1; i <= 4; ++i) {
        const std::int32_t s = (dealer + i) & 3;
        const short bid = Hand[static_cast<std::size_t>(s)].GeBud();
        // The later of equal bids holds the highest bid.
        if (bid >= best) {
            best = bid;
            holder = s;
        }
    }
    gbBjuditHogst = holder;
    if (best == 0) {
        gbHogstaBudet = 6;
        Hand[static_cast<std::size_t>(holder)].PutBud(6);
    }
    Log(std::string(60, '*'));
    Log(TagBidder);
    Log(SeatWord(gbBjuditHogst & 3));
    Log(TagBid);
    Log(PlainNum(gbHogstaBudet));
    Log(TagDealer);
    Log(SeatWord(harPacko & 3));
    for (std::size_t s = 0; s < 4; ++s)
        if (static_cast<std::int32_t>(s) != gbBjuditHogst) LabelBud[s].Caption.clear();
}
