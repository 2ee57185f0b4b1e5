#pragma once
// The play engine's working data for one decision: the deciding seat's
// trumps, the rule's candidates and claims, the rule variables, the card
// lists of the file, and the file being read with its current field.

#include <array>
#include <string>

#include "RuleFieldReader.h"

inline constexpr int InterpretationRows = 31;     // rows 0..30
inline constexpr int InterpretationColumns = 16;  // column 0 the name, 1..15 the words

extern std::array<short, 7> HandRanks;    // slot 0 always 0; slots 1..6 the trumps in hand order
extern short HandCount;
extern std::array<short, 7> WorkHand;     // slots 1..6: the rule's candidates; 0 = struck out
extern std::array<short, 15> ClaimedRanks;  // -1 played or claimed
extern std::array<std::string, 10> CardVars;  // x0..x9: rank names, "" unbound
extern std::array<float, 10> NumVars;         // d0..d9
extern std::array<std::array<std::string, InterpretationColumns>, InterpretationRows> InterpretationTable;
extern short InterpretationCount;
extern std::string CurrentToken;
extern std::string PlayRuleName;
extern std::string NothingTrace;

// The open play-rule file; every read of the engine goes through it.
extern RuleFieldReader RuleFile;
// Reads the next field of the rule file into CurrentToken.
const std::string& ReadToken();

// Shows a rule-file fault in a message box (OK, the game's title); the game's
// timers stand still while it is open. Nothing is shown without a table.
void ShowRuleMessage(const std::string& text);

// The digit a variable token ends with (x3 -> 3); a non-digit reads as 0.
int VariableIndex(const std::string& token);
