#pragma once
// The rule variable table: the built-in game-state values of one decision,
// each under its name, followed by the "Set" values of the play-rule file.
// Conditions and actions look values up by name.

#include <array>
#include <string>

// One table value: a 16-bit integer, a single-precision number, or text
// ("Set" values are kept as the text read). An empty cell is text "".
struct RuleValue {
    enum class Kind { Text, Integer, Single };
    Kind kind = Kind::Text;
    std::string text;
    double number = 0;

    static RuleValue Int(long long v);
    static RuleValue Float(float v);
    static RuleValue Str(std::string s);
    bool IsNumber() const { return kind != Kind::Text; }
    // Integers in plain decimal, singles in their shortest form.
    std::string AsText() const;
    // Text by its leading number (0 when it has none).
    double AsNumber() const;
};

inline constexpr int RuleVariableRows = 51;      // rows 0..50
inline constexpr int BuiltinVariableLastRow = 38;

struct RuleVariableRow {
    std::string name;
    RuleValue value;
    std::string extra;  // third column; not used by the engine
};

extern std::array<RuleVariableRow, RuleVariableRows> RuleVariableTable;
extern short RuleVariableCount;  // last used row; 38 once the built-ins stand

// Fills rows 0..38 with the facts of this moment, then hands the parameter
// dump and the trump-count estimates to the game log.
void FillBuiltinVariables();

// The last row from 0 to RuleVariableCount with that name; null when none.
const RuleVariableRow* FindRuleVariable(const std::string& name);
