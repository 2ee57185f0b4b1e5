#include "EngineBridge.h"

#include "Main.h"
#include "PlayRules.h"
#include "PlayState.h"

short SuggestedCardIndex = -1;

namespace {

KortHand* handOf(int seat) {
    Main* m = Main::instance();
    return m ? &m->Hand[static_cast<std::size_t>(seat & 3)] : nullptr;
}

KortHand* currentHand() { return handOf(static_cast<int>(CurrentSeat)); }

std::int32_t trumpColour() {
    Main* m = Main::instance();
    return m ? m->gbFarg : 0;
}

// The 1-based collection index of the n-th trump; 0 when there are fewer.
int indexOfTrump(const KortHand& h, int n) {
    const std::int32_t colour = trumpColour();
    int count = 0;
    for (int i = 1; i <= h.colHand.Count(); ++i) {
        if (IsTrump(*h.colHand.Item(i), colour) && ++count == n) return i;
    }
    return 0;
}

}  // namespace

void DefaultPlayHook(int, int) {}

short ProbabilityHook(const std::string&) { return -1; }

std::string PlayRuleFilePath(int seat) {
    Main* m = Main::instance();
    KortHand* h = handOf(seat);
    if (!m || !h) return "";
    return m->gbInstallPath + h->myPlayAI;
}

void PlayCardOfRank(short rank) {
    KortHand* h = currentHand();
    if (!h) return;
    int idx = h->FindCardIDXofRang(rank);
    if (h->mySpelarTyp != 0) {
        SuggestedCardIndex = static_cast<short>(idx);
        return;
    }
    if (idx <= 0) {
        idx = indexOfTrump(*h, 1);
        if (idx <= 0) return;
        RuleTrace = "[DEFAULT]";
    }
    h->PlayIt(idx);
}

short TrumpCountInHand() {
    KortHand* h = currentHand();
    if (!h) return 0;
    const std::int32_t colour = trumpColour();
    short n = 0;
    for (Kort* k : h->colHand)
        if (IsTrump(*k, colour)) ++n;
    return n;
}

short TrumpRankAt(int seat, int n) {
    KortHand* h = handOf(seat);
    if (!h || n < 1) return 0;
    const int idx = indexOfTrump(*h, n);
    return idx > 0 ? static_cast<short>(h->colHand.Item(idx)->Rang) : 0;
}

void MoveTrumpToPosition(short position, short rank) {
    KortHand* h = currentHand();
    if (!h || h->mySpelarTyp != 0 || rank <= 0) return;
    const std::int32_t colour = trumpColour();
    int from = 0;
    for (int i = 1; i <= h->colHand.Count(); ++i) {
        const Kort* k = h->colHand.Item(i);
        if (IsTrump(*k, colour) && k->Rang == rank) {
            from = i;
            break;
        }
    }
    if (from == 0) return;
    Kort* card = h->colHand.Item(from);
    h->colHand.Remove(from);
    const int anchor = indexOfTrump(*h, position);
    if (anchor > 0) h->colHand.AddBefore(card, CardKey(*card), anchor);
    else h->colHand.Add(card, CardKey(*card));
}

short HighestBid() {
    Main* m = Main::instance();
    return m ? m->gbHogstaBudet : 0;
}

std::string BidRole() {
    Main* m = Main::instance();
    std::int32_t b = m ? m->gbBjuditHogst : 0;
    if (b < 0 || b > 3) b = 0;
    const std::int32_t c = CurrentSeat & 3;
    if (b == c) return "BIDDER";
    if (b == LeftOf(c)) return "B_DEFENCE";
    if (b == PartnerOf(c)) return "BIDRESPONSE";
    return "A_DEFENCE";
}

bool HasTable() { return Main::instance() != nullptr; }

std::string GameInstallPath() {
    Main* m = Main::instance();
    return m ? m->gbInstallPath : "";
}

short GameScoreVi() {
    Main* m = Main::instance();
    return m ? m->gbVi : 0;
}

short GameScoreDe() {
    Main* m = Main::instance();
    return m ? m->gbDe : 0;
}

int BiddingSeat() {
    Main* m = Main::instance();
    return m ? m->attBjuda & 3 : 0;
}

int DealerSeat() {
    Main* m = Main::instance();
    return m ? m->harPacko & 3 : 0;
}

short SeatBid(int seat) {
    Main* m = Main::instance();
    if (!m || seat < 0 || seat > 3) return 0;
    return m->Hand[static_cast<std::size_t>(seat)].GeBud();
}

std::vector<int> SeatTrumpRanksFor(int seat, std::int32_t colour) {
    Main* m = Main::instance();
    std::vector<int> ranks;
    if (!m || seat < 0 || seat > 3) return ranks;
    m->Packe.ValjFarg(colour);
    for (const Kort* k : m->Hand[static_cast<std::size_t>(seat)].colHand)
        if ((k->farg & colour) != 0) ranks.push_back(k->Rang);
    return ranks;
}

void ShowEngineMessage(const std::string& text) {
    if (Main* m = Main::instance()) m->MsgBox(text);
}

void LogEngineLine(const std::string& line) {
    if (Main* m = Main::instance()) m->Log(line);
}
