#include "RuleStatements.h"

#include <array>

#include "BuiltinFacts.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleConditions.h"
#include "RuleEngineState.h"
#include "RuleKeywords.h"
#include "Rng.h"
#include "VbText.h"

extern std::string RuleProbabilityText;

std::string ReadField() { return RuleFile.Next(); }

void SkipPastBang() {
    while (!RuleFile.Eof())
        if (ReadField() == "!") return;
}

std::string CardOperand(const std::string& operand) {
    if (!operand.empty() && operand[0] == 'x') return CardVars[VariableIndex(operand)];
    return operand;
}

namespace {

// The field after a fact: YES when it holds, NO when it does not.
bool answer(bool fact) {
    const std::string a = ReadField();
    return fact ? a == KW(Kw::YES) : a == KW(Kw::NO);
}

bool isCardTake(const std::string& token) {
    return token.size() >= 2 && token[0] == 'X' && token.back() >= '0' && token.back() <= '9';
}

bool notAmongCandidates() {
    bool any = false;
    while (!RuleFile.Eof()) {
        const std::string word = ReadField();
        if (word == "!") return any;
        any = true;
        if (!NotInCandidates(word)) {
            SkipPastBang();
            return false;
        }
    }
    return false;
}

bool probability() {
    const std::string p = ReadField();
    const double v = Val(p);
    const short percent = v > 0 ? ClampToInt16(RoundHalfEven(v)) : ProbabilityOf(p);
    RuleProbabilityText = StrNum(percent);
    if (percent >= 100) return true;
    return percent >= RndPercent();
}

// Reads the whole list up to "!"; true when the test holds for any word.
template <typename Test>
bool anyOfList(Test test) {
    bool any = false;
    while (!RuleFile.Eof()) {
        const std::string word = ReadField();
        if (word == "!") break;
        if (test(word)) any = true;
    }
    return any;
}

bool isNumericBuiltin(const std::string& token) {
    static const std::array<const char*, 9> fixed = {
        "CardsUnknown",   "CardsBeforeBuyingPartner", "CardsBeforeBuyingLeft", "CardsBeforeBuyingRight",
        "CardsBeforeBuyingThemMax", "TakeablePoints", "PointsTakenUs", "PointsTakenThem", "PointsToKill"};
    static const std::array<Kw, 15> keyed = {
        Kw::Round, Kw::CardsRemaining, Kw::CardsRemainingOther, Kw::CardsLeftInMyHand, Kw::PointsLeft, Kw::Bid,
        Kw::CardsInitiallyInMyHand, Kw::CardsLoose, Kw::TakeablePointsInRound, Kw::CardsExpectedPartner,
        Kw::CardsExpectedLeft, Kw::CardsExpectedRight, Kw::CardsExpectedThemMax, Kw::CardsExpectedUs,
        Kw::CardsExpectedThem};
    for (const char* name : fixed)
        if (token == name) return true;
    for (Kw k : keyed)
        if (IsKw(token, k)) return true;
    return false;
}

// The facts tested with a YES or NO answer; null when the token names none.
bool (*answeredFact(const std::string& token))() {
    struct Entry {
        Kw kw;
        bool (*fact)();
    };
    static const std::array<Entry, 13> keyed = {{{Kw::Last, Last},
                                                 {Kw::LumraOut, LumraOut},
                                                 {Kw::TenOut, TenOut},
                                                 {Kw::JOut, JOut},
                                                 {Kw::UnplayedLumra, UnplayedLumra},
                                                 {Kw::TenJOut, TenJOut},
                                                 {Kw::UnplayedTenJ, UnplayedTenJ},
                                                 {Kw::UnplayedLow, UnplayedLow},
                                                 {Kw::NotColdFourthTurnThem, NotColdFourthTurnThem},
                                                 {Kw::NotColdFifthTurnThem, NotColdFifthTurnThem},
                                                 {Kw::NotColdSixthTurnThem, NotColdSixthTurnThem},
                                                 {Kw::NotColdFifthTurnThemExpected, NotColdFifthTurnThemExpected},
                                                 {Kw::NotColdSixthTurnThemExpected, NotColdSixthTurnThemExpected}}};
    for (const Entry& e : keyed)
        if (IsKw(token, e.kw)) return e.fact;
    if (token == "EvenDistribution") return EvenDistribution;
    if (token == "NotSafeFifthTurn") return NotSafeFifthTurn;
    if (token == "SafeFifthTurn") return SafeFifthTurn;
    if (token == "NotSafeSixthTurn") return NotSafeSixthTurn;
    if (token == "SafeSixthTurn") return SafeSixthTurn;
    return nullptr;
}

bool evalOtherStatement(const std::string& token) {
    if (isCardTake(token)) return TakeFromCandidates(CardVars[VariableIndex(token)]);
    if (IsRankName(token)) return TakeFromCandidates(token);
    if (IsKw(token, Kw::NOT)) return notAmongCandidates();
    if (token == "Name") {
        const std::string text = ReadField();
        RuleTrace += "[" + text + "]\n";
        PlayRuleName = text;
        return true;
    }
    if (token == "Suggest") {
        SuggestText = ReadField();
        return true;
    }
    if (token == "Track" || token == "TRACK") {
        ReadField();
        return true;
    }
    if (token == "DebugColor") {
        DebugColorText = ReadField();
        return true;
    }
    if (IsKw(token, Kw::Probability)) return probability();
    if (IsKw(token, Kw::PositionInRound) || IsKw(token, Kw::RoleBid) || IsKw(token, Kw::RoleInRound))
        return anyOfList([&](const std::string& w) { return CompareText(token, "=", w); });
    if (IsKw(token, Kw::Cold)) return anyOfList([](const std::string& w) { return Cold(w); });
    if (IsKw(token, Kw::NotCold)) return anyOfList([](const std::string& w) { return NotCold(w); });
    if (IsKw(token, Kw::EqualInRank)) {
        const std::string a = CardOperand(ReadField());
        const std::string b = CardOperand(ReadField());
        return answer(EqualInRank(a, b));
    }
    if (IsKw(token, Kw::WithoutLumra)) {
        const std::string seat = ReadField();
        return answer(WithoutLumra(seat));
    }
    if (IsKw(token, Kw::CompareValues)) {
        const std::string a = ReadField();
        const std::string op = ReadField();
        const std::string b = ReadField();
        return CompareValues(a, op, b);
    }
    if (isNumericBuiltin(token)) {
        const std::string op = ReadField();
        const std::string value = ReadField();
        return CompareNumber(token, op, value);
    }
    if (auto fact = answeredFact(token)) return answer(fact());
    return true;  // not a statement: passed over
}

}  // namespace

bool EvalStatement(const std::string& token) {
    if (!token.empty() && token[0] == 'x') return EvalCardVariableStatement(token);
    if (!token.empty() && token[0] == 'd') return EvalNumberVariableStatement(token);
    return evalOtherStatement(token);
}
