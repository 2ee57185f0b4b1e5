#include "RuleEngineState.h"

#include "EngineBridge.h"

std::array<short, 7> HandRanks{};
short HandCount = 0;
std::array<short, 7> WorkHand{};
std::array<short, 15> ClaimedRanks{};
std::array<std::string, 10> CardVars{};
std::array<float, 10> NumVars{};
std::array<std::array<std::string, InterpretationColumns>, InterpretationRows> InterpretationTable;
short InterpretationCount = 0;
std::string CurrentToken;
std::string PlayRuleName;
std::string NothingTrace;
RuleFieldReader RuleFile;

const std::string& ReadToken() {
    CurrentToken.assign(RuleFile.NextView());
    return CurrentToken;
}

void ShowRuleMessage(const std::string& text) {
    ShowEngineMessage(text);
}

int VariableIndex(const std::string& token) {
    if (token.empty()) return 0;
    const char c = token.back();
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}
