#include <variant>

#include "LoadLogfile.h"
#include "LogBanner.h"
#include "LogFileReader.h"
#include "LogLines.h"
#include "Main.h"
#include "ReplayTable.h"
#include "PlayState.h"
#include "ScoreAnimation.h"
#include "VbText.h"

std::string LogFilePath;

namespace {

template <typename T>
const T* readLog(Main& m, const std::variant<T, LogReadError>& parsed) {
    if (const auto* err = std::get_if<LogReadError>(&parsed)) {
        m.MsgBox(err->message, forms::mb::OKOnly | forms::mb::Exclamation);
        return nullptr;
    }
    return &std::get<T>(parsed);
}

std::variant<std::vector<std::string>, LogReadError> linesOfChosenFile() { return ReadLogLines(LogFilePath); }

void clearPlayedFlags() {
    PlayCardFlags.fill(0);
    RankPlayedInTrick.fill(-1);
}

// The bid buttons go without handing the game to the state machine: the
// replay decides itself where play goes on.
void hideBidButtons(Main& m) {
    m.HideBidButtons();
    if (m.attBjuda >= 0 && m.attBjuda <= 3) m.Label[static_cast<std::size_t>(m.attBjuda)].ForeColor = forms::RGB(0, 0, 0);
}

void clearTableForReplay(Main& m) {
    m.TomAllaBord();
    m.TomAllaHander();
    m.KortKilled.ClearHand();
    m.KortKilled.refresh();
    m.PakkoBort();
    m.Timer1.Tag = "";
    m.Timer2.Tag = "";
    hideBidButtons(m);
    m.UnloadFargForm();
    m.ImgContUp.Visible = true;
    m.ImgContDn.Visible = true;
}

void keepRunningTotals(Main& m) {
    // A second replay keeps the totals of the game that was running before
    // the first one.
    if (!m.TotalsBeforeLogReplay) m.TotalsBeforeLogReplay = std::array<short, 2>{m.gbVi, m.gbDe};
}

void applyTotals(Main& m, const std::optional<short>& vi, const std::optional<short>& de) {
    if (vi) m.gbVi = *vi;
    if (de) m.gbDe = *de;
}

void setDealer(Main& m, const std::optional<std::string>& word) {
    if (word)
        if (const auto seat = SeatOfSeatWord(*word)) m.attSaka = *seat;
    m.harPacko = m.attSaka;
    m.attBjuda = m.attSaka;
}

// Each hand gets its trumps in the file's order, held and bought entries
// interleaved, and is not sorted. The engines read a hand in its order, so
// a computer seat may choose differently from the recorded deal, where its
// held trumps were sorted by the discard and its bought ones appended.
void dealRecordedHands(Main& m, const ReplayData& d) {
    m.Packe.ValjFarg(m.gbFarg);
    m.Packe.TomPacke();
    for (std::size_t seat = 0; seat < 4; ++seat) {
        KortHand& hand = m.Hand[seat];
        for (const int nr : d.cards[seat]) {
            Kort* k = m.Packe.CardByNr(nr);
            hand.AddACardOSort(k, true);
        }
        hand.TaBortMeraKortAn6(m.gbFarg);
    }
}

short nonEmpty(const std::vector<std::string>& entries) {
    short n = 0;
    for (const std::string& e : entries)
        if (!e.empty()) ++n;
    return n;
}

void trumpCountsFromLog(Main& m, const ReplayData& d) {
    for (std::size_t seat = 0; seat < 4; ++seat) {
        const short b = nonEmpty(d.beforeBuying[seat]);
        const short seen = static_cast<short>(b + nonEmpty(d.bought[seat]));
        TrumpsBeforeBuying[seat] = b;
        TrumpsSeenBySelf[seat] = seen;
        TrumpsSeenByOthers[seat] = seen > 6 ? seen : b;
    }
    const auto dealer = static_cast<std::size_t>(m.attSaka);
    TrumpsBeforeBuying[dealer] = -1;
    if (TrumpsSeenByOthers[dealer] <= 6) TrumpsSeenByOthers[dealer] = 0;
}

void startReplayedDeal(Main& m, const std::string& banner, std::int32_t status) {
    ShowReplayLabels(m);
    m.bReplay = true;
    m.Timer3.Tag = "";
    ResetTablePiles();
    LogBanner(banner);
    m.myGameStatus = status;
    m.Run();
}

void applyReplay(Main& m, const ReplayData& d) {
    keepRunningTotals(m);
    clearTableForReplay(m);
    clearPlayedFlags();
    for (std::size_t seat = 0; seat < 4; ++seat) {
        m.LabelBud[seat].Caption = "";
        m.Hand[seat].VisaHanden = 0;
    }
    applyTotals(m, d.vi, d.de);
    if (d.bidderWord)
        if (const auto seat = SeatOfSeatWord(*d.bidderWord)) m.gbBjuditHogst = *seat;
    if (d.bid) m.gbHogstaBudet = *d.bid;
    setDealer(m, d.dealerWord);
    m.PakkoLiten();
    m.PakkoImageXP[static_cast<std::size_t>(m.harPacko)].Visible = true;
    if (m.gbBjuditHogst >= 0 && m.gbBjuditHogst <= 3)
        m.LabelBud[static_cast<std::size_t>(m.gbBjuditHogst)].Caption = StrNum(m.gbHogstaBudet);
    m.gbFarg = d.colour;
    dealRecordedHands(m, d);
    trumpCountsFromLog(m, d);
    ForgetPendingTurn(m);
    startReplayedDeal(m, "START REPLAY FROM LOGFILE", 7);
}

void applyReload(Main& m, const ReloadData& d) {
    keepRunningTotals(m);
    // The new deal asks for a colour again; a pressed face of the old
    // choice must not stay on the table.
    m.UnloadFargForm();
    m.ImgContUp.Visible = true;
    m.ImgContDn.Visible = true;
    clearPlayedFlags();
    applyTotals(m, d.vi, d.de);
    setDealer(m, d.dealerWord);
    m.Packe.TomPacke();
    for (int slot = 1; slot <= 52; ++slot)
        m.Packe.TweakPacke(slot, PlainNum(d.order[static_cast<std::size_t>(slot - 1)]));
    if (!m.Packe.SakaRestore()) {
        // Cannot happen for a checked order; the deck is whole either way.
        m.MsgBox("The pack order in the log file could not be restored.", forms::mb::OKOnly | forms::mb::Exclamation);
        return;
    }
    ForgetPendingTurn(m);
    startReplayedDeal(m, "START RELOAD FROM LOGFILE", 1);
}

}  // namespace

