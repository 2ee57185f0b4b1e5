#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "BidFixture.h"
#include "CardNames.h"
#include "InstallFolder.h"
#include "TableDriver.h"

namespace {
using namespace cardnr;

// Seat 1 holds one card of each suit: keys [_A_], [_K_], [_Q_], [_J_].
struct LoaderTest : ::testing::Test, BidFixture {
    LoaderTest() { give(1, {AceClubs, KingDiamonds, QueenHearts, JackSpades}); }
    std::string fullTable() const {
        return "Bugala\n<0>\n" + BidRecord("[_]", -9) + "<1>\n" + BidRecord("[_A_]", 4, 0.5f, 0.9f, 10) +
               BidRecord("[_K_]", 3, 0.5f, 0.8f, 20) + BidRecord("[_Q_]", 2, 0.5f, 0.7f, 30) +
               BidRecord("[_J_]", 1, 0.5f, 0.6f, 40) + "<2>\n" + BidRecord("[_A_K_]", 6);
    }
};

TEST_F(LoaderTest, FillsEveryColourFromItsOwnRecord) {
    write("T.txt", fullTable());
    LoadHandEATables(1, "T.txt");
    const float ea5[4] = {4, 3, 2, 1}, p6[4] = {0.9f, 0.8f, 0.7f, 0.6f}, uh0[4] = {10, 20, 30, 40};
    for (int c = 0; c < 4; ++c) {
        for (int l = 0; l < 10; ++l) EXPECT_FLOAT_EQ(EATable[c][l], ea5[c] - 0.5f * l) << c << " " << l;
        EXPECT_EQ(EATable[c][10], -28.0f);
        EXPECT_EQ(PxTable[c][0], 0.0f);
        EXPECT_EQ(PxTable[c][10], 0.0f);
        for (int l = 1; l <= 9; ++l) EXPECT_FLOAT_EQ(PxTable[c][l], p6[c] - 0.1f * (l - 1)) << c << " " << l;
        for (int s = 0; s < 4; ++s) EXPECT_FLOAT_EQ(EaUHTable[c][s], uh0[c] + s);
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(LoaderTest, MissingKeyLeavesNoValueAndNoStaleRowsAndShowsTwoMessages) {
    write("T.txt", fullTable());
    LoadHandEATables(1, "T.txt");  // diamonds found once, so stale rows would show
    std::string table = fullTable();
    const std::string kd = BidRecord("[_K_]", 3, 0.5f, 0.8f, 20);
    table.erase(table.find(kd), kd.size());
    write("T.txt", table);
    LoadHandEATables(1, "T.txt");

    for (int l = 0; l <= 10; ++l) EXPECT_EQ(EATable[1][l], -28.0f);
    for (int l = 0; l <= 10; ++l) EXPECT_EQ(PxTable[1][l], 0.0f);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(EaUHTable[1][s], 0.0f);
    EXPECT_FLOAT_EQ(EATable[0][0], 4.0f);
    EXPECT_FLOAT_EQ(EATable[2][0], 2.0f);
    EXPECT_FLOAT_EQ(EATable[3][0], 1.0f);
    const std::vector<std::string> expected = {"Please check log - Didn't find key: [_K_] in the file: T.txt",
                                               "Rollto: <1>"};
    EXPECT_EQ(messages(), expected);
}

// A key that stands only in another section belongs to another card count.
TEST_F(LoaderTest, KeySearchStopsAtTheNextSection) {
    std::string table = fullTable();
    const std::string kd = BidRecord("[_K_]", 3, 0.5f, 0.8f, 20);
    table.erase(table.find(kd), kd.size());
    table += "<3>\n" + kd;
    write("T.txt", table);
    LoadHandEATables(1, "T.txt");
    EXPECT_EQ(EATable[1][1], -28.0f);
    EXPECT_EQ(messages().size(), 2u);
}

TEST_F(LoaderTest, RecordCutShortByTheEndOfTheFileIsNotTaken) {
    std::string table = "Bugala\n<1>\n" + BidRecord("[_A_]", 4) + BidRecord("[_K_]", 3) + BidRecord("[_Q_]", 2);
    std::string last = BidRecord("[_J_]", 1);
    last.resize(last.size() / 2);  // ends inside the record
    write("T.txt", table + last);
    LoadHandEATables(1, "T.txt");
    for (int l = 0; l <= 10; ++l) EXPECT_EQ(EATable[3][l], -28.0f);
    EXPECT_FLOAT_EQ(EATable[2][0], 2.0f);
    const std::vector<std::string> expected = {"Please check log - Didn't find key: [_J_] in the file: T.txt",
                                               "Rollto: <1>"};
    EXPECT_EQ(messages(), expected);
}

TEST_F(LoaderTest, MissingFileIsReportedOnceAndGivesNoValues) {
    LoadHandEATables(1, "Nowhere.txt");
    LoadHandEATables(1, "Nowhere.txt");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("Nowhere.txt"), std::string::npos);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(EATable[c][1], -28.0f);
}

// A file without a single section cannot be a table, whatever its first
// field: it is reported once, like a missing file, and every colour has no
// value; a file that reads as a table again ends the report.
TEST_F(LoaderTest, EmptyOrDamagedFileIsReportedOnceUntilItChanges) {
    const std::string report = "The bid table file is empty or damaged: " + main->gbInstallPath + "T.txt";
    const char* bad[] = {"", "\n\r\n", "Bugala\n", "Bugala\n[_A_], 1, 2, 3\n", "\x01\x02\xff\"<1\n", "<x>,<1_>,<_2>"};
    for (const char* text : bad) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        dialogs.shown.clear();
        write("T.txt", fullTable());
        LoadHandEATables(1, "T.txt");  // values from a good table first
        write("T.txt", text);
        LoadHandEATables(1, "T.txt");
        LoadHandEATables(1, "T.txt");
        EXPECT_EQ(messages(), std::vector<std::string>{report});
        for (int c = 0; c < 4; ++c) {
            for (int l = 0; l <= 10; ++l) EXPECT_EQ(EATable[c][l], -28.0f) << c << " " << l;
            for (int l = 0; l <= 10; ++l) EXPECT_EQ(PxTable[c][l], 0.0f);
            for (int k = 0; k < 4; ++k) EXPECT_EQ(EaUHTable[c][k], 0.0f);
        }
    }
    // Written again, the file is a new one: it is reported again.
    dialogs.shown.clear();
    write("T.txt", "damaged, and longer");
    LoadHandEATables(1, "T.txt");
    LoadHandEATables(1, "T.txt");
    EXPECT_EQ(messages(), std::vector<std::string>{report});
}

// A key missing from the table asks for a click once until the file
// changes, while the log names it at every miss; a missing file keeps its
// own report beside it, and coming back or going again is a change.
TEST_F(LoaderTest, MissingKeyIsReportedOnceUntilTheFileChanges) {
    std::vector<std::string> misses;
    main->AddLogListener([&misses](const std::string& l) {
        if (l.rfind("\tDidn't find key: ", 0) == 0) misses.push_back(l);
    });
    std::string table = fullTable();
    const std::string kd = BidRecord("[_K_]", 3, 0.5f, 0.8f, 20);
    table.erase(table.find(kd), kd.size());
    const std::string path = main->gbInstallPath + "T.txt";
    const std::string keyBox = "Please check log - Didn't find key: [_K_] in the file: T.txt", rollto = "Rollto: <1>";
    const std::string noFile = "Can't open the bid table file: " + path;
    auto loadTwice = [] {
        LoadHandEATables(1, "T.txt");
        LoadHandEATables(1, "T.txt");
    };

    write("T.txt", table);
    loadTwice();
    EXPECT_EQ(messages(), (std::vector<std::string>{keyBox, rollto}));
    EXPECT_EQ(misses, std::vector<std::string>(2, "\tDidn't find key: [_K_] in the file: T.txt, Rollto: <1>"));
    EXPECT_EQ(EATable[1][0], -28.0f);

    // The same text written again later is a changed file.
    dialogs.shown.clear();
    write("T.txt", table);
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::minutes(1));
    loadTwice();
    EXPECT_EQ(messages(), (std::vector<std::string>{keyBox, rollto}));

