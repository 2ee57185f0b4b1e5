#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "CardNames.h"
#include "DealDriver.h"
#include "LoadLogfile.h"
#include "LogFixtureFiles.h"
#include "PlayState.h"
#include "TestTable.h"
#include "VbText.h"

namespace {

// Hearts are trumps; VAST bid 9 and leads, NORD dealt. SYD held five trumps
// and bought two, VAST three and three, NORD (the dealer) one.
const char* const kHeartsDeal =
    "<VI>\n5\n<DE>\n-3\n"
    "<BJUDIT_HOGST>\nVAST\n<BUD>\n9\n<PACKE>\nNORD\n<FARG>\nHJARTER\n"
    "<SYD_FORE_KOP>\nA\nK\nQ\nJ\n10\n<END>\n\n"
    "<VAST_FORE_KOP>\n3\n4\n6\n<END>\n\n"
    "<NORD_FORE_KOP>\n2\n<END>\n\n"
    "<OST_FORE_KOP>\n<END>\n\n"
    "<SYD_KOPER>\n9\n8\n<END>\n\n"
    "<VAST_KOPER>\n7\nV\nv\n<END>\n\n"
    "<NORD_KOPER>\n<END>\n";

std::set<int> cardsOf(const KortHand& h) {
    std::set<int> out;
    for (const Kort* k : h.colHand) out.insert(k->Nr);
    return out;
}

// Only trumps count in play; the non-trumps a seat drew stay out of the log.
std::set<int> trumpsOf(const KortHand& h, std::int32_t colour) {
    std::set<int> out;
    for (const Kort* k : h.colHand)
        if (IsTrump(*k, colour)) out.insert(k->Nr);
    return out;
}

std::set<int> cardsOf(const std::vector<std::string>& names) {
    std::set<int> out;
    for (const std::string& n : names) out.insert(CardNr(n));
    return out;
}

// Everything a failed replay or reload must leave as it was.
struct TableSnapshot {
    std::vector<std::set<int>> piles;
    std::vector<std::string> stock;
    std::vector<int> fiveRanks;
    std::vector<std::string> words;
    std::vector<double> numbers;

    explicit TableSnapshot(const Main& m) {
        for (const auto* group : {&m.Hand, &m.Bord})
            for (const KortHand& h : *group) piles.push_back(cardsOf(h));
        piles.push_back(cardsOf(m.KortKilled));
        for (int i = 1; i <= m.Packe.colPacke.Count(); ++i) stock.push_back(m.Packe.colPacke.KeyAt(i));
        for (int nr = 16; nr < 20; ++nr) fiveRanks.push_back(m.Packe.CardByNr(nr)->Rang);
        words = {m.Timer1.Tag, m.Timer2.Tag, m.Timer3.Tag, m.LblLogFileName.Caption, m.LblSuggest.Caption};
        for (const auto& l : m.LabelBud) words.push_back(l.Caption);
        numbers = {double(m.gbVi), double(m.gbDe), double(m.gbFarg), double(m.attSaka), double(m.harPacko),
                   double(m.attBjuda), double(m.gbBjuditHogst), double(m.gbHogstaBudet), double(m.myGameStatus),
                   double(m.bReplay), double(m.Hand[0].HandAktivitat()), double(m.LblReplay.Visible),
                   double(m.ImgContUp.Visible), double(m.Hand[1].VisaHanden)};
        for (short f : PlayCardFlags) numbers.push_back(f);
        for (int s = 0; s < 4; ++s) {
            numbers.push_back(TrumpsBeforeBuying[static_cast<std::size_t>(s)]);
            numbers.push_back(TrumpsSeenBySelf[static_cast<std::size_t>(s)]);
            numbers.push_back(TrumpsSeenByOthers[static_cast<std::size_t>(s)]);
        }
    }
    bool operator==(const TableSnapshot&) const = default;
};

struct ReplayFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    LogFixtureFiles files;
    ReplayFixture() { LogFilePath.clear(); }
    ~ReplayFixture() override { LogFilePath.clear(); }

    void replay(const std::string& path) {
        t.dialogs.fileAnswers.push_back(path);
        m.BtnPlaylog_Click();
    }
    void reload(const std::string& path) {
        t.dialogs.fileAnswers.push_back(path);
        m.BtnLoadlog_Click();
    }
    // A game in trick play, a few cards down.
    void playIntoTheFirstDeal() {
        m.Form_Load();
        ASSERT_TRUE(PlayUntil(t, [&] { return m.myGameStatus == 7 && CardsPlayedCount >= 2; }));
    }
};

}  // namespace

