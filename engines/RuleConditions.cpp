#include "RuleConditions.h"

#include <algorithm>

#include "BuiltinFacts.h"
#include "EngineBridge.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleActions.h"
#include "RuleEngineState.h"
#include "RuleKeywords.h"
#include "RuleStatements.h"
#include "RuleValueTable.h"
#include "Rng.h"
#include "VbText.h"

std::string RuleProbabilityText;

bool InMyHand(short rank) {
    if (rank <= 0) return false;
    const int n = std::clamp<int>(HandCount, 0, 6);
    for (int i = 1; i <= n; ++i)
        if (HandRanks[i] == rank) return true;
    return false;
}

short ProbabilityOf(const std::string& name) {
    const RuleVariableRow* row = FindRuleVariable(name);
    short p = row ? ClampToInt16(RoundHalfEven(row->value.AsNumber())) : 0;
    const short hook = ProbabilityHook(name);
    if (hook >= 0) p = hook;
    return p;
}

bool EqualInRank(const std::string& a, const std::string& b) {
    const short va = RankValueOf(a), vb = RankValueOf(b);
    if (va == vb) return true;
    for (short r = std::min(va, vb); r <= std::max(va, vb); ++r)
        if (!InMyHand(r) && PlayCardFlags[r] != -1) return false;
    return true;
}

short OutstandingBetween(const std::string& a, const std::string& b) {
    const short va = RankValueOf(a), vb = RankValueOf(b);
    if (va == vb) return 0;
    short n = 0;
    for (short r = std::min(va, vb); r <= std::max(va, vb); ++r)
        if (!InMyHand(r) && PlayCardFlags[r] != -1) ++n;
    return n;
}

namespace {

bool compareFloats(float a, const std::string& op, float b) {
    if (op == "=") return a == b;
    if (op == "not") return a != b;
    if (op == ">") return a > b;
    if (op == "<") return a < b;
    return false;
}

}  // namespace

bool CompareNumber(const std::string& name, const std::string& op, const std::string& value) {
    const RuleVariableRow* row = FindRuleVariable(name);
    const float a = row ? static_cast<float>(row->value.AsNumber()) : 0.0f;
    return compareFloats(a, op, static_cast<float>(Val(value)));
}

bool CompareText(const std::string& name, const std::string& op, const std::string& text) {
    std::string a;
    if (!name.empty() && name[0] == 'x') {
        a = CardVars[VariableIndex(name)];
    } else if (const RuleVariableRow* row = FindRuleVariable(name)) {
        a = row->value.AsText();
    }
    if (op == "=") return a == text;
    if (op == "not") return a != text;
    if (op == ">" || op == "<") return compareFloats(static_cast<float>(Val(a)), op, static_cast<float>(Val(text)));
    return false;
}

// A missing name has no value: it equals 0 against a number and "" against
// text. Two numbers compare as numbers; otherwise "=" and "not" compare the
// texts and ">" and "<" the texts' leading numbers.
bool CompareValues(const std::string& name1, const std::string& op, const std::string& name2) {
    const RuleVariableRow* r1 = FindRuleVariable(name1);
    const RuleVariableRow* r2 = FindRuleVariable(name2);
    const bool num1 = !r1 || r1->value.IsNumber();
    const bool num2 = !r2 || r2->value.IsNumber();
    const float f1 = r1 ? static_cast<float>(r1->value.AsNumber()) : 0.0f;
    const float f2 = r2 ? static_cast<float>(r2->value.AsNumber()) : 0.0f;
    if ((num1 && num2) || op == ">" || op == "<") return compareFloats(f1, op, f2);
    const std::string t1 = r1 ? r1->value.AsText() : "";
    const std::string t2 = r2 ? r2->value.AsText() : "";
    if (op == "=") return t1 == t2;
    if (op == "not") return t1 != t2;
    return false;
}

namespace {

// The "or" state of one evaluation: "or" A, where the rest of A's line is
// A's alternative.
struct OrState {
    bool seen = false;
    bool armed = false;

    void start() { seen = armed = true; }
    void after(bool& result) {
        if (seen && !armed) {
            if (result) RuleFile.DiscardRestOfLine();
            else result = true;
            seen = false;
        }
        if (seen && armed) armed = false;
    }
};

}  // namespace

bool EvalConditions(const std::string& terminator) {
    bool result = true;
    OrState orState;
    ReadToken();
    while (!RuleFile.Eof() && result && CurrentToken != terminator) {
        const std::string token = CurrentToken;
        if (token == "or" || token == "OR") {
            orState.start();
        } else {
            result = EvalStatement(token);
        }
        orState.after(result);
        if (result) ReadToken();
    }
    return result;
}
