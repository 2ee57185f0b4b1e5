// The scrambled variant of the play-rule file: its marker switches the
// keywords to their other spellings, and a scrambled file plays exactly as
// its plain twin.
#include <set>
#include <sstream>

#include "PlayTestSimulation.h"
#include "RuleKeywords.h"
#include "RuleTestFixture.h"

namespace {

TEST(ScrambledKeywords, AreDistinctAndCannotBeMistakenForOtherFields) {
    const std::set<std::string> fixed = {"STOP", "RULE_CONDITIONAL", "IF", "THEN", "!", "kskdjjall", "in",
                                         "inunplayed", "OF", "or", "OR", "Name", "Suggest", "Track", "TRACK",
                                         "DebugColor", "EvenDistribution", "Nothing", "not", "="};
    std::set<std::string> seen;
    for (std::size_t i = 0; i < RuleKeywordCount; ++i) {
        const std::string& s = ScrambledKeyword(static_cast<Kw>(i));
        const std::string& plain = PlainKeyword(static_cast<Kw>(i));
        EXPECT_TRUE(seen.insert(s).second) << s;
        ASSERT_FALSE(s.empty());
        EXPECT_FALSE(fixed.count(s)) << s;
        EXPECT_FALSE(IsRankName(s)) << s;
        EXPECT_NE(s[0], 'x') << s;
        EXPECT_NE(s[0], 'd') << s;
        EXPECT_NE(s[0], 'X') << s;
        EXPECT_FALSE(s[0] >= '0' && s[0] <= '9') << s;
        EXPECT_EQ(s.find_first_of(",\" \t"), std::string::npos) << s;
        if (plain != "END") {
            EXPECT_NE(s, plain);
        }
    }
    // The skip after a "Nothing" rule looks for END in both variants.
    EXPECT_EQ(ScrambledKeyword(Kw::END), "END");
}

const char* kPlainRules =
    "Version,Twin 1\n"
    "Interpretation,Safe,2,3,4,6,7,8,9,Q,K,10,J,A,v,V,!\n"
    "Interpretation,Points,V,v,10,J,!\n"
    "Interpretation,Low,2,3,4,6,7,8,9,!\n"
    "Set,Lead,70\n"
    "RULE,Name,Order,EXECUTES,100,Sort,Safe,END\n"
    "RULE,Name,Smear,x2,:=,CardPartner,x2,not,x9,x3,:=,CardHighestAbsolute,x2,=,x3,x1,in,Points,EXECUTES,100,Play,x1,END\n"
    "RULE,Name,Take last,Last,YES,TakeablePointsInRound,>,0,x3,:=,CardHighestRound,x1,:>>,x3,Safe,EXECUTES,100,Play,x1,END\n"
    "RULE,Name,Skip,Round,>,5,EXECUTES,100,Play,Nothing,END\n"
    "RULE,Name,Skipped,EXECUTES,100,Play,Default,END\n"
    "RULE_CONDITIONAL,Name,Lead,PositionInRound,FIRST,!,EXECUTES\n"
    "IF,x3,:=,CardHighestAbsolute,X3,THEN,Lead,Play,x3\n"
    "IF,NOT,2,!,Probability,50,THEN,100,Play,Low\n"
    "IF,Cold,LEFT,RIGHT,!,UnplayedLumra,NO,THEN,100,Play,Random\n"
    "END\n"
    "RULE,Name,Cheap,CardsLeftInMyHand,>,0,EXECUTES,100,Play,Default,END\n"
    "STOP\n";

// The twin: the marker first, then every keyword in its other spelling.
std::string scrambled(const std::string& plain) {
    std::string out = std::string(ScrambledRulesMarker) + "\n";
    std::istringstream lines(plain);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field, joined;
        while (std::getline(fields, field, ',')) {
            for (std::size_t i = 0; i < RuleKeywordCount; ++i)
                if (field == PlainKeyword(static_cast<Kw>(i))) {
                    field = ScrambledKeyword(static_cast<Kw>(i));
                    break;
                }
            joined += (joined.empty() ? "" : ",") + field;
        }
        out += joined + "\n";
    }
    return out;
}

struct Decision {
    std::string trace;
    short index;
    std::string suggest;
    bool operator==(const Decision&) const = default;
};

class Scrambled : public PlayRuleFixture {
public:
    void writeRulesPublic(const std::string& text) { writeRules(text); }
};

std::vector<Decision> playDeals(Scrambled& f, Main& m, const std::string& rules) {
    f.writeRulesPublic(rules);
    std::vector<Decision> out;
    SetRandomSeedForTests(5);
    std::mt19937 g(77);
    for (int d = 0; d < 40; ++d) {
        playsim::DealResult r;
        playsim::deal(m, g, r);
        playsim::playOut(m, r, [&] { out.push_back({RuleTrace, SuggestedCardIndex, SuggestText}); });
    }
    return out;
}


TEST_F(Scrambled, ATwinPlaysAsThePlainFile) {
    const auto plain = playDeals(*this, t.m(), kPlainRules);
    const auto twin = playDeals(*this, t.m(), scrambled(kPlainRules));
    ASSERT_GT(plain.size(), 400u);
    EXPECT_TRUE(plain == twin);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(RulesVersion, "Twin 1");
}

TEST_F(Scrambled, TheMarkerRenamesTheBuiltInRowsButTheFixedOnesAndLogsTheDumpAgain) {
    give(0, {"A", "2"});
    writeRules(std::string(ScrambledRulesMarker) + "\n~Frg,Mine,3\n");
    logLines.clear();
    decide("kskdjjall\n~Frg,Mine,3\n");
    EXPECT_EQ(RuleVariableTable[0].name, ScrambledKeyword(Kw::Round));
    EXPECT_EQ(RuleVariableTable[15].name, "CardsBeforeBuyingPartner");
    EXPECT_EQ(RuleVariableTable[38].name, "PointsToKill");
    EXPECT_EQ(RuleVariableTable[39].name, "Mine");
    EXPECT_EQ(RuleVariableCount, 39);
    EXPECT_EQ(std::count(logLines.begin(), logLines.end(), " %%%%%%%%%%% Special DynExp DUMP %%%%%%%"), 2);
    // After the marker the plain spellings are no keywords.
    EXPECT_EQ(decide("kskdjjall\nRULE,EXECUTES,100,Play,2,END\n"), "A");
    EXPECT_EQ(RuleTrace, "[DEFAULT]");
}

}  // namespace
