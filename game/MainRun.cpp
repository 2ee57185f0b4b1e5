// Start-up, the one-time game set-up and the game's state machine. Run()
// performs the step of the current game status; every chain of steps ends by
// leaving a word in a timer's Tag or by waiting for the player.
#include <string>

#include "BuildLanguage.h"
#include "GameLog.h"
#include "InstallFolder.h"
#include "Localisation.h"
#include "Main.h"
#include "NewsTicker.h"
#include "PlayState.h"
#include "ProductAddresses.h"
#include "Registry.h"
#include "ScoreAnimation.h"
#include "ThinkingPause.h"
#include "ViDeScoreboard.h"

namespace {

struct SeatSetUp {
    const char* code;
    const char* swedishName;
    const char* englishName;
    int layout;
    int playerType;
};

constexpr SeatSetUp kSeats[4] = {
    {"SYD", "Viktor", "Victor", 0, 1},
    {"VAST", "Axel", "Alice", 1, 0},
    {"NORD", "Peik", "Bob", 0, 0},
    {"OST", "Emil", "Carlos", 1, 0},
};

std::string withTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

void runNewDeal(Main& m) {
    m.Timer1.Tag.clear();
    m.Timer3.Tag.clear();
    ResetTablePiles();
    m.Hand[0].SetHandAktivitat(0);
    m.LblScore.Visible = false;
    m.LblGameOver.Visible = false;
    m.LblClickVidare.Visible = false;
    m.LlbAnimate.Visible = false;
    m.LblStatisticVi.Caption = GetRegistryValue("user", "Statistic", "TotalVi", "0");
    m.LblStatisticDe.Caption = GetRegistryValue("user", "Statistic", "TotalDe", "0");
    m.TomAllaBord();
    m.TomAllaHander();
    for (int s = 0; s < 4; ++s) {
        if (m.Hand[s].mySpelarTyp == 0) m.Hand[s].VisaHanden = 1;
        TrumpsSeenBySelf[s] = 0;
        TrumpsSeenByOthers[s] = 0;
    }
    for (int r = 0; r <= 14; ++r) {
        PlayCardFlags[r] = 0;
        RankPlayedInTrick[r] = -1;
    }
    m.ImgReplayUp.Visible = false;
    m.ImgReplayDn.Visible = false;
    m.LblKilledCards.Visible = false;
    m.LblNotInPlay.Visible = false;
    m.LblKilledCards.Caption.clear();
    m.KortKilled.ClearHand();
    m.KortKilled.refresh();
    m.LblSuggest.Caption.clear();
    m.LblSuggest.Visible = false;
    m.LayoutBordForDeal();
    m.PakkoBort();
    m.GamePlaying = true;
    m.LogClose();
    if (m.gbDEBUGCapture) m.SaveDebugCapture();
    m.attBjuda = m.attSaka;
    m.harPacko = m.attSaka;
    m.LayoutPackImages();
    m.PakkoImageXP[m.attSaka & 3].Visible = true;
    m.gbHogstaBudet = 0;
    m.StartDeal();
    m.myGameStatus = 2;
}

void runResolveHighestBid(Main& m) {
    m.Timer1.SetEnabled(false);
    m.Timer1.SetInterval(300);
    m.Timer1.SetEnabled(true);
    if (m.Timer1.Tag.empty()) {
        m.Timer1.Tag = "HITTAHOGBUD";
        return;
    }
    m.Timer1.Tag.clear();
    m.ResolveHighestBid();
    m.myGameStatus = 4;
    m.Run();
}

void runDiscard(Main& m) {
    m.Timer1.SetInterval(ThinkingPause());
    if (m.Timer1.Tag.empty()) {
        m.Timer1.Tag = "FARGVALD";
        return;
    }
    m.Timer1.Tag.clear();
    LogTrumpsBeforeBuying();
    m.DiscardRound();
    m.LblClickVidare.Visible = true;
    m.myGameStatus = 6;
    m.Timer1.SetInterval(800);
    m.Timer1.SetEnabled(false);
    m.Timer1.SetEnabled(true);
    m.Timer1.Tag = "WAIT_KOR";
}

void runTrickPlay(Main& m) {
    m.PrepareHandsForPlay();
    m.TomAllaBord();
    TopRankLeft = 14;
    m.attSaka = (m.attSaka + 1) & 3;
    // A restarted play (the replay button) must not leave the human's hand
    // waiting for a card while another seat leads, nor an old suggestion up.
    m.Hand[0].SetHandAktivitat(0);
    m.LblSuggest.Caption.clear();
    m.LblSuggest.Visible = false;
    m.PlayInit();
}

}  // namespace

void Main::Form_Load() {
    // This platform's installation folder stands in for the Windows default.
    gbInstallPath = withTrailingSeparator(GetRegistryValue("local", "Install", "Dir", DefaultInstallFolder()));
    form.Caption = std::string(ProductNameAndVersion) + " --- " + ProductWebAddress;
    myGameStatus = 0;
    GamePlaying = false;
    Run();
    ImgSuggestUp_MouseDown(0, 0, 1, 1);
    myGameStatus = 1;
    Run();
}

void Main::Form_Unload() { LogClose(); }

void Main::SetUpGame() {
    bSuggest = false;
    BtnPlaylog.Visible = false;
    BtnLoadlog.Visible = false;
    BtnDebugMsg.Visible = false;
    ImgTraceUp.Visible = false;
    bLogging = true;
    StopTicker();
    LoadLanguageTexts();
    ClearScoreboard();
    gbVi = 0;
    gbDe = 0;
    const bool english = std::string(BuildLanguage) == "ENGLISH";
    for (int s = 0; s < 4; ++s) {
        KortHand& h = Hand[s];
        const SeatSetUp& seat = kSeats[s];
        h.SetLayoutStyle(seat.layout);
        h.SetHandSpelarTyp(seat.playerType);
        h.SetHandAktivitat(0);
        h.HandNamn = english ? seat.englishName : seat.swedishName;
        h.HandKod = seat.code;
        h.SetBordHand(&Bord[s]);
        h.myPlayAI = "LumraPlayRulesAI.TXT";
        h.mySuggestionAI = "Suggestion.txt";
        h.myBjudAI = "LumraBidBase.txt";
        h.myBjudAIFile = "LumraBidRulesAI.txt";
        if (s > 0) h.VisaHanden = 1;
    }
    for (int s = 0; s < 4; ++s) Bord[s].HandKod = kSeats[s].code;
    Bord[1].SetLayoutStyle(1);
    Bord[3].SetLayoutStyle(1);
    KortKilled.SetCardsToShow(3);
    KortKilled.HandKod = "KILLED";
    myGameStatus = 1;
    attSaka = 0;
}

void Main::ResetGame() {
    gbVi = 0;
    gbDe = 0;
    myGameStatus = 1;
    Run();
}

void Main::Run() {
    switch (myGameStatus) {
        case 0:
            gbDEBUGCapture = false;
            SetUpGame();
            return;
        case 1: return runNewDeal(*this);
        case 2:
            if (attBjuda == attSaka) {
                myGameStatus = 3;
                Run();
            } else {
                BjudNext();
            }
            return;
        case 3: return runResolveHighestBid(*this);
        case 4: AskTrumpColour(); return;
        case 5: return runDiscard(*this);
        case 6:
            PackBuyRound();
            myGameStatus = 7;
            Timer1.Tag = "OK";
            return;
        case 7: return runTrickPlay(*this);
        default: MsgBox("No GameStatus Defined", forms::mb::OKOnly); return;
    }
}