    dialogs.shown.clear();
    std::filesystem::remove(path);
    loadTwice();
    write("T.txt", table);
    loadTwice();
    std::filesystem::remove(path);
    loadTwice();
    EXPECT_EQ(messages(), (std::vector<std::string>{noFile, keyBox, rollto, noFile}));
    EXPECT_EQ(misses.size(), 6u);
}

// The same key text in two sections stands for two different hands: each
// is a missing key of its own.
TEST(LoaderReports, SameKeyInAnotherSectionIsReportedOnItsOwn) {
    BidFixture f;
    f.give(2, {AceClubs, CardNr("9c"), CardNr("8c"), FiveClubs});  // clubs: [_A_V_] in <4_2>
    f.give(3, {CardNr("Ad"), FiveDiamonds});                       // diamonds: [_A_V_] in <2>
    f.write("T.txt", "Bugala\n<0>\n" + BidRecord("[_]", -9) + "<1>\n" + BidRecord("[_v_]", 3) + "<2>\n<4_2>\n");
    for (int seat : {2, 3, 2, 3}) LoadHandEATables(seat, "T.txt");
    const std::string keyBox = "Please check log - Didn't find key: [_A_V_] in the file: T.txt";
    EXPECT_EQ(f.messages(), (std::vector<std::string>{keyBox, "Rollto: <4_2>", keyBox, "Rollto: <2>"}));
}

