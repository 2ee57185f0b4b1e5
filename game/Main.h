#pragma once
// The main window: the one table the game is played at. It owns the table
// state (the public gb/my/att/b variables), every control of the table and
// the game's state machine. Other parts reach the game through the one
// instance, Main::instance().
//
// The window's work is spread over several files, one concept each:
//   MainControls.cpp      the controls, their geometry and the layout procedures
//   MainRun.cpp           start-up, game set-up and the state machine
//   MainTimers.cpp        the pacing timers and the go-on click
//   MainToolbar.cpp       toolbar buttons and click forwarding
//   MainDealing.cpp       dealing, bidding turns and the highest bid
//   MainBidButtons.cpp    the human's bid buttons
//   MainColourButtons.cpp the human's colour buttons
//   MainDiscardBuy.cpp    colour choice, discard and buying
//   MainTrickPlay.cpp     trick play
//   MainScoring.cpp       deal scoring and game end
//   ../gamelog/*.cpp      the game log, replays and the debug capture

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "Controls.h"
#include "Dialogs.h"
#include "KortHand.h"
#include "Packe.h"
#include "Timers.h"

class Main {
public:
    // Builds the window and all its controls. The dialogs answer every modal
    // question the game asks (Qt dialogs in the programs, a script in tests).
    explicit Main(forms::Dialogs& dialogs);
    ~Main();
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    // The one main window of the running program (null before it exists).
    static Main* instance();

    // ---- table state ----
    std::string gbInstallPath;   // installation folder, ends with "/"
    bool GamePlaying = false;
    std::int32_t myGameStatus = 0;
    short gbHogstaBudet = 0;     // highest bid; 5 while the dealer is asked after three passes
    std::int32_t gbBjuditHogst = 0;  // seat of the highest bid
    std::int32_t gbFarg = 0;     // trump colour code
    std::int32_t attSaka = 0;    // dealer (already the next deal's during trick play)
    std::int32_t harPacko = 0;   // dealer of the deal in play
    std::int32_t attBjuda = 0;   // seat to bid
    short gbTmpRang = 0;
    short gbTmpPoang = 0;
    std::string gbTmpTyp;
    short gbVi = 0;
    short gbDe = 0;
    bool bReplay = false;
    bool bSuggest = false;
    bool bLogging = false;
    bool gbDEBUGCapture = false;

    // ---- the window and its runtime ----
    forms::Form form;
    forms::TimerScheduler scheduler;
    forms::Dialogs& dialogs;

