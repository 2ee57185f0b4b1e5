// The play rules the game ships: well formed, complete, and playing every
// deal to its end without a fault.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "BuildLanguage.h"
#include "PlayRules.h"
#include "PlayTestSimulation.h"
#include "RuleFieldReader.h"
#include "SuggestionTexts.h"
#include "TestTable.h"

namespace {

const std::string kRules = "LumraPlayRulesAI.TXT";
const std::string kSuggestions = "Suggestion.txt";

struct RuleFileFacts {
    std::map<std::string, std::vector<std::string>> lists;
    std::set<std::string> listsUsed;
    std::set<std::string> sortLists;
    std::set<std::string> suggestCodes;
    int rules = 0;
    int ends = 0;
};

bool isPlayKeyword(const std::string& w) {
    return IsRankName(w) || (w.size() == 2 && w[0] == 'x') || w == "Default" || w == "Random" || w == "Nothing";
}

RuleFileFacts readFacts(const std::string& path) {
    RuleFileFacts f;
    RuleFieldReader in;
    EXPECT_TRUE(in.Open(path));
    std::string prev, prev2;
    while (!in.Eof()) {
        const std::string t = in.Next();
        if (t == "Interpretation") {
            const std::string name = in.Next();
            std::vector<std::string> words;
            for (std::string w = in.Next(); w != "!" && !in.Eof(); w = in.Next()) words.push_back(w);
            f.lists[name] = words;
            continue;
        }
        if (prev == "in" || prev == "inunplayed" || prev2 == ":>>" || prev2 == ":<<") f.listsUsed.insert(t);
        if (prev == "Sort" || prev == "SortByOrder") {
            f.listsUsed.insert(t);
            f.sortLists.insert(t);
        }
        if (prev == "Play" && !isPlayKeyword(t)) f.listsUsed.insert(t);
        if (prev == "Suggest") f.suggestCodes.insert(t);
        if (t == "RULE" || t == "RULE_CONDITIONAL") ++f.rules;
        if (t == "END") ++f.ends;
        prev2 = prev;
        prev = t;
    }
    return f;
}

TEST(ShippedPlayRules, ListsExistAreRankNamesAndSortListsNameAllTrumps) {
    const RuleFileFacts f = readFacts(kRules);
    ASSERT_GT(f.rules, 0);
    EXPECT_EQ(f.rules, f.ends);
    for (const auto& used : f.listsUsed) EXPECT_TRUE(f.lists.count(used)) << "missing list " << used;
    for (const auto& [name, words] : f.lists) {
        EXPECT_LE(words.size(), 15u) << name;
        for (const auto& w : words) EXPECT_TRUE(IsRankName(w)) << name << ": " << w;
    }
    for (const auto& name : f.sortLists) {
        const auto& words = f.lists.at(name);
        EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), 14u) << name;
    }
}

TEST(ShippedPlayRules, EverySuggestionCodeHasATextInBothLanguages) {
    const RuleFileFacts f = readFacts(kRules);
    ASSERT_FALSE(f.suggestCodes.empty());
    for (const auto& code : f.suggestCodes)
        for (const char* tag : {"<SVENSKA>", "<ENGLISH>"})
            EXPECT_FALSE(LookupSuggestionText(kSuggestions, "<INPLAY>", code, tag).empty()) << code << " " << tag;
}

// The rules decide every card themselves (never the engine's first-trump
// fallback), and every explanation they name is shown in these deals: a rule
// that can never fire would leave its code unseen.
TEST(ShippedPlayRules, ManyDealsPlayToTheEndWithoutAMessageAndWithHeldCards) {
    TestTable t(7);
    Main& m = t.m();
    for (auto& h : m.Hand) h.myPlayAI = kRules;
    std::mt19937 g(12345);
    int decisions = 0;
    std::set<std::string> shown;
    for (int d = 0; d < 2000; ++d) {
        playsim::DealResult r;
        playsim::deal(m, g, r);
        playsim::playOut(m, r, [&] { shown.insert(SuggestText); });
        ASSERT_FALSE(r.chosenCardNotHeld) << "deal " << d;
        ASSERT_EQ(r.defaultPlays, 0) << "deal " << d;
        ASSERT_EQ(r.points[0] + r.points[1], 14) << "deal " << d;
        for (const auto& h : m.Hand) ASSERT_EQ(playsim::trumpCount(h, m.gbFarg), 0) << "deal " << d;
        decisions += r.decisions;
    }
    EXPECT_GT(decisions, 2000 * 12);
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
    for (const auto& c : readFacts(kRules).suggestCodes) EXPECT_TRUE(shown.count(c)) << "never shown: " << c;
    EXPECT_EQ(shown, readFacts(kRules).suggestCodes);
}

}  // namespace
