#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "CardNames.h"
#include "DealDriver.h"
#include "GameLog.h"
#include "LogLines.h"
#include "TestTable.h"
#include "VbText.h"

namespace {

struct LogLinesFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    LogRecorder rec{m};
    LogLinesFixture() { m.SetUpGame(); }

    // The stock in card-number order 0..51.
    void stockInNumberOrder() {
        m.Packe.TomPacke();
        for (int i = 1; i <= 52; ++i) m.Packe.TweakPacke(i, PlainNum(i - 1));
        ASSERT_TRUE(m.Packe.SakaRestore());
    }
    void give(int seat, const std::vector<std::string>& cards) {
        for (const std::string& c : cards) {
            Kort* k = m.Packe.CardByNr(CardNr(c));
            m.Hand[static_cast<std::size_t>(seat)].AddACardOSort(k, false);
        }
    }
};

}  // namespace

TEST_F(LogLinesFixture, ScoreAndDeckGiveTotalsLegendAndEveryStockCard) {
    stockInNumberOrder();
    m.gbVi = -9;
    m.gbDe = 12;
    LogScoreAndDeck();
    ASSERT_EQ(rec.lines.size(), 6u + 52u + 2u);
    const std::vector<std::string> head = {"<VI>", "-9", "<DE>", "12", "1-klover,2-ruter,4-hjarter,8-spader",
                                           "<PACKE_KOMPLETT>"};
    EXPECT_EQ(std::vector<std::string>(rec.lines.begin(), rec.lines.begin() + 6), head);
    struct DeckLine {
        int nr;
        const char* line;
    };
    // The fives carry two colour bits; their code comes from their own suit.
    const DeckLine expected[] = {{0, "0 , A , 1"},    {1, "1 , A , 2"},    {16, "16 , 5 , 1"},
                                 {17, "17 , 5 , 2"},  {18, "18 , 5 , 4"},  {19, "19 , 5 , 8"},
                                 {38, "38 , 10 , 4"}, {49, "49 , K , 2"},  {51, "51 , K , 8"}};
    for (const DeckLine& e : expected) EXPECT_EQ(rec.lines[static_cast<std::size_t>(6 + e.nr)], e.line) << e.nr;
    EXPECT_EQ(rec.lines[58], "<END>");
    EXPECT_EQ(rec.lines[59], "");
}

TEST_F(LogLinesFixture, ScoreAndDeckFollowTheStockOrder) {
    m.Packe.TomPacke();
    m.Packe.Saka();
    LogScoreAndDeck();
    ASSERT_EQ(rec.lines.size(), 60u);
    for (int i = 1; i <= 52; ++i)
        EXPECT_EQ(Val(rec.lines[static_cast<std::size_t>(5 + i)]), m.Packe.colPacke.Item(i)->Nr);
}

TEST_F(LogLinesFixture, TrumpsBeforeBuyingWriteFivesByTheirSuitAndEmptySections) {
    // The five ranks still hold another colour's values: the lines must not
    // depend on them.
    m.Packe.ValjFarg(farg::Hjarter);
    m.gbFarg = farg::Ruter;
    give(0, {"5d", "Kc", "5h", "Ad", "5s"});
    give(2, {"2d", "10d"});
    give(3, {"5c", "Qd"});
    LogTrumpsBeforeBuying();
    const std::string rule(35, '=');
    const std::vector<std::string> expected = {
        rule,
        "<SYD_FORE_KOP>", "V", "v", "A", "<END>", "",
        "<VAST_FORE_KOP>", "<END>", "",
        "<NORD_FORE_KOP>", "2", "10", "<END>", "",
        "<OST_FORE_KOP>", "Q", "<END>", "",
        rule};
    EXPECT_EQ(rec.lines, expected);
}

TEST(LogLineWords, TrumpLinesForEveryFiveAndColour) {
    Packe deck;
    struct Case {
        int nr;
        std::int32_t colour;
        const char* line;
    };
    const Case cases[] = {
        {16, farg::Klover, "V"}, {19, farg::Klover, "v"}, {19, farg::Spader, "V"}, {16, farg::Spader, "v"},
        {17, farg::Ruter, "V"},  {18, farg::Ruter, "v"},  {18, farg::Hjarter, "V"}, {17, farg::Hjarter, "v"},
        {0, farg::Klover, "A"},  {36, farg::Klover, "10"},
    };
    for (const Case& c : cases) EXPECT_EQ(TrumpLine(*deck.CardByNr(c.nr), c.colour), c.line) << c.nr << " " << c.colour;
}

TEST(LogLineWords, SeatAndColourWordsGoBothWays) {
    for (int s = 0; s < 4; ++s) EXPECT_EQ(SeatOfSeatWord(SeatWord(s)), s);
    for (std::int32_t c : {1, 2, 4, 8}) EXPECT_EQ(ColourOfColourWord(ColourWord(c)), c);
    EXPECT_FALSE(SeatOfSeatWord("syd"));
    EXPECT_FALSE(SeatOfSeatWord("SYD "));
    EXPECT_FALSE(ColourOfColourWord("Klover"));
    EXPECT_EQ(SeatWord(4), "");
    EXPECT_EQ(ColourWord(3), "");
}

TEST(LogSink, ListenersSeeEveryLineInOrderUntilRemoved) {
    TestTable t;
    Main& m = t.m();
    std::vector<std::string> a, b;
    const int ida = m.AddLogListener([&](const std::string& l) { a.push_back(l); });
    int idb = 0;
    // A listener that removes itself while it is told.
    idb = m.AddLogListener([&](const std::string& l) {
        b.push_back(l);
        m.RemoveLogListener(idb);
    });
    m.Log("one");
    m.Log("two");
    m.RemoveLogListener(ida);
    m.Log("three");
    EXPECT_EQ(a, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(b, (std::vector<std::string>{"one"}));
}

TEST(LogSink, HandingLinesWritesNoFile) {
    QTemporaryDir dir;
    TestTable t;
    Main& m = t.m();
    m.gbInstallPath = dir.path().toStdString() + "/";
    m.LogInit();
    m.Log("<VI>");
    m.Log("0");
    m.LogClose();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(LogSink, ATextWithLineBreaksReachesListenersAsSeparateLines) {
    TestTable t;
    Main& m = t.m();
    std::vector<std::string> seen;
    m.AddLogListener([&](const std::string& l) { seen.push_back(l); });
    m.Log(" 85   [Take points]\nLead high\r\nend");
    m.Log("");
    m.Log("Budet: 7\r\n");
    EXPECT_EQ(seen, (std::vector<std::string>{" 85   [Take points]", "Lead high", "end", "", "Budet: 7", ""}));
}
