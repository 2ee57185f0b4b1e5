// Start-up, game set-up and the steps of the state machine.
#include <gtest/gtest.h>

#include <string>

#include "InstallFolder.h"
#include "Localisation.h"
#include "PlayState.h"
#include "Registry.h"
#include "TestTable.h"

namespace {

struct StateMachine : ::testing::Test {
    TestTable t;
    Main& m() { return t.m(); }
    void setUp() {
        m().myGameStatus = 0;
        m().Run();
    }
    int noStatusBoxes() const {
        int n = 0;
        for (const auto& s : t.dialogs.shown)
            if (s.kind == "MsgBox" && s.prompt == "No GameStatus Defined") ++n;
        return n;
    }
};

TEST_F(StateMachine, StartUpRunsSetUpAndTheFirstDeal) {
    m().Form_Load();
    EXPECT_EQ(m().myGameStatus, 2);
    EXPECT_EQ(m().attSaka, 0);
    EXPECT_EQ(m().harPacko, 0);
    EXPECT_EQ(m().attBjuda, 0);
    EXPECT_TRUE(m().GamePlaying);
    EXPECT_TRUE(m().PakkoImageXP[0].Visible) << "the pack lies beside the dealer";
    for (int s = 1; s < 4; ++s) EXPECT_FALSE(m().PakkoImageXP[s].Visible);
    EXPECT_EQ(m().Timer2.Tag, "DELUT") << "dealing is under way";
    EXPECT_TRUE(m().bSuggest);
    EXPECT_TRUE(m().ImgSuggestDn.Visible);
    EXPECT_FALSE(m().ImgSuggestUp.Visible);
    EXPECT_FALSE(m().LblSuggest.Visible) << "the new deal hides the switch's label again";
    EXPECT_EQ(m().form.Caption.rfind("Lumra Quest 2.3 --- ", 0), 0u) << m().form.Caption;
    EXPECT_FALSE(m().gbInstallPath.empty());
    EXPECT_EQ(m().gbInstallPath.back(), '/');
    EXPECT_EQ(m().LblStatisticVi.Caption, "0");
}

TEST_F(StateMachine, SetUpGivesEverySeatItsPlayerAndFiles) {
    setUp();
    const char* names[4] = {"Victor", "Alice", "Bob", "Carlos"};
    const char* codes[4] = {"SYD", "VAST", "NORD", "OST"};
    for (int s = 0; s < 4; ++s) {
        const KortHand& h = m().Hand[s];
        EXPECT_EQ(h.HandNamn, names[s]);
        EXPECT_EQ(h.HandKod, codes[s]);
        EXPECT_EQ(h.LayoutStyle(), s % 2);
        EXPECT_EQ(h.HandSpelarTyp(), s == 0 ? 1 : 0);
        EXPECT_EQ(h.VisaHanden, s == 0 ? 0 : 1);
        EXPECT_EQ(h.HandAktivitat(), 0);
        EXPECT_EQ(h.BordHand(), &m().Bord[s]);
        EXPECT_EQ(h.myPlayAI, "LumraPlayRulesAI.TXT");
        EXPECT_EQ(h.mySuggestionAI, "Suggestion.txt");
        EXPECT_EQ(h.myBjudAI, "LumraBidBase.txt");
        EXPECT_EQ(h.myBjudAIFile, "LumraBidRulesAI.txt");
        EXPECT_EQ(m().Bord[s].HandKod, codes[s]);
        EXPECT_EQ(m().Bord[s].LayoutStyle(), s % 2);
    }
    EXPECT_EQ(m().KortKilled.HandKod, "KILLED");
    EXPECT_EQ(m().KortKilled.CardsToShow(), 3);
    for (const forms::Control* c : {static_cast<const forms::Control*>(&m().BtnPlaylog),
                                    static_cast<const forms::Control*>(&m().BtnLoadlog),
                                    static_cast<const forms::Control*>(&m().BtnDebugMsg),
                                    static_cast<const forms::Control*>(&m().ImgTraceUp)})
        EXPECT_FALSE(c->Visible) << c->Name;
    EXPECT_TRUE(m().bLogging);
    EXPECT_FALSE(m().bSuggest);
    EXPECT_EQ(m().myGameStatus, 1);
    EXPECT_EQ(m().LblClickVidare.Caption, "Click to proceed...");
}

TEST_F(StateMachine, ResolvingTheHighestBidWaitsForTheTimer) {
    setUp();
    m().myGameStatus = 3;
    m().Timer1.Tag.clear();
    m().Timer1.SetInterval(1400);
    m().Run();
    EXPECT_EQ(m().myGameStatus, 3) << "only armed";
    EXPECT_EQ(m().Timer1.Tag, "HITTAHOGBUD");
    EXPECT_EQ(m().Timer1.Interval(), 300);
    EXPECT_TRUE(m().Timer1.Enabled());
}

TEST_F(StateMachine, TheDiscardHappensOnceOverTwoCalls) {
    setUp();
    m().myGameStatus = 5;
    m().Timer1.Tag.clear();
    m().Run();
    EXPECT_EQ(m().myGameStatus, 5);
    EXPECT_EQ(m().Timer1.Tag, "FARGVALD");
    EXPECT_GE(m().Timer1.Interval(), 1200);
    EXPECT_LE(m().Timer1.Interval(), 1499);
    EXPECT_FALSE(m().LblClickVidare.Visible);
    m().Run();
    EXPECT_EQ(m().myGameStatus, 6);
    EXPECT_EQ(m().Timer1.Tag, "WAIT_KOR");
    EXPECT_EQ(m().Timer1.Interval(), 800);
    EXPECT_TRUE(m().LblClickVidare.Visible);
}

TEST_F(StateMachine, BuyingLeavesTwoTicksBeforeTrickPlay) {
    setUp();
    m().myGameStatus = 6;
    m().Run();
    EXPECT_EQ(m().myGameStatus, 7);
    EXPECT_EQ(m().Timer1.Tag, "OK");
}

TEST_F(StateMachine, TrickPlayMovesTheDealerOnButNotThePack) {
    setUp();
    for (int dealer = 0; dealer < 4; ++dealer) {
        m().attSaka = dealer;
        m().harPacko = dealer;
        m().Hand[0].SetHandAktivitat(1);  // left waiting by an earlier start of play
        m().LblSuggest.Caption = "stale";
        m().LblSuggest.Visible = true;
        m().myGameStatus = 7;
        m().Run();
        EXPECT_EQ(m().attSaka, (dealer + 1) & 3);
        EXPECT_EQ(m().harPacko, dealer);
        EXPECT_NE(m().LblSuggest.Caption, "stale");
    }
}

TEST_F(StateMachine, BiddingGoesToTheHighestBidOnceTheDealerHasBid) {
    setUp();
    m().myGameStatus = 2;
    m().attSaka = 1;
    m().attBjuda = 1;
    m().Timer1.Tag.clear();
    m().Run();
    EXPECT_EQ(m().myGameStatus, 3);
    EXPECT_EQ(m().Timer1.Tag, "HITTAHOGBUD");
}

TEST_F(StateMachine, AnUndefinedStatusOnlyReportsIt) {
    setUp();
    for (int status : {8, -1, 99}) {
        m().myGameStatus = status;
        m().Timer1.Tag = "Play";
        m().Run();
        EXPECT_EQ(m().myGameStatus, status);
        EXPECT_EQ(m().Timer1.Tag, "Play");
    }
    EXPECT_EQ(noStatusBoxes(), 3);
    EXPECT_EQ(t.dialogs.shown.back().style, forms::mb::OKOnly);
    EXPECT_EQ(t.dialogs.shown.back().title, Main::AppTitle());
}

TEST_F(StateMachine, ANewDealTidiesTheTable) {
    m().Form_Load();
    m().LblScore.Visible = true;
    m().LblGameOver.Visible = true;
    m().ImgReplayUp.Visible = true;
    m().LblKilledCards.Caption = "Alice has more than 6 cards\n";
    m().LblKilledCards.Visible = true;
    m().Timer3.Tag = "ANIMATE";
    m().Timer1.Tag = "STOP_RUNDA";
    m().attSaka = 2;
    m().myGameStatus = 1;
    m().Run();
    EXPECT_FALSE(m().LblScore.Visible);
    EXPECT_FALSE(m().LblGameOver.Visible);
    EXPECT_FALSE(m().ImgReplayUp.Visible);
    EXPECT_FALSE(m().LblKilledCards.Visible);
    EXPECT_EQ(m().LblKilledCards.Caption, "");
    EXPECT_EQ(m().Timer3.Tag, "");
    EXPECT_EQ(m().Timer1.Tag, "");
    EXPECT_EQ(m().harPacko, 2);
    EXPECT_TRUE(m().PakkoImageXP[2].Visible);
    EXPECT_FALSE(m().PakkoImageXP[0].Visible);
    EXPECT_EQ(m().Bord[0].CardsToShow(), 9);
    EXPECT_EQ(m().myGameStatus, 2);
}

// The games-won labels show what the store holds at every new deal, so a
// count written elsewhere (another program, the about box's reset) shows at
// the next deal.
TEST_F(StateMachine, EveryNewDealShowsTheStoredGamesWon) {
    struct Case {
        const char* vi;  // stored text; nullptr for none
        const char* de;
        const char* viShown;
        const char* deShown;
    };
    const Case cases[] = {
        {nullptr, nullptr, "0", "0"}, {" 3", " 12", " 3", " 12"}, {"0", " 13", "0", " 13"}, {" 4", "0", " 4", "0"}};
    m().Form_Load();
    for (const Case& c : cases) {
        if (c.vi) SaveRegistryValue("user", "Statistic", "TotalVi", c.vi);
        if (c.de) SaveRegistryValue("user", "Statistic", "TotalDe", c.de);
        m().LblStatisticVi.Caption = "stale";
        m().LblStatisticDe.Caption = "stale";
        m().myGameStatus = 1;
        m().Run();
        EXPECT_EQ(m().LblStatisticVi.Caption, c.viShown) << c.viShown;
        EXPECT_EQ(m().LblStatisticDe.Caption, c.deShown) << c.deShown;
    }
}

// Start-up takes the installation folder from the store, with the separator
// the file names are appended to; without a stored one, the program's own.
TEST(StartUp, UsesTheStoredInstallationFolder) {
    struct Case {
        const char* stored;  // nullptr for none
        std::string used;
    };
    std::string ownFolder = DefaultInstallFolder();
    if (ownFolder.back() != '/') ownFolder += '/';
    const Case cases[] = {{"/opt/lumra", "/opt/lumra/"},
                          {"/opt/lumra/", "/opt/lumra/"},
                          {"/srv/games/Lumra Quest", "/srv/games/Lumra Quest/"},
                          {nullptr, ownFolder}};
    for (const Case& c : cases) {
        TestTable table;
        if (c.stored) SaveRegistryValue("local", "Install", "Dir", c.stored);
        table.m().gbInstallPath.clear();
        table.m().Form_Load();
        EXPECT_EQ(table.m().gbInstallPath, c.used) << (c.stored ? c.stored : "none stored");
    }
}

}  // namespace
