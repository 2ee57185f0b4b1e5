// Rule files made of random fields of the language: every decision ends,
// reads nothing past the file, and names a card the seat holds.
#include <random>

#include "Rng.h"
#include "RuleKeywords.h"
#include "RuleTestFixture.h"

namespace {

using Robustness = PlayRuleFixture;

std::vector<std::string> vocabulary() {
    std::vector<std::string> v = {"RULE", "RULE_CONDITIONAL", "EXECUTES", "END", "IF", "THEN", "STOP", "!",
                                  "kskdjjall", "x1", "x2", "x0", "d1", "d2", "X1", "in", "of", "ofunplayed",
                                  "inunplayed", ":=", ":>>", ":<<", "<-", ":-", "<..>", "=", "not", ">", "<",
                                  "+", "-", "or", "OR", "NOT", "Name", "Suggest", "Play", "Sort", "SortByOrder",
                                  "SortSpecificOrder", "SortLumraLast", "Default", "Random", "Nothing", "100",
                                  "50", "0", "-3", "L1", "L2", "Probability", "Set", "Interpretation",
                                  "Version", "YES", "NO", "Last", "Cold", "LEFT", "PARTNER", "CardsLoose",
                                  "CardHighestAbsolute", "Round", "EqualInRank", "CompareValues", "", "5",
                                  "A", "K", "Q", "J", "10", "9", "8", "7", "6", "V", "v", "4", "3", "2"};
    for (std::size_t i = 0; i < RuleKeywordCount; ++i) v.push_back(ScrambledKeyword(static_cast<Kw>(i)));
    return v;
}

TEST_F(Robustness, RandomFilesNeverHangAndNeverNameACardNotHeld) {
    const auto words = vocabulary();
    std::mt19937 g(31337);
    SetRandomSeedForTests(3);
    t.dialogs.shown.reserve(100000);
    for (int file = 0; file < 400; ++file) {
        std::string text = "Interpretation,L1,K,8,3,!\nInterpretation,L2,A,7,V,2,!\n";
        const int fields = 20 + static_cast<int>(g() % 200);
        for (int i = 0; i < fields; ++i) {
            text += words[g() % words.size()];
            text += (g() % 6 == 0) ? "\n" : ",";
        }
        give(0, {"-", "K", "8", "V", "3", "-"});
        const std::string card = decide(text);
        ASSERT_TRUE(card == "K" || card == "8" || card == "V" || card == "3") << text;
        ASSERT_EQ(trumpsOf(0).size(), 4u);
        t.dialogs.shown.clear();
    }
}

}  // namespace
