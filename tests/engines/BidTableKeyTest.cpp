#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "BidTableKey.h"

namespace {

struct KeyCase {
    const char* what;
    std::vector<int> ranks;  // trump ranks in hand order
    const char* key;
    const char* marker;
    const char* logKey;
};

class BidPatternCase : public ::testing::TestWithParam<KeyCase> {};

TEST_P(BidPatternCase, BuildsKeyMarkerAndLogKey) {
    const KeyCase& c = GetParam();
    const BidPattern p = BuildBidPattern(c.ranks);
    EXPECT_EQ(p.key, c.key) << c.what;
    EXPECT_EQ(p.marker, c.marker) << c.what;
    EXPECT_EQ(p.logKey, c.logKey) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BidPatternCase,
    ::testing::Values(
        KeyCase{"no cards", {}, "[_]", "<0>", "[_]"},
        KeyCase{"eight cards: the 9 and then the queen go", {14, 13, 12, 11, 10, 9, 5, 1}, "[_A_K_J_10_V_2_]",
                "<6>", "[_A_K_J_10_V_2_]"},
        KeyCase{"six cards: the 3 is recoded to a middle card", {13, 9, 7, 4, 2, 1}, "[_K_v_2_]", "<6_3>",
                "[_K_M_M_M_v_2_]"},
        KeyCase{"four cards, one middle card keeps its M", {14, 11, 8, 5}, "[_A_J_M_V_]", "<4>", "[_A_J_M_V_]"},
        KeyCase{"four cards, two middle cards", {14, 9, 8, 5}, "[_A_V_]", "<4_2>", "[_A_M_M_V_]"},
        KeyCase{"three low cards are named", {9, 8, 7}, "[_9_8_7_]", "<3>", "[_9_8_7_]"},
        KeyCase{"with four cards the 4 and the 3 are named", {14, 3, 2, 1}, "[_A_4_3_2_]", "<4>", "[_A_4_3_2_]"},
        KeyCase{"with five cards the 4 and the 3 are middle cards", {14, 3, 2, 1, 5}, "[_A_V_2_]", "<5_2>",
                "[_A_M_M_V_2_]"},
        KeyCase{"hand order does not matter", {5, 1, 14, 11, 8}, "[_A_J_M_V_2_]", "<5>", "[_A_J_M_V_2_]"},
        KeyCase{"nine cards: 3, 4, 6 dropped first", {14, 13, 12, 11, 10, 6, 3, 2, 1}, "[_A_K_Q_J_10_2_]", "<6>",
                "[_A_K_Q_J_10_2_]"},
        KeyCase{"the 2, fives, ten and jack always stay", {11, 10, 9, 8, 7, 5, 4, 1}, "[_J_10_M_V_v_2_]", "<6>",
                "[_J_10_M_V_v_2_]"}));

// Every trump holding a nine-card hand can have, through the key builder:
// the sections and their key counts the shipped table is built for.
TEST(BidPatternEnumeration, EveryHoldingGivesOneOfTheKnownSections) {
    std::map<std::string, std::set<std::string>> sections;
    for (unsigned mask = 0; mask < (1u << 14); ++mask) {
        std::vector<int> ranks;
        for (int r = 1; r <= 14; ++r)
            if (mask & (1u << (r - 1))) ranks.push_back(r);
        if (ranks.size() > 9) continue;
        const BidPattern p = BuildBidPattern(ranks);
        sections[p.marker].insert(p.key);
    }
    const std::map<std::string, std::size_t> expected = {
        {"<0>", 1},    {"<1>", 14},   {"<2>", 91},   {"<3>", 364},  {"<4>", 330},  {"<4_2>", 45}, {"<4_3>", 10},
        {"<4_4>", 1},  {"<5>", 126},  {"<5_2>", 56}, {"<5_3>", 28}, {"<5_4>", 8},  {"<5_5>", 1},  {"<6>", 84},
        {"<6_2>", 70}, {"<6_3>", 56}, {"<6_4>", 28}, {"<6_5>", 8},  {"<6_6>", 1}};
    std::size_t total = 0;
    for (const auto& [marker, count] : expected) {
        ASSERT_TRUE(sections.count(marker)) << marker;
        EXPECT_EQ(sections[marker].size(), count) << marker;
        total += sections[marker].size();
    }
    EXPECT_EQ(sections.size(), expected.size());
    EXPECT_EQ(total, 1322u);
}

TEST(BidPatternSlots, RanksBeyondTenSlotsAreIgnored) {
    const BidPattern p = BuildBidPattern({14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3});
    EXPECT_EQ(p.marker, "<6>");
    EXPECT_EQ(p.key, "[_A_K_Q_J_10_V_]");  // the 4 and the 3 were never read; 6..9 went
}

TEST(ScrambledKey, RewritesRankNamesAndKeepsTheFrame) {
    const std::pair<const char*, const char*> cases[] = {
        {"[_]", "[_]"},
        {"[_A_J_M_V_]", "[_a_d_M_j_]"},
        {"[_K_10_v_4_3_2_]", "[_b_e_k_l_m_n_]"},
        {"[_Q_9_8_7_6_]", "[_c_f_g_h_i_]"},
    };
    for (const auto& [plain, scrambled] : cases) EXPECT_EQ(ScrambleBidKey(plain), scrambled) << plain;
}

TEST(ScrambledKey, EAValuesRunFromBidFourteenDown) {
    EXPECT_EQ(ScrambledEALevel(0), 9);
    EXPECT_EQ(ScrambledEALevel(9), 0);
}

}  // namespace
