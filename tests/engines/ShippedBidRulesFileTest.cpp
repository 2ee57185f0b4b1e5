// The shipped bid-rule file, field by field: every field that is not a
// comment is a keyword, operator, number, list or variable of the bid-rule
// language, so a misspelled word fails here instead of quietly changing how
// the computer seats bid. The words are the engine's: each keyword and
// operator below is first shown to change what the engine does, variable
// names are looked up by the engine itself and the role words come from
// the engine's own role function.
#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "BidFixture.h"
#include "InstallFolder.h"
#include "TextInput.h"

namespace {

enum class Kind { Register, Number, RegisterOrNumber, Load, Sign, Text, Weight, Bid, Roles };

// The fields after a word, and a probe rule that the engine decides one way
// when it reads the word and the other way when it passes over it.
struct Word {
    std::vector<Kind> operands;
    std::string probe;        // condition statements of the probe rule
    bool recognisedFails;     // the probe's conditions fail when the word is read
};

// Register operators; every probe works on d0 (0 at the start of a rule).
const std::map<std::string, Word>& registerOperators() {
    static const std::map<std::string, Word> ops = {
        {"=", {{Kind::RegisterOrNumber}, "d0, =, 1", true}},
        {"not", {{Kind::RegisterOrNumber}, "d0, not, 0", true}},
        {"NOT", {{Kind::RegisterOrNumber}, "d0, NOT, 0", true}},
        {">", {{Kind::RegisterOrNumber}, "d0, >, 1", true}},
        {"<", {{Kind::RegisterOrNumber}, "d0, <, -1", true}},
        {":=", {{Kind::Load}, "d0, :=, 7, d0, =, 0", true}},
        {":-", {{Kind::Register, Kind::Sign, Kind::Number}, "d1, :=, 3, d0, :-, d1, +, 1, d0, =, 0", true}},
        {"Random", {{Kind::Number, Kind::Number}, "d0, Random, 5, 6, d0, =, 0", true}},
        {"EABestColor", {{Kind::RegisterOrNumber}, "d0, EABestColor, 8, d0, =, 0", true}},
        {"EAuHWorstColor", {{}, "d0, EAuHWorstColor, d0, =, 0", true}},
        {"PLevel", {{Kind::RegisterOrNumber}, "d0, PLevel, 8, d0, =, 0", true}},
    };
    return ops;
}

// Condition keywords other than register statements.
const std::map<std::string, Word>& conditionKeywords() {
    static const std::map<std::string, Word> words = {
        {"Name", {{Kind::Text}, "Name, d0, =, 1", false}},
        {"Suggest", {{Kind::Text}, "Suggest, d0, =, 1", false}},
        {"DebugColor", {{Kind::Text}, "DebugColor, d0, =, 1", false}},
        {"Probability", {{Kind::Weight}, "Probability, NoSuchVariable", true}},
        {"RoleInRound", {{Kind::Roles}, "RoleInRound, NoSuchRole, !", true}},
    };
    return words;
}

// Action words (the engine reads them in any letter case).
const std::map<std::string, std::vector<Kind>>& actionWords() {
    static const std::map<std::string, std::vector<Kind>> words = {
        {"EA", {Kind::RegisterOrNumber}},
        {"RANDOM", {Kind::Number, Kind::Number}},
        {"BID", {Kind::Bid}},
    };
    return words;
}

bool isNumber(const std::string& f) {
    double v = 0.0;
    const auto res = std::from_chars(f.data(), f.data() + f.size(), v);
    return !f.empty() && res.ec == std::errc() && res.ptr == f.data() + f.size();
}

bool isRegister(const std::string& f) { return f.size() == 2 && f[0] == 'd' && f[1] >= '0' && f[1] <= '9'; }

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The engine, asked about small rule files.
struct Engine : BidFixture {
    Engine() {
        for (int c = 0; c < 4; ++c) {
            for (int l = 0; l < 11; ++l) {
                EATable[c][l] = -5.0f;
                PxTable[c][l] = 0.5f;
            }
            for (int k = 0; k < 4; ++k) EaUHTable[c][k] = -3.0f;
        }
        main->attBjuda = 1;
        main->attSaka = main->harPacko = 0;
        main->gbHogstaBudet = 0;
    }
    std::string run(const std::string& text) {
        write("Probe.txt", text);
        return EvaluateBidRules(main->gbInstallPath + "Probe.txt");
    }
    // PASS when the conditions hold, EA when they fail.
    std::string conditions(const std::string& statements, const std::string& before = "") {
        return run(before + "RULE, " + statements + ", EXECUTES, 100, BID, PASS, END\r\nRULE, EXECUTES, 100, EA, 3, END\r\n");
    }
    // A name the engine holds as a rule variable, given the file's Set records.
    bool isVariable(const std::string& name, const std::string& sets) {
        return conditions("d0, :=, " + name, sets) == "PASS";
    }
    // The role words of the engine: its answer for each dealer seat.
    std::set<std::string> roles() {
        std::set<std::string> r;
        for (int dealer = 0; dealer < 4; ++dealer) {
            main->attSaka = main->harPacko = dealer;
            r.insert(GetRoleInRound());
        }
        main->attSaka = main->harPacko = 0;
        return r;
    }
};

std::string shippedText() {
    std::ifstream in(DefaultInstallFolder() + "LumraBidRulesAI.txt", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Walks a bid-rule file by the grammar of the language; the problems found.
class FileCheck {
public:
    FileCheck(Engine& engine, const std::string& text) : engine_(engine), text_(text) {
        roles_ = engine.roles();
        checkCommentLines();
        collectSets();
        in_.OpenText(text);
        walk();
    }
    const std::vector<std::string>& problems() const { return problems_; }

private:
    Engine& engine_;
    std::string text_;
    TextInput in_;
    std::string sets_;
    std::set<std::string> roles_;
    std::map<std::string, bool> variables_;
    std::vector<std::string> problems_;
    std::string rule_ = "(top)";

    void problem(const std::string& what) { problems_.push_back(rule_ + ": " + what); }
    std::string next() { return in_.ListInput(); }

    // A comment must stay one field: a comma or a quote would cut it into
    // fields that are read as words.
    void checkCommentLines() {
        std::istringstream lines(text_);
        std::string line;
        while (std::getline(lines, line)) {
            const std::string t = Trim(line);
            if (!t.empty() && t[0] == '\'' && t.find_first_of(",\"") != std::string::npos)
                problems_.push_back("comment with a comma or quote: " + t);
        }
    }

    void collectSets() {
        TextInput in;
        in.OpenText(text_);
        while (!in.Eof()) {
            if (in.ListInput() != "Set") continue;
            const std::string name = in.ListInput();
            const std::string value = in.ListInput();
            sets_ += "Set, " + name + ", " + value + "\r\n";
        }
    }

    bool variable(const std::string& name) {
        auto it = variables_.find(name);
        if (it == variables_.end()) it = variables_.emplace(name, engine_.isVariable(name, sets_)).first;
        return it->second;
    }

    void operand(Kind kind, const std::string& f) {
        bool ok = false;
        switch (kind) {
        case Kind::Register: ok = isRegister(f); break;
        case Kind::Number: ok = isNumber(f); break;
        case Kind::RegisterOrNumber: ok = isRegister(f) || isNumber(f); break;
        case Kind::Load:
            ok = isRegister(f) || (f.size() == 3 && f[0] == '-' && isRegister(f.substr(1))) ||
                 (isNumber(f) && Val(f) != 0) || (!isNumber(f) && variable(f));
            break;
        case Kind::Sign: ok = f == "+" || f == "-"; break;
        case Kind::Text: ok = !f.empty(); break;
        case Kind::Weight: ok = (isNumber(f) && Val(f) > 0) || (!isNumber(f) && variable(f)); break;
        case Kind::Bid: ok = upper(f) == "PASS" || isRegister(f) || (isNumber(f) && Val(f) >= 6 && Val(f) <= 14); break;
        case Kind::Roles:
            for (std::string r = f; r != "!"; r = next()) {
                if (in_.Eof() && r.empty()) return problem("role list without !");
                if (!roles_.count(r)) problem("not a role: '" + r + "'");
            }
            return;
        }
        if (!ok) problem("bad operand '" + f + "'");
    }

    void operands(const std::vector<Kind>& kinds) {
        for (Kind k : kinds) operand(k, next());
    }

    void condition(const std::string& f) {
        if (isRegister(f)) {
            const std::string op = next();
            const auto it = registerOperators().find(op);
            if (it == registerOperators().end()) return problem("not an operator: '" + op + "'");
            return operands(it->second.operands);
        }
        const auto it = conditionKeywords().find(f);
        if (it == conditionKeywords().end()) return problem("not a condition: '" + f + "'");
        operands(it->second.operands);
    }

    void rule() {
        rule_ = "(rule)";
        std::string f = next();
        for (; f != "EXECUTES"; f = next()) {
            if (in_.Eof()) return problem("rule without EXECUTES");
            if (f == "Name") {
                rule_ = next();
                continue;
            }
            condition(f);
        }
        for (f = next(); f != "END"; f = next()) {
            if (in_.Eof()) return problem("rule without END");
            operand(Kind::Weight, f);
            const std::string word = next();
            const auto it = actionWords().find(upper(word));
            if (it == actionWords().end()) return problem("not an action: '" + word + "'");
            operands(it->second);
        }
        rule_ = "(top)";
    }

    void walk() {
        bool stopped = false;
        while (!in_.Eof()) {
            const std::string f = next();
            if (f.empty() && in_.Eof()) break;
            if (stopped) {
                problem("text after STOP: '" + f + "'");
                break;
            }
            if (f == "Version") next();
            else if (f == "Set") {
                const std::string name = next(), value = next();
                if (!isNumber(value)) problem("Set " + name + " without a number");
            } else if (f == "RULE") rule();
            else if (f == "STOP") stopped = true;
            else if (f.empty() || f[0] != '\'') problem("not a record: '" + f + "'");
        }
        if (!stopped) problem("no STOP at the end");
    }
};

// The words of the checker's grammar are words the engine acts on: read, it
// decides the probe rule one way, passed over, the other.
TEST(ShippedBidRulesFile, EveryWordOfTheGrammarChangesWhatTheEngineDoes) {
    Engine e;
    auto check = [&](const std::string& word, const Word& w) {
        EXPECT_EQ(e.conditions(w.probe), w.recognisedFails ? "EA" : "PASS") << word;
    };
    for (const auto& [op, w] : registerOperators()) check(op, w);
    for (const auto& [kw, w] : conditionKeywords()) check(kw, w);
    // The same probes with a misspelled word are passed over.
    EXPECT_EQ(e.conditions("d0, EABestColour, 8, d0, =, 0"), "PASS");
    EXPECT_EQ(e.conditions("Probabilty, NoSuchVariable"), "PASS");

    EXPECT_EQ(e.run("RULE, EXECUTES, 100, EA, 2.5, END"), "EA");
    EXPECT_FLOAT_EQ(BidEAPLevel, 2.5f);
    EXPECT_EQ(e.run("RULE, EXECUTES, 100, RANDOM, 4, 4, END"), "EA");
    EXPECT_FLOAT_EQ(BidEAPLevel, 4.0f);
    EXPECT_EQ(e.run("RULE, EXECUTES, 100, BID, 9, END"), "BID");
    EXPECT_EQ(BidRuleValue, 9);
    EXPECT_EQ(e.run("RULE, EXECUTES, 100, BID, 9, END, RULE, EXECUTES, 100, EA, 3, END"), "BID");
    EXPECT_EQ(e.run("RULE, EXECUTES, 100, BOD, 100, EA, 3, END"), "EA");  // an unknown action is passed over

    // Records: a Version swallows the next field, a Set makes a variable, STOP ends the file.
    EXPECT_EQ(e.run("Version, RULE, EXECUTES, 100, EA, 3, END, RULE, EXECUTES, 100, BID, PASS, END"), "PASS");
    EXPECT_TRUE(e.isVariable("Zed", "Set, Zed, 7\r\n"));
    EXPECT_FALSE(e.isVariable("Zed", ""));
    EXPECT_EQ(e.run("STOP, RULE, EXECUTES, 100, EA, 3, END"), "PASS");
    EXPECT_EQ(e.roles(), (std::set<std::string>{"LEAD", "A_BLOCK", "RESPONSE", "B_BLOCK"}));
}

TEST(ShippedBidRulesFile, EveryFieldIsAWordOfTheLanguage) {
    Engine e;
    const std::string text = shippedText();
    ASSERT_FALSE(text.empty());
    const FileCheck check(e, text);
    for (const std::string& p : check.problems()) ADD_FAILURE() << p;
    EXPECT_EQ(e.dialogs.CountOf("MsgBox"), 0);
}

// One misspelling of each sort in the shipped file is caught.
TEST(ShippedBidRulesFile, AMisspellingFails) {
    Engine e;
    const std::string text = shippedText();
    const std::vector<std::pair<std::string, std::string>> edits = {
        {"EABestColor", "EABestColour"}, {"EAuHWorstColor", "EAUHWorstColor"}, {"BidNext", "BidNxt"},
        {"EXECUTES", "EXECUTE"},         {":=", "="},                          {"Probability", "Probabilty"},
        {"BidHighestRound", "BidHighest"}, {"PASS", "PAS"},                    {"STOP", "STOPP"},
        {"100, EA", "100, EAA"},
    };
    const std::size_t firstRule = text.find("\nRULE");
    ASSERT_NE(firstRule, std::string::npos);
    for (const auto& [from, to] : edits) {
        const std::size_t at = text.find(from, firstRule);  // past the comments at the top
        ASSERT_NE(at, std::string::npos) << from;
        std::string bad = text;
        bad.replace(at, from.size(), to);
        EXPECT_FALSE(FileCheck(e, bad).problems().empty()) << from << " -> " << to;
    }
    EXPECT_FALSE(FileCheck(e, text + "' a comment, cut in two\r\n").problems().empty());
    EXPECT_FALSE(FileCheck(e, "RULE, d0, :=, BidNext, EXECUTES, 100, EA, 1, END\r\n").problems().empty()) << "no STOP";
}

}  // namespace
