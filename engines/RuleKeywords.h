#pragma once
// The keywords of the play-rule language. Each has a plain spelling and a
// spelling for the scrambled variant of the file, which a file switches to
// with its marker field; the current spelling is what the reader matches.

#include <array>
#include <cstddef>
#include <string>

enum class Kw : std::size_t {
    Interpretation, Set, Probability, RULE, EXECUTES, END, LumraOut, UnplayedLumra, YES, NO, Version, of, Play,
    SortByOrder, SortLumraLast, SortSpecificOrder, Sort, Default, Random, TenJOut, UnplayedTenJ, TenOut, JOut,
    EqualInRank, PositionInRound, Bid, RoleInRound, RoleBid, Last, UnplayedLow, NotCold, Cold, CompareValues,
    PreviousCardHighestRound, PreviousCardHighestAbsolute, PreviousCardPartner, PreviousCardRight,
    PreviousCardLeft, PreviousCardMe, WithoutLumra, CardsExpectedPartner, CardsExpectedLeft, CardsExpectedRight,
    CardsExpectedUs, CardsExpectedThemMax, CardsExpectedThem, Round, CardsRemainingOther, CardsRemaining,
    CardsLeftInMyHand, CardsInitiallyInMyHand, PointsLeft, CardHighestMy, CardHighestRound, CardHighestAbsolute,
    CardPartner, CardRight, CardLeft, CardsLoose, NotColdFourthTurnThem, NotColdFifthTurnThem,
    NotColdSixthTurnThem, NotColdFifthTurnThemExpected, NotColdSixthTurnThemExpected, NOT,
    TakeablePointsInRound, ofunplayed,
    Count_
};

inline constexpr std::size_t RuleKeywordCount = static_cast<std::size_t>(Kw::Count_);

// The field that switches a file to the scrambled spellings.
inline constexpr const char* ScrambledRulesMarker = "kskdjjall";

// True while the rule file being read uses the scrambled spellings.
extern bool ScrambledRulesFlag;

// Sets every keyword to its plain spelling, then to its scrambled one when
// ScrambledRulesFlag is set.
void InitRuleKeywords();
// The keyword as the current set spells it.
const std::string& KW(Kw k);
// True when the field is the keyword in its current spelling.
inline bool IsKw(const std::string& field, Kw k) { return field == KW(k); }

const std::string& PlainKeyword(Kw k);
const std::string& ScrambledKeyword(Kw k);
