// The table driver plays the human's seat for the strength benchmark: when
// it names trumps it must take the colour the table suggests, as a player
// following the suggestion would.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CardNames.h"
#include "TableDriver.h"
#include "TestTable.h"

namespace {

struct SuggestedColourCase {
    const char* what;
    std::vector<std::string> hand;
    std::int32_t raised;     // colour whose cards the bid raised; 0 none
    std::int32_t bidColour;  // the seat's own choice from its bid; -1 none
    std::int32_t named;
};

}  // namespace

TEST(TableDriver, NamesTheSuggestedColour) {
    const std::vector<SuggestedColourCase> cases = {
        {"raised hearts", {"Ah", "10h", "3h", "Kc", "5d"}, 4, 4, 4},
        // The five of clubs is raised with the spades: the colour they share counts.
        {"raised spades with the other black five", {"5c", "5s", "Js", "2s", "Ad"}, 8, 8, 8},
        {"the bid's colour when nothing is raised", {"Ad", "Kd", "2c"}, 0, 2, 2},
        {"clubs when there is no suggestion", {"Ah", "Kd"}, 0, -1, 1},
    };
    for (const SuggestedColourCase& c : cases) {
        TestTable t;
        Main& m = t.m();
        for (const std::string& card : c.hand) {
            Kort* k = m.Packe.CardByNr(CardNr(card));
            m.Hand[0].AddACardOSort(k, false);
        }
        if (c.raised) m.Hand[0].StickOutAllCardsOfFarg(c.raised);
        m.Hand[0].MinFarg = c.bidColour;
        m.gbBjuditHogst = 0;
        m.myGameStatus = 4;
        m.LoadFargForm();
        TableDriver driver(m);
        ASSERT_TRUE(driver.act()) << c.what;
        EXPECT_EQ(m.gbFarg, c.named) << c.what;
    }
}

TEST(TableDriver, WholeGamesNameTheColourTheBidSuggested) {
    std::set<std::int32_t> named;
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        TestTable t(seed);
        Main& m = t.m();
        m.Form_Load();
        TableDriver driver(m);
        std::int32_t suggested = -1;
        bool over = driver.runUntil(
            [&] {
                if (driver.colourButtonsShown()) {
                    suggested = m.Hand[0].MinFarg;
                } else if (suggested != -1 && m.myGameStatus >= 5) {
                    EXPECT_EQ(m.gbFarg, suggested) << "seed " << seed;
                    named.insert(m.gbFarg);
                    suggested = -1;
                }
                return m.LblGameOver.Visible;
            },
            6 * 60 * 60 * 1000);
        EXPECT_TRUE(over);
    }
    EXPECT_GT(named.size(), 1u) << "the human's contracts all came in one colour";
}
