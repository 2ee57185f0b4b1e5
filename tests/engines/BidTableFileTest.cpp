#include <gtest/gtest.h>

#include <charconv>

#include <map>
#include <vector>

#include "BidTableKey.h"
#include "InstallFolder.h"
#include "TextInput.h"
#include "VbText.h"

namespace {

bool isNumber(const std::string& f) {
    std::size_t i = 0;
    if (i < f.size() && f[i] == '-') ++i;
    if (i >= f.size() || f[i] < '0' || f[i] > '9') return false;
    // from_chars reads "." whatever the C locale says.
    double v = 0.0;
    const auto res = std::from_chars(f.data(), f.data() + f.size(), v);
    return res.ec == std::errc() && Val(f) == v;
}

struct ShippedTable {
    std::string first;
    // marker -> key -> the 25 fields after the key
    std::map<std::string, std::map<std::string, std::vector<std::string>>> sections;
    std::vector<std::string> problems;

    ShippedTable() {
        TextInput in;
        if (!in.Open(DefaultInstallFolder() + "LumraBidBase.txt")) {
            problems.push_back("cannot open the shipped table");
            return;
        }
        first = in.ListInput();
        std::string marker;
        while (!in.Eof()) {
            const std::string f = in.ListInput();
            if (!f.empty() && f[0] == '<') {
                marker = f;
                continue;
            }
            std::vector<std::string> fields;
            for (int i = 0; i < 25 && !in.Eof(); ++i) fields.push_back(in.ListInput());
            auto& section = sections[marker];
            if (section.count(f)) problems.push_back("duplicate " + marker + " " + f);
            section[f] = fields;
        }
    }
};

TEST(ShippedBidTable, IsPlainAndHoldsEveryFormableKeyInItsOwnSection) {
    const ShippedTable t;
    ASSERT_TRUE(t.problems.empty()) << t.problems.front();
    EXPECT_EQ(t.first, "Bugala");
    std::size_t formable = 0;
    std::map<std::string, std::map<std::string, int>> seen;
    for (unsigned mask = 0; mask < (1u << 14); ++mask) {
        std::vector<int> ranks;
        for (int r = 1; r <= 14; ++r)
            if (mask & (1u << (r - 1))) ranks.push_back(r);
        if (ranks.size() > 9) continue;
        const BidPattern p = BuildBidPattern(ranks);
        if (seen[p.marker][p.key]++) continue;
        ++formable;
        auto s = t.sections.find(p.marker);
        ASSERT_NE(s, t.sections.end()) << p.marker;
        EXPECT_TRUE(s->second.count(p.key)) << p.marker << " " << p.key;
    }
    std::size_t records = 0;
    for (const auto& [marker, keys] : t.sections) records += keys.size();
    EXPECT_EQ(records, formable) << "records for keys no hand can form";
}

TEST(ShippedBidTable, RecordsAreNumbersThatFallWithTheBid) {
    const ShippedTable t;
    ASSERT_TRUE(t.problems.empty()) << t.problems.front();
    for (const auto& [marker, keys] : t.sections)
        for (const auto& [key, f] : keys) {
            const std::string where = marker + " " + key;
            ASSERT_EQ(f.size(), 25u) << where;
            std::vector<double> v;
            for (const std::string& field : f) {
                ASSERT_TRUE(isNumber(field)) << where << " '" << field << "'";
                v.push_back(Val(field));
                EXPECT_GT(v.back(), -200.0) << where;
            }
            for (int b = 1; b < 10; ++b) EXPECT_LE(v[static_cast<std::size_t>(b)], v[static_cast<std::size_t>(b - 1)]) << where << " EA";
            for (int b = 0; b < 10; ++b) EXPECT_GE(v[static_cast<std::size_t>(b)], -28.0) << where << " EA";
            for (int b = 11; b < 20; ++b) {
                EXPECT_GE(v[static_cast<std::size_t>(b)], 0.0) << where << " P";
                EXPECT_LE(v[static_cast<std::size_t>(b)], 1.0) << where << " P";
                if (b > 11) {
                    EXPECT_LE(v[static_cast<std::size_t>(b)], v[static_cast<std::size_t>(b - 1)]) << where << " P";
                }
            }
        }
}

// The table should rank holdings the way a player would.
TEST(ShippedBidTable, StrongerHoldingsExpectMore) {
    const ShippedTable t;
    ASSERT_TRUE(t.problems.empty()) << t.problems.front();
    auto ea8 = [&](const std::string& marker, const std::string& key) {
        return Val(t.sections.at(marker).at(key).at(3));
    };
    EXPECT_GT(ea8("<4>", "[_A_K_Q_J_]"), ea8("<4>", "[_K_Q_4_3_]"));
    EXPECT_GT(ea8("<3>", "[_A_K_Q_]"), ea8("<3>", "[_Q_9_8_]"));
    EXPECT_GT(ea8("<5>", "[_A_K_Q_V_v_]"), ea8("<3>", "[_A_V_v_]"));
    EXPECT_GT(ea8("<6>", "[_A_K_Q_J_V_v_]"), ea8("<2>", "[_A_K_]"));
    EXPECT_LT(ea8("<0>", "[_]"), 0.0);
    EXPECT_GT(ea8("<6>", "[_A_K_Q_J_V_v_]"), 8.0);
}

}  // namespace
