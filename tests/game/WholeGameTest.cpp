// Whole games at the table, driven through the controls as a player would,
// with the shipped rule files deciding for the computer seats.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Registry.h"
#include "VbText.h"
#include "TableDriver.h"
#include "TestTable.h"

namespace {
int messageBoxes(const forms::ScriptedDialogs& d) { return d.CountOf("MsgBox"); }
}  // namespace

TEST(WholeGame, ADealRunsFromTheShuffleToTheNextDeal) {
    TestTable t(7);
    Main& m = t.m();
    std::vector<std::string> log;
    m.AddLogListener([&log](const std::string& line) { log.push_back(line); });
    m.Form_Load();
    TableDriver driver(m);
    const int firstDealer = m.harPacko;
    // The deal is over when the next deal has started: a new dealer holds the pack.
    ASSERT_TRUE(driver.runUntil([&] { return m.harPacko != firstDealer; }, 30 * 60 * 1000))
        << "status " << m.myGameStatus << ", Timer1 tag '" << m.Timer1.Tag << "'";
    EXPECT_EQ(messageBoxes(t.dialogs), 0);
    // Both sides' totals moved by the deal's points (14 in all, or a failed bid).
    EXPECT_NE(m.gbVi + m.gbDe, 0);
    EXPECT_FALSE(log.empty());
}

TEST(WholeGame, GamesPlayToTheirEndAndCountTheWinner) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        TestTable t(seed);
        Main& m = t.m();
        m.Form_Load();
        TableDriver driver(m);
        ASSERT_TRUE(driver.runUntil([&] { return m.LblGameOver.Visible; }, 6 * 60 * 60 * 1000))
            << "seed " << seed << ": status " << m.myGameStatus << ", Vi " << m.gbVi << ", De " << m.gbDe;
        EXPECT_EQ(messageBoxes(t.dialogs), 0) << "seed " << seed;
        EXPECT_TRUE(m.gbVi > 61 || m.gbDe > 61) << "seed " << seed;
        const int vi = static_cast<int>(Val(GetRegistryValue("user", "Statistic", "TotalVi", "0")));
        const int de = static_cast<int>(Val(GetRegistryValue("user", "Statistic", "TotalDe", "0")));
        EXPECT_EQ(vi + de, 1) << "seed " << seed;
        // Every card is still in exactly one place: the stock/pool invariant held.
        EXPECT_EQ(m.Packe.KortIPacken() + m.Packe.Pool().Count(), 52);
    }
}
