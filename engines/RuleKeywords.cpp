#include "RuleKeywords.h"


bool ScrambledRulesFlag = false;

namespace {

const std::array<std::string, RuleKeywordCount> kPlain = {
    "Interpretation", "Set", "Probability", "RULE", "EXECUTES", "END", "LumraOut", "UnplayedLumra", "YES", "NO",
    "Version", "of", "Play", "SortByOrder", "SortLumraLast", "SortSpecificOrder", "Sort", "Default", "Random",
    "TenJOut", "UnplayedTenJ", "TenOut", "JOut", "EqualInRank", "PositionInRound", "Bid", "RoleInRound",
    "RoleBid", "Last", "UnplayedLow", "NotCold", "Cold", "CompareValues", "PreviousCardHighestRound",
    "PreviousCardHighestAbsolute", "PreviousCardPartner", "PreviousCardRight", "PreviousCardLeft",
    "PreviousCardMe", "WithoutLumra", "CardsExpectedPartner", "CardsExpectedLeft", "CardsExpectedRight",
    "CardsExpectedUs", "CardsExpectedThemMax", "CardsExpectedThem", "Round", "CardsRemainingOther",
    "CardsRemaining", "CardsLeftInMyHand", "CardsInitiallyInMyHand", "PointsLeft", "CardHighestMy",
    "CardHighestRound", "CardHighestAbsolute", "CardPartner", "CardRight", "CardLeft", "CardsLoose",
    "NotColdFourthTurnThem", "NotColdFifthTurnThem", "NotColdSixthTurnThem", "NotColdFifthTurnThemExpected",
    "NotColdSixthTurnThemExpected", "NOT", "TakeablePointsInRound", "ofunplayed"};

// The scrambled spelling: "~" and the word with its letters rotated by 13.
// The "~" keeps every spelling clear of the variable statements (x.., d..),
// the card take (X<digit>), a chance (a leading number) and the rank names.
// END keeps its spelling: the skip after a "Nothing" rule looks for the
// literal END in both variants.
std::string scramble(const std::string& word) {
    if (word == "END") return word;
    std::string s = "~";
    for (char c : word) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>('a' + (c - 'a' + 13) % 26);
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>('A' + (c - 'A' + 13) % 26);
        s += c;
    }
    return s;
}

std::array<std::string, RuleKeywordCount> makeScrambled() {
    std::array<std::string, RuleKeywordCount> out;
    for (std::size_t i = 0; i < RuleKeywordCount; ++i) out[i] = scramble(kPlain[i]);
    return out;
}

const std::array<std::string, RuleKeywordCount>& scrambled() {
    static const auto table = makeScrambled();
    return table;
}

const std::array<std::string, RuleKeywordCount>* current = &kPlain;

}  // namespace

void InitRuleKeywords() { current = ScrambledRulesFlag ? &scrambled() : &kPlain; }

const std::string& KW(Kw k) { return (*current)[static_cast<std::size_t>(k)]; }
const std::string& PlainKeyword(Kw k) { return kPlain[static_cast<std::size_t>(k)]; }
const std::string& ScrambledKeyword(Kw k) { return scrambled()[static_cast<std::size_t>(k)]; }
