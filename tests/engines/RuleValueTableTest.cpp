// The built-in value table of a decision and the estimate block it logs.
#include <algorithm>

#include "RuleTestFixture.h"
#include "RuleValueTable.h"

namespace {

using ValueTable = PlayRuleFixture;

std::vector<std::string> estimateBlock(const std::vector<std::string>& log) {
    const auto start = std::find(log.begin(), log.end(), " %%%%%%%%%%% Special DynExp DUMP %%%%%%%");
    const auto end = std::find(start, log.end(), " %%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%");
    if (start == log.end() || end == log.end()) return {};
    return {start + 1, end};
}

TEST_F(ValueTable, RowsHoldTheFactsOfTheMoment) {
    give(0, {"Q", "8", "V", "2"});
    TrickCount = 2;
    TrickLeader = 3;
    PlayCardFlags[14] = PlayCardFlags[13] = -1;
    TopRankLeft = 12;
    RoundDataRang[3] = 10;
    TrickRangHistory[1][1] = 14;
    TrumpsBeforeBuying = {3, 2, 4, 5};
    DealPointsVi = 1;
    DealPointsDe = 3;
    writeRules("");
    logLines.clear();
    prepareHandPicture();
    const std::vector<std::pair<int, std::string>> rows = {
        {0, "2"},       {1, "12"},     {2, "4"},     {3, "12"},   {4, "SECOND"}, {5, "8"},
        {6, "BIDDER"},  {7, "Q"},      {8, "Q"},     {9, "10"},   {10, ""},      {11, "10"},
        {12, ""},       {13, "4"},     {14, "A_BLOCK"}, {15, "4"}, {16, "2"},    {17, "5"},
        {23, "10"},     {24, "18"},    {26, "A"},    {28, ""},    {31, "7"},    {32, "1"},
        {33, "1"},      {34, "3"},     {36, "5"},    {37, "8"},
    };
    for (const auto& [row, value] : rows) EXPECT_EQ(RuleVariableTable[row].value.AsText(), value) << row;
    EXPECT_EQ(RuleVariableTable[24].name, "CardsUnknown");
    EXPECT_EQ(RuleVariableTable[18].value.kind, RuleValue::Kind::Single);
    EXPECT_EQ(RuleVariableCount, 38);
    EXPECT_TRUE(RuleVariableTable[39].name.empty());
    EXPECT_EQ(estimateBlock(logLines), (std::vector<std::string>{
                                           "Detta ar av spelare: 0 's synvinkel",
                                           "JagSer: 4 i min egen hand",
                                           "Driftklover: 10",
                                           "Obekanta: 18",
                                           "Exp ratio/kort: 0.5555556",
                                           "0:  AndraSer   0",
                                           "1:  AndraSer   0    DynExp   3.333333",
                                           "2:  AndraSer   0    DynExp   3.333333",
                                           "3:  AndraSer   0    DynExp   3.333333",
                                       }));
}

TEST_F(ValueTable, WithNothingUnknownTheRatioLineIsLeftOut) {
    give(0, {"Q", "8", "V", "2"});
    TrumpsSeenBySelf[0] = 4;
    TrumpsSeenByOthers = {0, 6, 6, 6};
    writeRules("");
    logLines.clear();
    prepareHandPicture();
    const auto block = estimateBlock(logLines);
    ASSERT_EQ(block.size(), 8u);
    EXPECT_EQ(block[3], "Obekanta: 0");
    EXPECT_EQ(block[4], "0:  AndraSer   0");
    EXPECT_EQ(block[5], "1:  AndraSer   6    DynExp   6");
}

}  // namespace