TEST_F(ReplayFixture, RebuildsTheRecordedHandsCountsAndBid) {
    m.Form_Load();
    LogRecorder rec(m);
    replay(files.write("hearts.txt", kHeartsDeal));

    EXPECT_EQ(m.gbFarg, farg::Hjarter);
    EXPECT_EQ(m.gbBjuditHogst, 1);
    EXPECT_EQ(m.gbHogstaBudet, 9);
    EXPECT_EQ(m.harPacko, 2);
    EXPECT_EQ(m.attSaka, 3);  // trick play has moved the dealer on
    EXPECT_EQ(m.LabelBud[1].Caption, " 9");
    EXPECT_EQ(m.gbVi, 5);
    EXPECT_EQ(m.gbDe, -3);
    EXPECT_TRUE(m.bReplay);
    EXPECT_EQ(m.myGameStatus, 7);
    EXPECT_TRUE(m.LblReplay.Visible);
    EXPECT_TRUE(m.LblLogFileName.Visible);
    EXPECT_EQ(m.LblLogFileName.Caption, "Playing: " + LogFilePath);

    // SYD's seven go down to six: the lowest surplus trump goes out of play.
    EXPECT_EQ(cardsOf(m.Hand[0]), cardsOf({"Ah", "Kh", "Qh", "Jh", "10h", "9h"}));
    EXPECT_EQ(cardsOf(m.KortKilled), cardsOf({"8h"}));
    // "V" and "v" with hearts: the five of hearts and the five of diamonds.
    EXPECT_EQ(cardsOf(m.Hand[1]), cardsOf({"3h", "4h", "6h", "7h", "5h", "5d"}));
    EXPECT_EQ(cardsOf(m.Hand[2]), cardsOf({"2h"}));
    EXPECT_TRUE(m.Hand[3].colHand.Count() == 0);
    for (const KortHand& h : m.Hand) EXPECT_EQ(h.VisaHanden, 0);

    EXPECT_EQ(TrumpsBeforeBuying, (std::array<short, 4>{5, 3, -1, 0}));
    EXPECT_EQ(TrumpsSeenBySelf[0], 7);
    EXPECT_EQ(TrumpsSeenByOthers[0], 7);
    EXPECT_EQ(TrumpsSeenBySelf[1], 6);
    EXPECT_EQ(TrumpsSeenByOthers[1], 3);
    EXPECT_EQ(TrumpsSeenBySelf[2], 1);
    EXPECT_EQ(TrumpsSeenByOthers[2], 0);

    const std::vector<std::string> banner = {std::string(30, '*'), "START REPLAY FROM LOGFILE", std::string(30, '*')};
    const auto at = std::search(rec.lines.begin(), rec.lines.end(), banner.begin(), banner.end());
    EXPECT_NE(at, rec.lines.end());
}

TEST_F(ReplayFixture, TheHumansCardWaitAndPendingStepsDoNotSurvive) {
    playIntoTheFirstDeal();
    // As if the human were to play right now.
    m.Hand[0].SetHandAktivitat(1);
    m.Timer1.Tag = "Suggest";
    m.LblSuggest.Caption = "stale";
    m.LblSuggest.Visible = true;
    replay(files.write("hearts.txt", kHeartsDeal));
    // VAST leads: the table waits for its timed card, not for the human.
    EXPECT_EQ(m.Hand[0].HandAktivitat(), 0);
    EXPECT_EQ(m.Timer1.Tag, "Play");
    EXPECT_FALSE(m.LblSuggest.Visible);
    EXPECT_EQ(m.LblSuggest.Caption, "");
}

TEST_F(ReplayFixture, BadFilesChangeNothingAndSayWhy) {
    playIntoTheFirstDeal();
    struct Case {
        const char* what;
        bool reloadIt;
        std::string text;  // empty: a file that is not there
    };
    std::string deck = "<PACKE_KOMPLETT>\n";
    for (int i = 0; i < 51; ++i) deck += PlainNum(i) + " , A , 1\n";
    const Case cases[] = {
        {"missing file, replay", false, ""},
        {"missing file, reload", true, ""},
        {"a card named twice", false, std::string(kHeartsDeal) + "<OST_KOPER>\nA\n<END>\n"},
        {"an unknown card", false, "<FARG>\nRUTER\n<SYD_FORE_KOP>\nX\n<END>\n"},
        {"an overfull section", false, "<FARG>\nRUTER\n<SYD_FORE_KOP>\nA\nK\nQ\nJ\n10\n9\n8\n7\n6\n4\n3\n<END>\n"},
        {"51 pack lines", true, deck},
        {"a word in the pack", true, deck + "ten , A , 1\n"},
        {"garbage", true, std::string("\x01\xff\x00<PACKE>\r\n", 11)},
    };
    for (const Case& c : cases) {
        const std::string path = c.text.empty() ? files.missing() : files.write("bad.txt", c.text);
        const TableSnapshot before(m);
        const int boxes = t.dialogs.CountOf("MsgBox");
        c.reloadIt ? reload(path) : replay(path);
        EXPECT_EQ(t.dialogs.CountOf("MsgBox"), boxes + 1) << c.what;
        // The label names the chosen file; nothing else moves.
        m.LblLogFileName.Caption = before.words[3];
        m.LblLogFileName.Visible = false;
        EXPECT_TRUE(TableSnapshot(m) == before) << c.what;
    }
}