    // A modal message box with the application's title; the game's timers
    // stand still while it is open.
    int MsgBox(const std::string& prompt, int style = forms::mb::OKOnly, const std::string& title = "");
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title = "",
                                        const std::string& defaultText = "");
    // The title of message boxes: the product name.
    static const char* AppTitle();

    // ---- card controls ----
    std::array<KortHand, 4> Hand;
    std::array<KortHand, 4> Bord;
    KortHand KortKilled;
    ::Packe Packe;

    // ---- timers ----
    forms::Timer Timer1;
    forms::Timer Timer2;
    forms::Timer Timer3;
    forms::Timer TimerAD;

    // ---- image buttons (up face in front of its pressed face) ----
    forms::Image ImgKlUp, ImgKlDn, ImgHjUp, ImgHjDn, ImgSpUp, ImgSpDn, ImgRuUp, ImgRuDn;
    forms::Image ImgReloadUp, ImgReloadDn, ImgReplayUp, ImgReplayDn, ImgContUp, ImgContDn;
    forms::Image ImgAboutUp, ImgAboutDn, ImgExitUp, ImgExitDn, ImgTraceUp, ImgTraceDn;
    forms::Image ImgSuggestUp, ImgSuggestDn;

    // ---- other pictures ----
    forms::Image ImgKlChosen, ImgRuChosen, ImgHjChosen, ImgSpChosen;
    std::array<forms::Image, 4> ImgPlayer;
    std::array<forms::Image, 4> PakkoImageXP;
    forms::Image Image1, Image2;
    forms::Image ImgDebug;
    std::array<forms::Image, 11> ImgBudNamn;  // bidder of each score-sheet row

    // ---- picture boxes ----
    std::array<forms::PictureBox, 10> PBBid;
    std::array<forms::PictureBox, 10> PBBidDN;
    std::array<forms::PictureBox, 11> PBBudet;
    // glyph strips (hidden; sources for painting)
    forms::PictureBox PBNumbersBlack, PBNumbersBlackDN, PBNumbersGoldDN, PBNumbersBlue;
    forms::PictureBox PBButtonsBackground, PBButtonsBackgroundDN;
    forms::PictureBox PBStrike;

    // ---- labels ----
    std::array<forms::Label, 4> Label;
    std::array<forms::Label, 4> LabelBud;
    std::array<forms::Label, 11> LabelVi;
    std::array<forms::Label, 11> LabelDe;
    forms::Label LblStatisticVi, LblStatisticDe;
    forms::Label LblScore, LlbAnimate, LblGameOver, LblClickVidare, LblSuggest;
    forms::Label LblKilledCards, LblNotInPlay, LblTicker;
    forms::Label LblReplay, LlbDisabled, LblLogFileName;

    // ---- other controls ----
    forms::ListBox LBTrace;
    forms::CommandButton BtnPlaylog, BtnLoadlog, BtnDebugMsg;
    forms::Line Line1, Line2, Line3;

    // ---- controls and layout (MainControls.cpp) ----
    void CreateControls();
    void TomAllaBord();
    void TomAllaHander();
    void PrepareHandsForPlay();
    void LayoutPackImages();
    void PakkoBort();
    void PakkoLiten();
    void LayoutBordForDeal();
    void LayoutBordForPlay();

    // ---- start-up and state machine (MainRun.cpp) ----
    void Form_Load();
    void Form_Unload();
    void Run();
    void SetUpGame();
    void ResetGame();

    // ---- timers and the go-on click (MainTimers.cpp) ----
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void AdvanceMe();
    // Connects the four timers to their tick handlers.
    void ConnectTimers();
    // Both ways out of a finished deal (the go-on click, Continue): stop the
    // animation, lower the table cards, clear a finished game, deal anew.
    void ContinueWithNextDeal();

    // ---- toolbar and click forwarding (MainToolbar.cpp) ----
    void ConnectToolbarHandlers();
    void ImgContUp_MouseDown();
    void ImgContUp_MouseUp();
    void ImgReloadUp_MouseDown();
    void ImgReloadUp_MouseUp();
    void ImgAboutUp_MouseDown();
    void ImgAboutUp_MouseUp();
    void ImgExitUp_MouseDown();
    void ImgExitUp_MouseUp();
    void ImgSuggestUp_MouseDown(int button, int shift, float x, float y);
    void ImgSuggestDn_MouseDown(int button, int shift, float x, float y);
    void ImgTraceUp_Click();
    void ImgTraceDn_Click();

    // ---- dealing and bidding turns (MainDealing.cpp) ----
    void StartDeal();
    void DealStep();
    void BjudNext();
    void ResolveHighestBid();
    short DealTickCount = 0;       // passes dealt, then quiet ticks before bidding
    std::int32_t DealSeat = 0;     // seat that gets the next three cards

    // ---- human bid buttons (MainBidButtons.cpp) ----
    void LoadBjudform(short bid);
    void UnloadBjudform();
    // The human's hand back in order, the suggestion and bid buttons gone;
    // the part of UnloadBjudform that a replay also needs.
    void HideBidButtons();
    void ShowBjudSuggestButton();
    void PBBid_MouseDown(int Index);
    void PBBid_MouseUp(int Index);
    // Wires the bid buttons' mouse events to their handlers.
    void ConnectBidHandlers();

    // ---- human colour buttons (MainColourButtons.cpp) ----
    void LoadFargForm();
    void UnloadFargForm();
    void ImgKlUp_MouseDown();
    void ImgRuUp_MouseDown();
    void ImgHjUp_MouseDown();
    void ImgSpUp_MouseDown();
    // Wires the colour buttons' mouse events to their handlers.
    void ConnectColourHandlers();
    void ImgKlUp_MouseUp();
    void ImgRuUp_MouseUp();
    void ImgHjUp_MouseUp();
    void ImgSpUp_MouseUp();
    // The Continue button shares the diamonds button's place; both its
    // faces are put away while the colour buttons show and the ones that
    // showed come back after the choice.
    bool ContUpHiddenForColours = false;
    bool ContDnHiddenForColours = false;

    // ---- colour choice, discard and buying (MainDiscardBuy.cpp) ----
    void AskTrumpColour();
    void DiscardRound();
    void PackBuyRound();
    void DiscardAndDraw(std::int32_t seat, short count);
    void FillHandToSix(std::int32_t seat);
    void RefreshTable();

    // ---- trick play (MainTrickPlay.cpp) ----
    void PlayInit();
    void Play();
    void PlayNext();
    void PlayCardIDX(short rang);
    short GetPlayCardIDX(short idx) const;
    short GetRoundDataRang(std::int32_t seat) const;

    // ---- deal scoring and game end (MainScoring.cpp) ----
    void Aftermath();
    void ContinueAfterRound();

    // ---- news ticker (NewsTicker.cpp) ----
    void TimerAD_Timer();

    // ---- game log, replays, debug capture (gamelog/) ----
    void Log(const std::string& line);
    void LogInit();
    void LogClose();
    void SaveDebugCapture();
    // Wires the log, replay and debug-capture controls (called by the constructor).
    void ConnectLogHandlers();
    // The sink keeps nothing itself; a listener sees every line handed to it,
    // in order (tests, the table driver). Returns an id for removal.
    using LogListener = std::function<void(const std::string&)>;
    int AddLogListener(LogListener listener);
    void RemoveLogListener(int id);
    void BtnPlaylog_Click();
    void BtnLoadlog_Click();
    void BtnDebugMsg_Click();
    void ImgReplayUp_MouseDown(int button, int shift, float x, float y);
    void ImgReplayUp_Mouseup(int button, int shift, float x, float y);
    // A replay or reload from a file must not cost the running game its
    // totals: they are kept here and put back when the replayed deal ends.
    void RestoreTotalsAfterLogReplay();
    std::optional<std::array<short, 2>> TotalsBeforeLogReplay;
    std::string DebugFileAttribute;  // the typed word, already made safe for a file name
    QImage DebugScreenshot;          // the window as it was when the capture was asked for
    std::vector<std::pair<int, LogListener>> LogListeners;
    int NextLogListenerId = 1;

private:
    static Main* instance_;
};
