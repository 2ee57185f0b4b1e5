#pragma once
// One condition statement of a play rule, recognised by its first token
// (CurrentToken); the statement reads its further fields itself. Returns the
// statement's outcome: a test gives its result, a binding whether it bound,
// and a statement that only records gives true.

#include <string>

bool EvalStatement(const std::string& token);
bool EvalCardVariableStatement(const std::string& token);
bool EvalNumberVariableStatement(const std::string& token);

// Helpers shared by the statements.
std::string ReadField();
// Reads fields up to and including "!" (or to the end of the file).
void SkipPastBang();
// The card an operand names: a card variable (x..) or a rank name.
std::string CardOperand(const std::string& operand);
