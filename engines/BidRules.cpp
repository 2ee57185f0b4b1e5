#include "BidRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "BidTable.h"
#include "EngineBridge.h"
#include "Rng.h"
#include "TextInput.h"
#include "VbText.h"

float BidEAPLevel = 1.0f;
short BidRuleValue = 0;
std::string FiredRuleName;
std::set<std::string> BidRulesReported;

namespace {
// One rule variable: a number, or a text such as the role in the round.
struct BidVar {
    std::string name;
    std::optional<double> number;
    std::string text;
};

constexpr int kMaxBidVars = 21;  // 0..7 predefined, 8..20 from "Set"

struct Context {
    TextInput in;
    std::array<BidVar, kMaxBidVars> vars;
    int varCount = -1;  // highest entry in use
    std::array<float, 10> regs{};
    std::string currentRuleName;
};

void reportOnce(const std::string& message) {
    if (!BidRulesReported.insert(message).second) return;
    ShowEngineMessage(message);
}

// True when text is the upper-case word in any letter case.
bool isWordInAnyCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != word[i]) return false;
    }
    return true;
}

bool startsWith(const std::string& s, char c) { return !s.empty() && s[0] == c; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A "Set" value is a number when it begins with one, else a text.
bool beginsWithNumber(const std::string& text) {
    const std::string t = Trim(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    if (i < t.size() && t[i] == '.') ++i;
    return i < t.size() && isDigit(t[i]);
}

// The register a field names: its last character as a digit, else d0.
int registerOf(const std::string& field) {
    if (field.empty()) return 0;
    const char c = field.back();
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

short bidOf(int seat) {
    const short b = SeatBid(seat);
    return b < 0 ? 0 : b;
}

void addVar(Context& ctx, const std::string& name, std::optional<double> number, const std::string& text = "") {
    ++ctx.varCount;
    ctx.vars[static_cast<std::size_t>(ctx.varCount)] = BidVar{name, number, text};
}

void initBidContext(Context& ctx) {
    ctx.vars = {};
    ctx.varCount = -1;
    const int seat = BiddingSeat();
    const double vi = GameScoreVi(), de = GameScoreDe();
    const bool viSide = seat == 0 || seat == 2;
    const short highest = HighestBid();
    addVar(ctx, "VI", viSide ? vi : de);
    addVar(ctx, "DE", viSide ? de : vi);
    addVar(ctx, "Ledning", viSide ? vi - de : de - vi);
    addVar(ctx, "RoleInRound", std::nullopt, GetRoleInRound());
    addVar(ctx, "BidHighestRound", highest);
    addVar(ctx, "BidNext", std::clamp(highest + 1, 6, 14));
    addVar(ctx, "BidPartner", bidOf((seat + 2) & 3));
    addVar(ctx, "BidRight", bidOf((seat + 3) & 3));
}

// Last entry of that name, as a 16-bit integer; 0 when none or a text.
short getVarInt(const Context& ctx, const std::string& name) {
    for (int i = ctx.varCount; i >= 0; --i) {
        const BidVar& v = ctx.vars[static_cast<std::size_t>(i)];
        if (v.name == name) return v.number ? ClampToInt16(RoundHalfEven(*v.number)) : 0;
    }
    return 0;
}

const BidVar* firstVar(const Context& ctx, const std::string& name) {
    for (int i = 0; i <= ctx.varCount; ++i)
        if (ctx.vars[static_cast<std::size_t>(i)].name == name) return &ctx.vars[static_cast<std::size_t>(i)];
    return nullptr;
}

bool loadRegister(Context& ctx, int reg, const std::string& text) {
    const double v = Val(text);
    if (v != 0.0) {
        ctx.regs[static_cast<std::size_t>(reg)] = static_cast<float>(v);
        return true;
    }
    const BidVar* var = firstVar(ctx, text);
    // A text variable (the role) holds no number to load.
    if (!var || !var->number) return false;
    ctx.regs[static_cast<std::size_t>(reg)] = static_cast<float>(*var->number);
    return true;
}

bool compareVar(const Context& ctx, const std::string& name, const std::string& op, const std::string& value) {
    const BidVar* var = firstVar(ctx, name);
    const std::string text = !var ? "" : var->number ? CStrDouble(*var->number) : var->text;
    if (op == "=") return text == value;
    if (op == "not") return text != value;
    const double n = var && var->number ? *var->number : Val(text);
    if (op == ">") return n > Val(value);
    if (op == "<") return n < Val(value);
    return false;
}

float operandValue(const Context& ctx, const std::string& x) {
    if (startsWith(x, 'd')) return ctx.regs[static_cast<std::size_t>(registerOf(x))];
    return static_cast<float>(Val(x));
}

int levelOperand(const Context& ctx, const std::string& x) {
    if (startsWith(x, 'd')) {
        const float r = ctx.regs[static_cast<std::size_t>(registerOf(x))];
        return static_cast<int>(std::clamp(std::floor(static_cast<double>(r)), -1000.0, 1000.0));
    }
    return static_cast<int>(std::clamp<long long>(RoundHalfEven(Val(x)), -1000, 1000));
}

// A register statement "dN op ..."; false when it does not hold.
bool registerStatement(Context& ctx, const std::string& regField) {
    float& reg = ctx.regs[static_cast<std::size_t>(registerOf(regField))];
    const std::string op = ctx.in.ListInput();
    if (op == "=" || op == "not" || op == "NOT" || op == ">" || op == "<") {
        const float x = operandValue(ctx, ctx.in.ListInput());
        if (op == "=") return reg == x;
        if (op == ">") return reg > x;
        if (op == "<") return reg < x;
        return reg != x;
    }
    if (op == ":=") {
        const std::string x = ctx.in.ListInput();
        if (startsWith(x, 'd')) {
            reg = ctx.regs[static_cast<std::size_t>(registerOf(x))];
            return true;
        }
        if (startsWith(x, '-')) {
            reg = -ctx.regs[static_cast<std::size_t>(registerOf(x))];
            return true;
        }
        return loadRegister(ctx, registerOf(regField), x);
    }
    if (op == ":-") {
        const std::string src = ctx.in.ListInput();
        const std::string sign = ctx.in.ListInput();
        const float y = static_cast<float>(Val(ctx.in.ListInput()));
        const float s = ctx.regs[static_cast<std::size_t>(registerOf(src))];
        if (sign == "+") {
            reg = s + y;
        } else if (sign == "-") {
            reg = s - y;
        } else {
            ShowEngineMessage("This operator: " + sign + " is not supported by :-");
            reg = s;
        }
        return true;
    }
    if (op == "Random") {
        const float lo = static_cast<float>(Val(ctx.in.ListInput()));
        const float hi = static_cast<float>(Val(ctx.in.ListInput()));
        reg = lo + Rnd() * (hi - lo);
        return true;
    }
    if (op == "EABestColor") {
        reg = BestColorEA(levelOperand(ctx, ctx.in.ListInput()));
        return true;
    }
    if (op == "EAuHWorstColor") {
        reg = WorstColorEAuH();
        return true;
    }
    if (op == "PLevel") {
        reg = BestColorP(levelOperand(ctx, ctx.in.ListInput()));
        return true;
    }
    return true;
}

bool probabilityHolds(Context& ctx, const std::string& p) {
    const double v = Val(p);
    const double chance = v > 0 ? v : getVarInt(ctx, p);
    if (chance >= 100) return true;
    return !(chance < RndPercent());
}

bool roleInRoundHolds(Context& ctx) {
    bool holds = false;
    for (;;) {
        const std::string v = ctx.in.ListInput();
        if (v == "!" || (v.empty() && ctx.in.Eof())) break;
        if (compareVar(ctx, "RoleInRound", "=", v)) holds = true;
    }
    return holds;
}

bool conditionStatement(Context& ctx, const std::string& item) {
    if (startsWith(item, 'd')) return registerStatement(ctx, item);
    if (item == "Name") {
        ctx.currentRuleName = "[" + ctx.in.ListInput() + "]";
    } else if (item == "Suggest" || item == "DebugColor") {
        ctx.in.ListInput();
    } else if (item == "Probability") {
        return probabilityHolds(ctx, ctx.in.ListInput());
    } else if (item == "RoleInRound") {
        return roleInRoundHolds(ctx);
    }
    return true;
}

bool evalRuleConditions(Context& ctx, const std::string& terminator) {
    bool ok = true;
    std::string item = ctx.in.ListInput();
    while (!ctx.in.Eof() && ok && item != terminator) {
        ok = conditionStatement(ctx, item);
        if (ok) item = ctx.in.ListInput();
    }
    return ok;
}

short weightOf(const Context& ctx, const std::string& item) {
    const double v = Val(item);
    if (v > 0) return ClampToInt16(RoundHalfEven(v));
    return getVarInt(ctx, item);
}

std::string runRuleActions(Context& ctx) {
    std::string result = "PASS";
    bool more = true;
    std::string item = ctx.in.ListInput();
    while (!ctx.in.Eof() && more && item != "END" && item != "IF") {
        const short weight = weightOf(ctx, item);
        const bool taken = weight >= 100 || !(weight < RndPercent());
        if (taken) FiredRuleName = ctx.currentRuleName;
        const std::string word = ctx.in.ListInput();
        if (isWordInAnyCase(word, "EA")) {
            const std::string x = ctx.in.ListInput();
            if (taken) {
                result = "EA";
                BidEAPLevel = operandValue(ctx, x);
                more = false;
            }
        } else if (isWordInAnyCase(word, "RANDOM")) {
            const float a = static_cast<float>(Val(ctx.in.ListInput()));
            const float b = static_cast<float>(Val(ctx.in.ListInput()));
            if (taken) {
                result = "EA";
                BidEAPLevel = a + Rnd() * (b - a);
                more = false;
            }
        } else if (isWordInAnyCase(word, "BID")) {
            const std::string x = ctx.in.ListInput();
            if (taken) {
                if (isWordInAnyCase(x, "PASS")) {
                    result = "PASS";
                    BidRuleValue = 0;
                } else {
                    result = "BID";
                    BidRuleValue = ClampToInt16(RoundHalfEven(operandValue(ctx, x)));
                }
                more = false;
            }
        }
        if (more) item = ctx.in.ListInput();
    }
    return result;
}

bool bidAcceptable() {
    const short highest = HighestBid();
    return (BidRuleValue > highest || BidRuleValue == 14) && BidRuleValue <= 14;
}

void readSet(Context& ctx) {
    const std::string name = ctx.in.ListInput();
    const std::string value = ctx.in.ListInput();
    if (ctx.varCount + 1 >= kMaxBidVars) {
        reportOnce("Too many Set variables (at most 13), ignored: " + name);
        return;
    }
    if (beginsWithNumber(value))
        addVar(ctx, name, Val(value));
    else
        addVar(ctx, name, std::nullopt, value);
}
}  // namespace

std::string GetRoleInRound() {
    if (!HasTable()) return "";
    const int seat = BiddingSeat();
    const int dealer = DealerSeat();
    if (dealer == seat) return "B_BLOCK";
    if (dealer == ((seat + 1) & 3)) return "RESPONSE";
    if (dealer == ((seat + 2) & 3)) return "A_BLOCK";
    return "LEAD";
}

float BestColorEA(int level) {
    if (level < 6) level = 6;
    if (level > 15) return kNoEA;
    float result = kNoEA, best = -200.0f;
    for (int c = 0; c < 4; ++c)
        if (EATable[c][level - 5] > best) best = result = EATable[c][level - 5];
    return result;
}

float WorstColorEAuH() {
    int rel = 2;
    const short highest = HighestBid();
    if (highest >= 6) {
        // In bidding order, so that of two equal bids the later bidder,
        // who holds the highest bid, is the one taken.
        const int dealer = DealerSeat();
        for (int i = 1; i <= 4; ++i) {
            const int s = (dealer + i) & 3;
            if (SeatBid(s) == highest) rel = (s - BiddingSeat()) & 3;
        }
    }
    float result = kNoEA, worst = 200.0f;
    for (int c = 0; c < 4; ++c)
        if (EaUHTable[c][rel] < worst) worst = result = EaUHTable[c][rel];
    return result;
}

float BestColorP(int level) {
    if (level < 5 || level > 15) return 0.0f;
    float best = 0.0f;
    for (int c = 0; c < 4; ++c)
        if (PxTable[c][level - 5] > best) best = PxTable[c][level - 5];
    return best;
}

std::string EvaluateBidRules(const std::string& path) {
    Context ctx;
    initBidContext(ctx);
    std::string result = "PASS";
    FiredRuleName.clear();
    BidEAPLevel = 1.0f;
    BidRuleValue = 0;
    if (!ctx.in.Open(path)) {
        reportOnce("Can't open the bid rule file: " + path);
        return result;
    }
    bool done = false;
    std::string item;
    while (!ctx.in.Eof() && !done && item != "STOP") {
        item = ctx.in.ListInput();
        if (item == "Version") ctx.in.ListInput();
        if (item == "Set") readSet(ctx);
        if (isWordInAnyCase(item, "RULE")) {
            ctx.regs = {};
            if (!evalRuleConditions(ctx, "EXECUTES")) {
                ctx.in.SkipPastField("END");
                continue;
            }
            result = runRuleActions(ctx);
            if (result == "BID" && !bidAcceptable()) {
                ctx.currentRuleName.clear();
                ctx.in.SkipPastField("END");
                continue;
            }
            done = true;
        }
    }
    ctx.in.Close();
    return result;
}
