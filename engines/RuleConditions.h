#pragma once
// The statements of a play rule that must hold before its actions run:
// tests of the game state, and the bindings of the card variables x0..x9
// and the numeric variables d0..d9 from card lists and rule values.

#include <string>

// Reads statements from the rule file up to the terminator ("EXECUTES" or
// "THEN"); true when every one held, with CurrentToken on the terminator
// (or the file at its end). Stops at the first statement that fails.
bool EvalConditions(const std::string& terminator);

// True when the rank is among the deciding seat's trumps.
bool InMyHand(short rank);
// The percentage a rule value of that name gives (last row, rounded).
short ProbabilityOf(const std::string& name);
// Every rank from the lower to the higher card is held or already played.
bool EqualInRank(const std::string& a, const std::string& b);
// The ranks from the lower to the higher card that are neither held nor
// played; 0 when both are the same rank.
short OutstandingBetween(const std::string& a, const std::string& b);
bool CompareNumber(const std::string& name, const std::string& op, const std::string& value);
bool CompareText(const std::string& name, const std::string& op, const std::string& text);
bool CompareValues(const std::string& name1, const std::string& op, const std::string& name2);