// With an empty bid table every computer bid has no values, and the game
// plays on to the next deal with the one report.
TEST_F(LoaderTest, AGameWithAnEmptyTablePlaysOnWithOneReport) {
    for (const char* f : {"LumraBidRulesAI.txt", "LumraPlayRulesAI.TXT", "Suggestion.txt", "Referal.txt"})
        std::filesystem::copy_file(DefaultInstallFolder() + f, main->gbInstallPath + f);
    write("LumraBidBase.txt", "");
    const std::string folder = main->gbInstallPath;
    main->Form_Load();
    main->gbInstallPath = folder;  // the game's start names the install folder
    TableDriver driver(*main);
    const int dealer = main->harPacko;
    ASSERT_TRUE(driver.runUntil([&] { return main->harPacko != dealer; }, 30 * 60 * 1000));
    EXPECT_EQ(messages(), std::vector<std::string>{"The bid table file is empty or damaged: " + folder +
                                                   "LumraBidBase.txt"});
}

TEST_F(LoaderTest, ScrambledTableIsReadThroughItsCode) {
    // Keys in the code letters, the ten EA values from bid 14 down to bid 5.
    auto scrambled = [](const std::string& key, float ea5) {
        std::string r = key;
        for (int k = 9; k >= 0; --k) r += ", " + CStrSingle(ea5 - static_cast<float>(k));
        r += ", 0, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0, 1, 2, 3, 4\n";
        return r;
    };
    write("S.txt", "Krypt\n<1>\n" + scrambled("[_a_]", 4) + scrambled("[_b_]", 3) + scrambled("[_c_]", 2) +
                       scrambled("[_d_]", 1));
    LoadHandEATables(1, "S.txt");
    EXPECT_TRUE(messages().empty());
    for (int c = 0; c < 4; ++c) {
        EXPECT_FLOAT_EQ(EATable[c][0], 4.0f - c);  // bid 5
        EXPECT_FLOAT_EQ(EATable[c][9], -5.0f - c); // bid 14
        EXPECT_FLOAT_EQ(PxTable[c][1], 0.9f);
        EXPECT_FLOAT_EQ(EaUHTable[c][3], 4.0f);
    }
}

TEST_F(LoaderTest, PlainFileMustStartWithBugalaExactly) {
    write("T.txt", "bugala\n" + fullTable().substr(7));
    LoadHandEATables(1, "T.txt");
    // Read as scrambled: the plain keys are not found.
    EXPECT_EQ(messages().size(), 8u);
}

TEST_F(LoaderTest, LogsThreeLinesPerColour) {
    std::vector<std::string> log;
    main->AddLogListener([&log](const std::string& l) { log.push_back(l); });
    write("T.txt", fullTable());
    LoadHandEATables(1, "T.txt");
    ASSERT_EQ(log.size(), 12u);
    EXPECT_EQ(log[0], "KLOVER  EA   \t[_A_]\t4 3.5 3 2.5 2 1.5 1 0.5 0 -0.5 ");
    EXPECT_EQ(log[1], "KLOVER  P(x) \t[_A_]\t0.9 0.8 0.7 0.6 0.5 0.4 0.3 0.2 " + CStrSingle(0.9f - 0.8f) + " ");
    EXPECT_EQ(log[2], "KLOVER  EaUH \t[_A_]\t10 11 12 13 ");
    EXPECT_EQ(log[3].substr(0, 13), "RUTER  EA   \t");
    EXPECT_EQ(log[9].substr(0, 15), "SPADER  EA   \t[");
}

TEST_F(LoaderTest, ScrambledTableLogsTheRewrittenKey) {
    std::vector<std::string> log;
    main->AddLogListener([&log](const std::string& l) { log.push_back(l); });
    write("S.txt", "Krypt\n<1>\n");
    LoadHandEATables(1, "S.txt");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0], "\tKrypted Bjud-ai-fil! [_a_]==> [_A_]");
    ASSERT_GE(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Please check log - Didn't find key: [_a_] in the file: S.txt");
}

// A five counts in both colours of its pair, as the five of trumps in its
// own suit and as the other five in the other; afterwards the fives stand
// ranked for spades.
TEST(LoaderFives, FiveCountsInBothColoursAndSpadesRankingRemains) {
    BidFixture f;
    f.give(2, {FiveHearts});
    f.write("T.txt", "Bugala\n<0>\n" + BidRecord("[_]", -9) + "<1>\n" + BidRecord("[_V_]", 5) +
                         BidRecord("[_v_]", 3));
    LoadHandEATables(2, "T.txt");
    EXPECT_FLOAT_EQ(EATable[0][0], -9.0f);
    EXPECT_FLOAT_EQ(EATable[1][0], 3.0f);
    EXPECT_FLOAT_EQ(EATable[2][0], 5.0f);
    EXPECT_FLOAT_EQ(EATable[3][0], -9.0f);
    EXPECT_TRUE(f.messages().empty());
    EXPECT_EQ(f.main->Packe.CardByNr(FiveSpades)->Rang, 5);
    EXPECT_EQ(f.main->Packe.CardByNr(FiveClubs)->Rang, 4);
    EXPECT_EQ(f.main->Packe.CardByNr(FiveHearts)->Rang, 4);
}

}  // namespace
