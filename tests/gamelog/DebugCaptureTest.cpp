#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstring>
#include <string>
#include <vector>

#include "ChildProcesses.h"
#include "DealDriver.h"
#include "DebugCapture.h"
#include "Registry.h"
#include "TestTable.h"

namespace {

struct CaptureFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    QTemporaryDir folder;
    CaptureFixture() {
        m.gbInstallPath = folder.path().toStdString() + "/";
        m.SetUpGame();
    }
    std::string path(const std::string& name) const { return m.gbInstallPath + name; }
    bool exists(const std::string& name) const { return QFile::exists(QString::fromStdString(path(name))); }
    void writeFile(const std::string& name, const std::string& text) {
        QFile f(QString::fromStdString(path(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.c_str());
    }
    std::string readFile(const std::string& name) const {
        QFile f(QString::fromStdString(path(name)));
        if (!f.open(QIODevice::ReadOnly)) return "<none>";
        return f.readAll().toStdString();
    }
    void request(std::optional<std::string> attribute, std::optional<std::string> comment) {
        t.dialogs.inputAnswers.push_back(attribute);
        t.dialogs.inputAnswers.push_back(comment);
        m.BtnDebugMsg_Click();
    }
    std::string counter() const { return GetRegistryValue("local", "Statistic", "Debug", "<unset>"); }
};

}  // namespace

TEST_F(CaptureFixture, ARequestAsksTwiceLogsTheCommentAndTakesThePicture) {
    LogRecorder rec(m);
    QGuiApplication::clipboard()->setText("the user's own text");
    request("x", "cards vanish");
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.dialogs.shown[0].prompt, "GE EXTRA ATTRIBUT FÖR FILNAMN:");
    EXPECT_EQ(t.dialogs.shown[0].title, "DEBUG");
    EXPECT_EQ(t.dialogs.shown[1].prompt, "Ge kommentar för log-filen. Denna text skrivs in som kommentar i filen:");
    EXPECT_EQ(t.dialogs.shown[1].title, "DEBUG");
    const std::string stars(60, '*');
    const std::vector<std::string> banner = {stars, "***************** DEBUG ************************************",
                                             stars, "cards vanish", stars, stars, stars};
    EXPECT_EQ(rec.lines, banner);
    EXPECT_EQ(banner[1].size(), 60u);
    EXPECT_TRUE(m.gbDEBUGCapture);
    EXPECT_FALSE(m.DebugScreenshot.isNull());
    EXPECT_EQ(m.DebugFileAttribute, "x");
    // The picture lives in memory; what the user copied is left alone, and
    // the capture at the next deal does not need the clipboard.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "the user's own text");
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    m.SaveDebugCapture();
    EXPECT_TRUE(exists("LumraDEBUG_0_x.bmp"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "the user's own text");
}

TEST_F(CaptureFixture, TheNextDealKeepsTheLogAndTheScreenshotUnderTheCounter) {
    writeFile("Lumralog.txt", "<VI>\n0\n");
    request("x", "first");
    m.SaveDebugCapture();
    EXPECT_FALSE(m.gbDEBUGCapture);
    EXPECT_EQ(readFile("LumraLOG_0_x.txt"), "<VI>\n0\n");
    ASSERT_TRUE(exists("LumraDEBUG_0_x.bmp"));
    EXPECT_EQ(counter(), " 1");
    ASSERT_TRUE(m.ImgDebug.Picture);

    // A Windows bitmap of the whole window: its header names the file's size.
    const std::string bmp = readFile("LumraDEBUG_0_x.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    std::uint32_t declared = 0;
    std::memcpy(&declared, bmp.data() + 2, 4);
    EXPECT_EQ(declared, bmp.size());
    const QImage saved(QString::fromStdString(path("LumraDEBUG_0_x.bmp")));
    EXPECT_EQ(saved.size(), m.ImgDebug.Picture->size());
    EXPECT_EQ(saved.width(), forms::TwipsToPixels(m.form.ClientWidth));

    request("x", "second");
    m.SaveDebugCapture();
    EXPECT_TRUE(exists("LumraLOG_1_x.txt"));
    EXPECT_TRUE(exists("LumraDEBUG_1_x.bmp"));
    EXPECT_EQ(counter(), " 2");
}

TEST_F(CaptureFixture, CancelledPromptsGiveAnEmptyWordAndAnEmptyComment) {
    LogRecorder rec(m);
    writeFile("Lumralog.txt", "log");
    request(std::nullopt, std::nullopt);
    ASSERT_EQ(rec.lines.size(), 7u);
    EXPECT_EQ(rec.lines[3], "");
    m.SaveDebugCapture();
    EXPECT_TRUE(exists("LumraLOG_0_.txt"));
    EXPECT_TRUE(exists("LumraDEBUG_0_.bmp"));
}

TEST_F(CaptureFixture, AMissingLogIsSkippedButThePictureAndCounterGoOn) {
    request("y", "no log");
    m.SaveDebugCapture();
    EXPECT_FALSE(exists("LumraLOG_0_y.txt"));
    EXPECT_TRUE(exists("LumraDEBUG_0_y.bmp"));
    EXPECT_EQ(counter(), " 1");
}

TEST_F(CaptureFixture, ACounterThatWasNotStoredNeverOverwritesAnEarlierCapture) {
    writeFile("Lumralog.txt", "new");
    writeFile("LumraLOG_0_x.txt", "earlier");
    writeFile("LumraDEBUG_1_x.bmp", "earlier picture");
    request("x", "");
    m.SaveDebugCapture();
    EXPECT_EQ(readFile("LumraLOG_0_x.txt"), "earlier");
    EXPECT_EQ(readFile("LumraDEBUG_1_x.bmp"), "earlier picture");
    EXPECT_EQ(readFile("LumraLOG_2_x.txt"), "new");
    EXPECT_TRUE(exists("LumraDEBUG_2_x.bmp"));
    EXPECT_EQ(counter(), " 3");
}

TEST_F(CaptureFixture, ASecondRequestBeforeTheDealReplacesTheFirst) {
    request("first", "one");
    request("second", "two");
    m.SaveDebugCapture();
    EXPECT_FALSE(exists("LumraDEBUG_0_first.bmp"));
    EXPECT_TRUE(exists("LumraDEBUG_0_second.bmp"));
    EXPECT_EQ(counter(), " 1");
}

TEST_F(CaptureFixture, StoredCounterTextsAreReadSafely) {
    struct Case {
        const char* stored;
        int n;
    } const cases[] = {{" 5", 5}, {"0", 0}, {"32767", 32767}, {"32768", 0}, {"99999999999", 0},
                       {"-3", 0}, {"abc", 0}, {"7x", 0},       {"", 0}};
    for (const Case& c : cases) {
        SaveRegistryValue("local", "Statistic", "Debug", c.stored);
        EXPECT_EQ(StoredDebugCounter(), c.n) << c.stored;
    }
    SaveRegistryValue("local", "Statistic", "Debug", "32767");
    request("z", "");
    m.SaveDebugCapture();
    EXPECT_TRUE(exists("LumraDEBUG_32767_z.bmp"));
    EXPECT_EQ(counter(), " 0");
}

TEST_F(CaptureFixture, HostileWordsStayInsideTheInstallFolder) {
    struct Case {
        const char* typed;
        const char* safe;
    } const cases[] = {
        {"../x", "__x"},          {"/", "_"},         {"a\tb\nc", "a_b_c"}, {"...", "_."},
        {"C:\\Win", "C__Win"},    {"a*?<>|\"b", "a______b"}, {"ok-name_1", "ok-name_1"},
        {"åäö", "åäö"},           {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(SafeFileNameWord(c.typed), c.safe) << c.typed;

    EXPECT_EQ(SafeFileNameWord(std::string(100, 'a')), std::string(64, 'a'));
    std::string umlauts = "a";
    for (int i = 0; i < 40; ++i) umlauts += "ö";
    const std::string cut = SafeFileNameWord(umlauts);
    EXPECT_EQ(cut.size(), 63u);  // never half a character
    EXPECT_EQ(QString::fromStdString(cut).toStdString(), cut);

    writeFile("Lumralog.txt", "log");
    request("../../escape", "");
    m.SaveDebugCapture();
    EXPECT_TRUE(exists("LumraLOG_0_____escape.txt"));
    const QStringList outside = QDir(folder.path() + "/..").entryList({"*escape*"});
    EXPECT_TRUE(outside.isEmpty());
}

TEST_F(CaptureFixture, TwoGamesCapturingAtOnceTakeNumbersOfTheirOwn) {
    // Two copies of the game share the install folder and the settings and
    // capture deal after deal at the same moments: no number is taken twice
    // and the counter counts every capture.
    constexpr int kCaptures = 200;
    writeFile("Lumralog.txt", "log");
    const std::vector<int> codes = runSideBySide(2, [&](int) {
        for (int i = 0; i < kCaptures; ++i) {
            m.DebugFileAttribute = "x";
            m.gbDEBUGCapture = true;
            m.SaveDebugCapture();
        }
        return 0;
    });
    EXPECT_EQ(codes, std::vector<int>(2, 0));
    EXPECT_EQ(counter(), " " + std::to_string(2 * kCaptures));
    for (int n = 0; n < 2 * kCaptures; ++n) EXPECT_EQ(readFile(DebugLogCopyName(n, "x")), "log") << n;
    EXPECT_FALSE(exists(DebugLogCopyName(2 * kCaptures, "x")));
}

TEST_F(CaptureFixture, ARequestDuringADealIsKeptWhenTheNextDealStarts) {
    m.Form_Load();
    m.gbInstallPath = folder.path().toStdString() + "/";  // start-up read the installed one
    ASSERT_TRUE(PlayUntil(t, [&] { return m.myGameStatus == 7; }));
    request("play", "mid deal");
    ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
    EXPECT_FALSE(exists("LumraDEBUG_0_play.bmp"));
    m.AdvanceMe();
    EXPECT_TRUE(exists("LumraDEBUG_0_play.bmp"));
    EXPECT_FALSE(m.gbDEBUGCapture);
    EXPECT_EQ(counter(), " 1");
}
