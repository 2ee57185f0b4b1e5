#include "KortHand.h"

#include <algorithm>

#include "CardArt.h"
#include "NumberedError.h"
#include "VbText.h"

KortHand::KortHand() {
    int w = 0, h = 0;
    cdtInit(&w, &h);
    cardW_ = static_cast<short>(w);
    cardH_ = static_cast<short>(h);
    MouseDown = [this](int b, int s, float x, float y) { UserControl_MouseDown(b, s, x, y); };
    Click = [this] { UserControl_Click(); };
    DblClick = [this] { UserControl_DblClick(); };
}

KortHand::~KortHand() { cdtTerm(); }

void KortHand::SetCardsToShow(int n) {
    cardsToShow_ = std::clamp(n, 0, 255);
    UserControl_Resize();
}

void KortHand::SetLayoutStyle(int style) {
    layout_ = std::clamp(style, 0, 255);
    UserControl_Resize();
}

void KortHand::SetHandSpelarTyp(std::int32_t type) {
    mySpelarTyp = type;
    VisaHanden = type == 0 ? 1 : 0;
}

bool KortHand::HandEmpty(std::int32_t c) const { return AntalKortIFarg(c) == 0; }

short KortHand::AntalKortIFarg(std::int32_t c) const {
    short n = 0;
    for (const Kort* k : colHand)
        if ((k->farg & c) != 0) ++n;
    return n;
}

void KortHand::TomKoptaKort() {
    for (Kort* k : colHand) k->Kop = false;
}

bool KortHand::TomHand(std::int32_t c) {
    const bool out = HandEmpty(c);
    if (!out) return false;
    Tom = true;
    if (colHand.Count() > 0) {
        ClearHand();
        if (bordHand_) bordHand_->refresh();
        refresh();
    }
    return true;
}

void KortHand::SattInKortIHanden() {
    TomKoptaKort();
    refresh();
}

void KortHand::refresh() {
    ++RepaintCount;
    Refresh();  // the cards are drawn when the control is next shown
}

void KortHand::ClearHand() {
    while (colHand.Count() > 0) colHand.Remove(1);
}

void KortHand::StickOut(int pos) {
    if (pos >= 1 && pos <= colHand.Count()) colHand.Item(pos)->Kop = true;
    refresh();
}

void KortHand::StickOutAllCardsOfFarg(std::int32_t c) {
    bool any = false;
    for (Kort* k : colHand)
        if ((k->farg & c) != 0) {
            k->Kop = true;
            any = true;
        }
    if (any) refresh();
}

void KortHand::StickOutAllCardsOfRang(int rang) {
    bool any = false;
    for (Kort* k : colHand)
        if (k->Rang == rang) {
            k->Kop = true;
            any = true;
        }
    if (any) refresh();
}

void KortHand::StickInAllCardsOfRang(int rang) {
    bool any = false;
    for (Kort* k : colHand)
        if (k->Rang == rang) {
            k->Kop = false;
            any = true;
        }
    if (any) refresh();
}

void KortHand::SortHand() {
    std::vector<Kort*> cards(colHand.begin(), colHand.end());
    ClearHand();
    for (Kort* k : cards) AddACard(k, true);
}

bool KortHand::addAt(Kort*& k, bool sorted, bool refreshAfter) {
    if (!k) return false;
    if (k->Nr == -1) {
        k = nullptr;
        return false;
    }
    const std::string key = CardKey(*k);
    if (colHand.Contains(key))
        throw NumberedError(errors::CardAlreadyAvailable, "KortHand", "Card already available");
    int before = 0;
    if (sorted) {
        for (int i = 1; i <= colHand.Count(); ++i)
            if (colHand.Item(i)->Sortering < k->Sortering) {
                before = i;
                break;
            }
    }
    if (before > 0)
        colHand.AddBefore(k, key, before);
    else
        colHand.Add(k, key);
    if (refreshAfter) refresh();
    return true;
}

bool KortHand::AddACard(Kort*& k, bool refreshAfter) { return addAt(k, true, refreshAfter); }
bool KortHand::AddACardOSort(Kort*& k, bool refreshAfter) { return addAt(k, false, refreshAfter); }

Kort* KortHand::TakeACard(const std::string& key) {
    Kort* k = colHand.Item(key);
    colHand.Remove(key);
    return k;
}

Kort* KortHand::TakeACard(int pos) {
    Kort* k = colHand.Item(pos);
    colHand.Remove(pos);
    return k;
}

std::vector<std::string> KortHand::GetCardList() const {
    if (colHand.Count() == 0) return {"No Cards"};
    std::vector<std::string> out{PlainNum(colHand.Count())};
    for (int i = 1; i <= colHand.Count(); ++i) out.push_back(colHand.KeyAt(i));
    return out;
}

bool KortHand::SetCardState(const std::string& key, int drawStyle) {
    if (!colHand.Contains(key))
        throw NumberedError(errors::CardNotAvailable, "KortHand", "Card not available ");
    colHand.Item(key)->DrawStyle = static_cast<std::int16_t>(drawStyle);
    refresh();
    return true;
}

bool KortHand::SetCardState(int pos, int drawStyle) {
    if (pos < 1 || pos > colHand.Count())
        throw NumberedError(errors::CardNotAvailable, "KortHand", "Card not available ");
    colHand.Item(pos)->DrawStyle = static_cast<std::int16_t>(drawStyle);
    refresh();
    return true;
}