void ReplayFromLogfile() {
    if (LogFilePath.empty()) return;
    Main& m = *Main::instance();
    const auto file = linesOfChosenFile();
    const auto* lines = readLog(m, file);
    if (!lines) return;
    const auto parsed = ParseReplayLog(*lines, m.gbFarg);
    const ReplayData* d = readLog(m, parsed);
    if (!d) return;
    // A file without a bid plays the bid in play, which must then be one
    // (not the 0 or 5 of a bidding round).
    if (!d->bid && (m.gbHogstaBudet < 6 || m.gbHogstaBudet > 14)) {
        m.MsgBox("The log file names no bid to play.", forms::mb::OKOnly | forms::mb::Exclamation);
        return;
    }
    applyReplay(m, *d);
}

void ReloadFromLogfile() {
    if (LogFilePath.empty()) return;
    Main& m = *Main::instance();
    const auto file = linesOfChosenFile();
    const auto* lines = readLog(m, file);
    if (!lines) return;
    const auto parsed = ParseReloadLog(*lines);
    if (const ReloadData* d = readLog(m, parsed)) applyReload(m, *d);
}

void Main::RestoreTotalsAfterLogReplay() {
    if (!TotalsBeforeLogReplay) return;
    gbVi = (*TotalsBeforeLogReplay)[0];
    gbDe = (*TotalsBeforeLogReplay)[1];
    TotalsBeforeLogReplay.reset();
}