TEST_F(ReplayFixture, AFileWithoutABidPlaysTheBidInPlayOnly) {
    const std::string noBid = "<BJUDIT_HOGST>\nOST\n<FARG>\nRUTER\n<SYD_FORE_KOP>\nA\n<END>\n";
    m.Form_Load();
    // Bidding has just begun: no bid stands yet.
    ASSERT_LT(m.gbHogstaBudet, 6);
    const TableSnapshot before(m);
    replay(files.write("nobid.txt", noBid));
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 1);
    m.LblLogFileName.Caption = before.words[3];
    m.LblLogFileName.Visible = false;
    EXPECT_TRUE(TableSnapshot(m) == before);

    ASSERT_TRUE(PlayUntil(t, [&] { return m.myGameStatus == 7; }));
    const short bid = m.gbHogstaBudet;
    replay(files.write("nobid.txt", noBid));
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 1);
    EXPECT_EQ(m.gbHogstaBudet, bid);
    EXPECT_EQ(m.gbBjuditHogst, 3);
    EXPECT_EQ(m.LabelBud[3].Caption, StrNum(bid));
    EXPECT_EQ(m.myGameStatus, 7);
}

TEST_F(ReplayFixture, CancelInTheChooserCancels) {
    m.Form_Load();
    const TableSnapshot before(m);
    m.BtnPlaylog_Click();  // nothing chosen
    m.BtnLoadlog_Click();
    EXPECT_TRUE(TableSnapshot(m) == before);
    EXPECT_FALSE(m.LblLogFileName.Visible);
    EXPECT_EQ(LogFilePath, "");

    // A file chosen once is offered again, but Cancel does not replay it.
    replay(files.write("hearts.txt", kHeartsDeal));
    const std::string chosen = LogFilePath;
    const TableSnapshot replayed(m);
    m.BtnPlaylog_Click();
    EXPECT_EQ(LogFilePath, chosen);
    EXPECT_TRUE(TableSnapshot(m) == replayed);
    EXPECT_EQ(t.dialogs.shown.back().prompt, files.dir.path().toStdString());
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
}

TEST_F(ReplayFixture, ARecordedDealReplaysAndReloadsAsItWasPlayed) {
    LogRecorder rec(m);
    m.Form_Load();
    struct Seen {
        std::vector<std::set<int>> hands;
        std::set<int> killed;
        std::array<short, 4> before{};
    } live;
    ASSERT_TRUE(PlayUntil(t, [&] { return m.myGameStatus == 7 && m.Timer1.Tag == "OK"; }));
    for (const KortHand& h : m.Hand) live.hands.push_back(trumpsOf(h, m.gbFarg));
    live.killed = cardsOf(m.KortKilled);
    live.before = TrumpsBeforeBuying;
    ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
    const short vi = m.gbVi, de = m.gbDe;
    const std::string path = files.write("Lumralog.txt", rec.text());

    replay(path);
    for (std::size_t s = 0; s < 4; ++s) EXPECT_EQ(cardsOf(m.Hand[s]), live.hands[s]) << s;
    EXPECT_EQ(cardsOf(m.KortKilled), live.killed);
    for (std::size_t s = 0; s < 4; ++s) {
        if (static_cast<int>(s) != m.harPacko) {
            EXPECT_EQ(TrumpsBeforeBuying[s], live.before[s]) << s;
        }
    }
    ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
    EXPECT_EQ(m.gbVi, 0);  // the file's totals, untouched by the replayed deal
    EXPECT_EQ(m.gbDe, 0);

    const auto firstDeck = std::find(rec.lines.begin(), rec.lines.end(), "<PACKE_KOMPLETT>");
    ASSERT_NE(firstDeck, rec.lines.end());
    const std::vector<std::string> recordedDeck(firstDeck, firstDeck + 53);
    rec.lines.clear();
    reload(path);
    // Dealt from the restored order: the new deal logs the very same pack.
    const auto reloadedDeck = std::find(rec.lines.begin(), rec.lines.end(), "<PACKE_KOMPLETT>");
    ASSERT_NE(reloadedDeck, rec.lines.end());
    EXPECT_EQ(std::vector<std::string>(reloadedDeck, reloadedDeck + 53), recordedDeck);
    EXPECT_TRUE(m.bReplay);
    ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));

    // Going on ends the replays; the running game has its own totals back.
    m.AdvanceMe();
    EXPECT_FALSE(m.bReplay);
    EXPECT_EQ(m.gbVi, vi);
    EXPECT_EQ(m.gbDe, de);
}
