#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CardNames.h"
#include "DealDriver.h"
#include "GameLog.h"
#include "PlayState.h"
#include "RuleValueTable.h"
#include "TestTable.h"

namespace {

struct DumpFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    LogRecorder rec{m};
    DumpFixture() {
        m.SetUpGame();
        m.gbFarg = farg::Hjarter;
        m.Packe.ValjFarg(farg::Hjarter);
        for (auto& row : RuleVariableTable) row = RuleVariableRow{};
        RuleVariableTable[0] = {"Round", RuleValue::Int(2), ""};
        RuleVariableTable[1] = {"CardsExpectedLeft", RuleValue::Float(3.5f), ""};
        RuleVariableTable[2] = {"RoleBid", RuleValue::Str("BIDDER"), ""};
        RuleVariableTable[3] = {"NotDumped", RuleValue::Int(9), ""};
        RuleVariableCount = 2;
    }
    ~DumpFixture() override {
        for (auto& row : RuleVariableTable) row = RuleVariableRow{};
        RuleVariableCount = -1;
    }
};

const std::vector<std::string> kFactPrefixes = {
    "LumraOut , ", "TenOut , ", "JOut , ", "TenJOut , ", "UnplayedTenJ , ", "UnplayedLumra , ",
    "UnplayedLow , ", "Last , ", "NotSafeFifthTurn , ", "SafeFifthTurn, ", "NotSafeSixthTurn , ",
    "SafeSixthTurn , ", "NotColdFourthTurnThem  , ", "NotColdFifthTurnThem   , ", "NotColdSixthTurnThem  , ",
    "NotColdFifthTurnThemExpected  , ", "NotColdSixthTurnThemExpected  , ", "Cold(LEFT) , ",
    "Cold(PARTNER) , ", "Cold(RIGHT) , ", "NotCold(LEFT) , ", "NotCold(PARTNER) , ", "NotCold(RIGHT) , "};

}  // namespace

TEST_F(DumpFixture, WritesTheSeatsTrumpsTheTableRowsAndTheFacts) {
    CurrentSeat = 1;
    for (const char* c : {"5h", "Kc", "5d", "Jh"}) {
        Kort* k = m.Packe.CardByNr(CardNr(c));
        m.Hand[1].AddACardOSort(k, false);
    }
    RoundDataRang = {10, 0, 0, 0};  // a ten in the trick
    DumpPlayParameters();

    const std::string rule(35, '=');
    const std::vector<std::string> head = {rule,
                                           "======= SPEL PARAMETER DUMP =======",
                                           rule,
                                           "============= Calculated before play",
                                           "==== Kort i handen",
                                           "5",
                                           "5",
                                           "J",
                                           "====",
                                           "Round , 2",
                                           "CardsExpectedLeft , 3.5",
                                           "RoleBid , BIDDER",
                                           "============= Functions - calculated on the fly"};
    ASSERT_EQ(rec.lines.size(), head.size() + kFactPrefixes.size() + 1);
    EXPECT_EQ(std::vector<std::string>(rec.lines.begin(), rec.lines.begin() + static_cast<long>(head.size())), head);
    for (std::size_t i = 0; i < kFactPrefixes.size(); ++i) {
        const std::string& line = rec.lines[head.size() + i];
        const std::string& prefix = kFactPrefixes[i];
        ASSERT_EQ(line.substr(0, prefix.size()), prefix) << i;
        const std::string value = line.substr(prefix.size());
        EXPECT_TRUE(value == "True" || value == "False") << line;
    }
    EXPECT_EQ(rec.lines.back(), rule);
    EXPECT_EQ(rec.lines[head.size() + 0], "LumraOut , False");
    EXPECT_EQ(rec.lines[head.size() + 1], "TenOut , True");
    EXPECT_EQ(rec.lines[head.size() + 2], "JOut , False");
    EXPECT_EQ(rec.lines[head.size() + 3], "TenJOut , True");
}

TEST_F(DumpFixture, AnEmptyTableAndHandGiveOnlyTheFrame) {
    CurrentSeat = 3;
    RuleVariableCount = -1;
    DumpPlayParameters();
    ASSERT_GE(rec.lines.size(), 7u);
    EXPECT_EQ(rec.lines[4], "==== Kort i handen");
    EXPECT_EQ(rec.lines[5], "====");
    EXPECT_EQ(rec.lines[6], "============= Functions - calculated on the fly");
    EXPECT_EQ(rec.lines.size(), 7u + kFactPrefixes.size() + 1u);
}
