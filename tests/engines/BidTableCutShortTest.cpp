// Whole deals on a bid table cut short at half its lines: many hands find
// their keys, others do not. The player hears of each missing key once until
// the file changes, while the log names every miss.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "BidTable.h"
#include "InstallFolder.h"
#include "Registry.h"
#include "TableDriver.h"
#include "TestTable.h"

namespace {

constexpr const char* kKeyLine = "\tDidn't find key: ";
constexpr int kDeals = 100;

// What the player and the log were told during some deals.
struct Tally {
    std::vector<std::string> boxes;      // every message box, in order
    std::vector<std::string> missLines;  // the log's lines for missing keys
    int colourLinesWithoutValues = 0;    // colours whose EA line has no values: each is a miss
};

// The first half of the shipped bid table's lines, cut at a line boundary.
std::string firstHalfOfShippedTable() {
    std::ifstream in(DefaultInstallFolder() + "LumraBidBase.txt", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::string half;
    for (std::size_t i = 0; i < lines.size() / 2; ++i) half += lines[i] + "\n";
    return half;
}

// The report of a missing key, the two boxes' texts joined by " / ".
using Report = std::string;

// The reports among the boxes; every box belongs to one.
std::vector<Report> reportsIn(const std::vector<std::string>& boxes) {
    std::vector<Report> reports;
    for (std::size_t i = 0; i < boxes.size(); i += 2) {
        const bool pair = boxes[i].rfind("Please check log - Didn't find key: ", 0) == 0 && i + 1 < boxes.size() &&
                          boxes[i + 1].rfind("Rollto: <", 0) == 0;
        if (!pair) {
            ADD_FAILURE() << "not a missing key's report: " << boxes[i];
            break;
        }
        reports.push_back(boxes[i] + " / " + boxes[i + 1]);
    }
    return reports;
}

// The report a logged miss stands for.
Report reportOf(const std::string& missLine) {
    const std::size_t rollto = missLine.rfind(", Rollto: ");
    if (rollto == std::string::npos) return "unreadable log line: " + missLine;
    return "Please check log - " + missLine.substr(1, rollto - 1) + " / " + missLine.substr(rollto + 2);
}

struct CutShortTable : ::testing::Test {
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString() + "/";
    std::string table = folder + "LumraBidBase.txt";

    CutShortTable() {
        for (const char* f : {"LumraBidRulesAI.txt", "LumraPlayRulesAI.TXT", "Suggestion.txt", "Referal.txt"})
            std::filesystem::copy_file(DefaultInstallFolder() + f, folder + f);
        std::ofstream(table, std::ios::binary) << firstHalfOfShippedTable();
        BidTableReportedState.clear();
    }

    // Plays kDeals whole deals headless from seed 1 on, a new game whenever
    // one ends: the same deals at every call.
    Tally playDeals() {
        Tally tally;
        int deals = 0;
        for (std::uint64_t seed = 1; deals < kDeals; ++seed) {
            TestTable t(seed);
            Main& m = t.m();
            SaveRegistryValue("local", "Install", "Dir", folder);
            m.form.Unseen = true;
            m.AddLogListener([&tally](const std::string& l) {
                if (l.rfind(kKeyLine, 0) == 0) tally.missLines.push_back(l);
                if (l.find(" EA   \t") != std::string::npos && l.back() == '\t') ++tally.colourLinesWithoutValues;
            });
            m.Form_Load();
            EXPECT_EQ(m.gbInstallPath, folder);
            TableDriver driver(m);
            for (; deals < kDeals && !m.LblGameOver.Visible; ++deals) {
                const int dealer = m.harPacko;
                const bool ended =
                    driver.runUntil([&] { return m.harPacko != dealer || m.LblGameOver.Visible; }, 60 * 60 * 1000);
                if (!ended) {
                    ADD_FAILURE() << "a deal did not end, seed " << seed;
                    return tally;
                }
            }
            for (const auto& s : t.dialogs.shown)
                if (s.kind == "MsgBox") tally.boxes.push_back(s.prompt);
        }
        return tally;
    }
};

// The half table misses keys again and again over these deals; each missing
// key (with its section) is reported once, the log names every miss, and a
// file written again is a new file whose missing keys are reported anew.
TEST_F(CutShortTable, EachMissingKeyIsReportedOnceUntilTheFileChanges) {
    const Tally first = playDeals();
    std::set<Report> missing;
    for (const std::string& line : first.missLines) missing.insert(reportOf(line));
    ASSERT_FALSE(missing.empty()) << "the half table missed no key";
    EXPECT_GT(first.missLines.size(), missing.size()) << "no key was missed twice: the deals show nothing";
    EXPECT_EQ(first.missLines.size(), static_cast<std::size_t>(first.colourLinesWithoutValues))
        << "a colour went without values and without a line naming its missing key";

    const std::vector<Report> reports = reportsIn(first.boxes);
    EXPECT_EQ(std::set<Report>(reports.begin(), reports.end()), missing);
    EXPECT_EQ(reports.size(), missing.size()) << "a missing key was reported more than once";

    // The same deals on the same file: nothing new to report, every miss logged.
    const Tally again = playDeals();
    EXPECT_EQ(again.boxes, std::vector<std::string>{});
    EXPECT_EQ(again.missLines, first.missLines);

    // Written again (a later time, the same text), the file is a new one.
    std::ofstream(table, std::ios::binary | std::ios::trunc) << firstHalfOfShippedTable();
    std::filesystem::last_write_time(table, std::filesystem::last_write_time(table) + std::chrono::minutes(1));
    const Tally rewritten = playDeals();
    EXPECT_EQ(rewritten.boxes, first.boxes);
    EXPECT_EQ(rewritten.missLines, first.missLines);
}

}  // namespace
