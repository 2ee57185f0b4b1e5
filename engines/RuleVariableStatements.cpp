
#include "PlayRules.h"
#include "RuleActions.h"
#include "RuleConditions.h"
#include "RuleEngineState.h"
#include "RuleKeywords.h"
#include "RuleStatements.h"
#include "VbText.h"

namespace {

bool isNotOperator(const std::string& op) { return op == "not" || op == "NOT" || op == KW(Kw::NOT); }

bool compareRanks(short a, const std::string& op, short b) {
    if (op == "=") return a == b;
    if (isNotOperator(op)) return a != b;
    if (op == ">") return a > b;
    return a < b;
}

bool isComparison(const std::string& op) { return op == "=" || op == ">" || op == "<" || isNotOperator(op); }

// A whole rank value 1..14 names a card; anything else leaves the variable empty.
std::string cardOfValue(double v) {
    const long long r = RoundHalfEven(v);
    return (r >= 1 && r <= 14) ? RankNameOf(static_cast<int>(r)) : "";
}

// A comparison or "<-" operand: d<digit> names a variable, anything else is
// a number, kept in double precision until it is rounded or stored.
double numberOperand(const std::string& operand) {
    if (!operand.empty() && operand[0] == 'd') return NumVars[VariableIndex(operand)];
    return Val(operand);
}

// The amount of a ":-" statement, where "D" names a variable as well as "d".
double amountOperand(const std::string& operand) {
    if (!operand.empty() && operand[0] == 'D') return NumVars[VariableIndex(operand)];
    return numberOperand(operand);
}

// "of", "ofunplayed": the first listed card the test accepts is bound and the
// rest of the list is passed over.
template <typename Accept>
bool bindFirstOfList(int n, Accept accept) {
    while (!RuleFile.Eof()) {
        const std::string word = ReadField();
        if (word == "!") return false;
        if (accept(word)) {
            CardVars[n] = word;
            SkipPastBang();
            return true;
        }
    }
    return false;
}

bool bindCardByOffset(int n) {
    const std::string base = ReadField();
    const std::string op = ReadField();
    const double amount = Val(ReadField());
    double v = RankValueOf(CardOperand(base));
    if (op == "+") v += amount;
    else if (op == "-") v -= amount;
    else ShowRuleMessage("This operator: " + op + " is not supported by :-");
    CardVars[n] = cardOfValue(v);
    return true;
}

}  // namespace

bool EvalCardVariableStatement(const std::string& token) {
    const int n = VariableIndex(token);
    const std::string op = ReadField();
    if (op == "in") return AssignFromList(n, ReadField());
    if (isComparison(op)) {
        const std::string other = CardOperand(ReadField());
        const short mine = RankValueOf(CardVars[n]);  // its message, if any, comes first
        return compareRanks(mine, op, RankValueOf(other));
    }
    if (op == ":>>" || op == ":<<") {
        const std::string card = CardOperand(ReadField());
        const std::string list = ReadField();
        return op == ":>>" ? AssignHigherFromList(n, card, list) : AssignLowerFromList(n, card, list);
    }
    if (op == ":=") {
        const std::string value = ReadField();
        if (!value.empty() && value[0] == 'x') {
            CardVars[n] = CardVars[VariableIndex(value)];
            return true;
        }
        return AssignCard(n, value);
    }
    if (op == "<-") {
        CardVars[n] = cardOfValue(numberOperand(ReadField()));
        return true;
    }
    if (op == ":-") return bindCardByOffset(n);
    if (op == "OF" || op == KW(Kw::of)) return bindFirstOfList(n, TakeFromCandidates);
    if (op == KW(Kw::ofunplayed)) return bindFirstOfList(n, ClaimUnplayedCard);
    if (op == "inunplayed") return AssignUnplayedFromList(n, ReadField());
    if (op == "or" || op == "OR") {
        while (!RuleFile.Eof()) {
            const std::string word = ReadField();
            if (word == "!") return false;
            if (word == CardVars[n]) {
                SkipPastBang();
                return true;
            }
        }
        return false;
    }
    return true;  // an operator of no meaning: only it is consumed
}

bool EvalNumberVariableStatement(const std::string& token) {
    const int m = VariableIndex(token);
    const std::string op = ReadField();
    if (isComparison(op)) {
        const float other = static_cast<float>(numberOperand(ReadField()));
        const float a = NumVars[m];
        if (op == "=") return a == other;
        if (isNotOperator(op)) return a != other;
        return op == ">" ? a > other : a < other;
    }
    if (op == ":=") {
        const std::string value = ReadField();
        if (!value.empty() && value[0] == 'd') {
            NumVars[m] = NumVars[VariableIndex(value)];
            return true;
        }
        // A leading minus always names a variable: -3 is minus d3.
        if (!value.empty() && value[0] == '-') {
            NumVars[m] = -NumVars[VariableIndex(value)];
            return true;
        }
        return AssignNumber(m, value);
    }
    if (op == "<-") {
        NumVars[m] = RankValueOf(CardOperand(ReadField()));
        return true;
    }
    if (op == "<..>") {
        const std::string a = CardOperand(ReadField());
        const std::string b = CardOperand(ReadField());
        NumVars[m] = OutstandingBetween(a, b);
        return true;
    }
    if (op == ":-") {
        // Worked out in double precision, stored as a single.
        const double base = amountOperand(ReadField());
        const std::string sign = ReadField();
        const double amount = amountOperand(ReadField());
        if (sign == "+") NumVars[m] = static_cast<float>(base + amount);
        else if (sign == "-") NumVars[m] = static_cast<float>(base - amount);
        else {
            ShowRuleMessage("This operator: " + sign + " is not supported by :-");
            NumVars[m] = static_cast<float>(base);
        }
        return true;
    }
    return true;  // an operator of no meaning: only it is consumed
}
