// The shipped play-rule file, field by field. The engine passes over a word it
// does not know without a message, so a misspelt keyword or list name silently
// weakens the play: here every field outside a comment must be a word of the
// rule language. The legal words come from the engine itself: its keyword set,
// the names of its value table, the answers of its facts, the rank names, and
// the lists and values the file defines before it uses them. And every
// explanation code the rules name has its own sentence in both languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "BuiltinFacts.h"
#include "EngineBridge.h"
#include "InstallFolder.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleFieldReader.h"
#include "RuleKeywords.h"
#include "RuleValueTable.h"
#include "SuggestionTexts.h"
#include "TestTable.h"
#include "TextInput.h"

namespace {

// The words that the statements, actions and the driver spell out in place
// rather than through the keyword set, and the operators.
const std::set<std::string> kFixedWords = {
    "STOP", "RULE_CONDITIONAL", "IF", "THEN", "!", "in", "inunplayed", "OF", "or", "OR", "Nothing",
    "EvenDistribution", "NotSafeFifthTurn", "SafeFifthTurn", "NotSafeSixthTurn", "SafeSixthTurn",
    "LEFT", "RIGHT", "PARTNER",
    "=", "not", ">", "<", ":>>", ":<<", ":=", "<-", ":-", "+", "-", "<..>"};

// Statements whose next field is free text: a rule's name, its explanation
// code, a tracking number, a colour.
const std::set<std::string> kFreeTextBefore = {"Name", "Suggest", "Track", "TRACK", "DebugColor"};

// The words the engine knows, taken from the engine: the keyword set, the
// names of the built-in rows of the value table and what the position, role
// and bid-role facts answer at every seat.
std::set<std::string> engineWords() {
    TestTable t;
    std::set<std::string> words;
    for (std::size_t k = 0; k < RuleKeywordCount; ++k) words.insert(PlainKeyword(static_cast<Kw>(k)));
    FillBuiltinVariables();
    for (int row = 0; row <= BuiltinVariableLastRow; ++row) words.insert(RuleVariableTable[row].name);
    for (int leader = 0; leader < 4; ++leader)
        for (int seat = 0; seat < 4; ++seat) {
            TrickLeader = leader;
            CurrentSeat = seat;
            t.m().gbBjuditHogst = leader;
            words.insert(PositionInRound());
            words.insert(RoleInRound());
            words.insert(BidRole());
        }
    words.insert(kFixedWords.begin(), kFixedWords.end());
    return words;
}

const std::set<std::string>& knownWords() {
    static const std::set<std::string> words = engineWords();
    return words;
}

bool isNumber(const std::string& s) {
    std::size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) digits = true;
        else if (s[i] == '.' && !point) point = true;
        else return false;
    }
    return digits;
}

bool isVariable(const std::string& s) {
    return s.size() == 2 && (s[0] == 'x' || s[0] == 'd' || s[0] == 'X') && std::isdigit(static_cast<unsigned char>(s[1]));
}

bool isComment(const std::string& field) { return !field.empty() && field[0] == '\''; }

// What the check found in a rule file: the fields that are no word of the
// language, and the explanation codes its rules name.
struct FileCheck {
    std::vector<std::string> problems;
    std::set<std::string> suggestCodes;
};

class FieldChecker {
public:
    explicit FieldChecker(RuleFieldReader& in) : in_(in) {}

    FileCheck run() {
        while (!in_.Eof()) {
            const std::string f = in_.Next();
            if (isComment(f)) continue;
            if (f == "Version") in_.Next();
            else if (f == "Set") readSet();
            else if (f == "Interpretation") readList();
            else if (f == "RULE" || f == "RULE_CONDITIONAL") readRule();
            else if (f == "STOP") break;
            else problem("outside a record", f);
        }
        return out_;
    }

private:
    void problem(const std::string& where, const std::string& field) {
        out_.problems.push_back(where + ": '" + field + "'");
    }

    void readSet() {
        values_.insert(in_.Next());
        in_.Next();
    }

    void readList() {
        const std::string name = in_.Next();
        lists_.insert(name);
        for (std::string w = in_.Next(); w != "!"; w = in_.Next()) {
            if (in_.Eof() && w.empty()) return problem("list without its closing !", name);
            if (!IsRankName(w)) problem("list " + name, w);
        }
    }

    bool legal(const std::string& f) const {
        return knownWords().count(f) || IsRankName(f) || isNumber(f) || isVariable(f) || lists_.count(f) ||
               values_.count(f);
    }

    void readRule() {
        for (;;) {
            if (in_.Eof()) return problem("rule without END", "");
            const std::string f = in_.Next();
            if (f == "END") return;
            if (kFreeTextBefore.count(f)) {
                const std::string text = in_.Next();
                if (f == "Suggest") out_.suggestCodes.insert(text);
                continue;
            }
            if (isComment(f)) problem("comment inside a rule", f);
            else if (!legal(f)) problem("rule", f);
        }
    }

    RuleFieldReader& in_;
    FileCheck out_;
    std::set<std::string> lists_;
    std::set<std::string> values_;
};

FileCheck checkText(const std::string& text) {
    RuleFieldReader in;
    in.OpenText(text);
    return FieldChecker(in).run();
}

FileCheck checkShippedFile() {
    RuleFieldReader in;
    EXPECT_TRUE(in.Open(DefaultInstallFolder() + "LumraPlayRulesAI.TXT"));
    return FieldChecker(in).run();
}

TEST(ShippedPlayRulesFile, EveryFieldOutsideACommentIsAWordOfTheLanguage) {
    const FileCheck c = checkShippedFile();
    EXPECT_TRUE(c.problems.empty()) << ::testing::PrintToString(c.problems);
    EXPECT_FALSE(c.suggestCodes.empty());
}

// The check itself: a sound rule passes, and each kind of slip is caught.
TEST(ShippedPlayRulesFile, TheCheckCatchesMisspeltAndMisplacedWords) {
    const std::string list = "Interpretation,Low,2,3,4,!\n";
    const std::string sound = list +
                              "' a comment\n"
                              "RULE,Name,Any text at all,Suggest,12\n"
                              "TakeablePointsInRound,>,0\nPointsToKill,>,-1\nRoleInRound,LEAD,A_BLOCK,!\n"
                              "x1,:=,CardHighestMy\nx1,>,Q\nCold,LEFT,!\nUnplayedLumra,YES\n"
                              "EXECUTES\n100,Play,Low\nEND\nSTOP\n";
    EXPECT_TRUE(checkText(sound).problems.empty()) << ::testing::PrintToString(checkText(sound).problems);
    EXPECT_EQ(checkText(sound).suggestCodes, std::set<std::string>{"12"});

    const std::vector<std::pair<const char*, std::string>> slips = {
        {"misspelt keyword", list + "RULE\nTakeablePointsInRond,>,0\nEXECUTES\n100,Play,Low\nEND\n"},
        {"misspelt list", list + "RULE\nEXECUTES\n100,Play,Lwo\nEND\n"},
        {"list used before it is defined", "RULE\nEXECUTES\n100,Play,Low\nEND\n" + list},
        {"no rank name in a list", "Interpretation,Low,2,5,!\n"},
        {"misspelt role", list + "RULE\nRoleInRound,LAED,!\nEXECUTES\n100,Play,Low\nEND\n"},
        {"comment with a comma", "' one comment, cut in two\n"},
        {"comment inside a rule", list + "RULE\n' a note\nEXECUTES\n100,Play,Low\nEND\n"},
        {"rule without END", list + "RULE\nEXECUTES\n100,Play,Low\n"},
    };
    for (const auto& [what, text] : slips) EXPECT_FALSE(checkText(text).problems.empty()) << what;
}

// One entry of the suggestion texts: its text per language tag.
using SuggestionEntries = std::map<std::string, std::map<std::string, std::string>>;

// Reads the entries of the play section; a code seen twice is reported.
SuggestionEntries readSuggestionEntries(const std::string& path, std::vector<std::string>& problems) {
    SuggestionEntries entries;
    TextInput in;
    EXPECT_TRUE(in.Open(path));
    bool inSection = false;
    std::string code, tag;
    while (!in.Eof()) {
        const std::string line = in.LineInput();
        if (line == "<INPLAY>") {
            inSection = true;
        } else if (!inSection) {
            continue;
        } else if (line.rfind("CODE,", 0) == 0) {
            code = line.substr(5);
            if (entries.count(code)) problems.push_back("code twice: " + code);
            entries[code];
            tag.clear();
        } else if (line == "<SVENSKA>" || line == "<ENGLISH>") {
            tag = line;
        } else if (!tag.empty() && !code.empty()) {
            entries[code][tag] = line;
            tag.clear();
        }
    }
    return entries;
}

TEST(ShippedPlayRulesFile, EveryCodeOfTheRulesHasItsOwnTextInBothLanguagesAndNoTextIsUnused) {
    const FileCheck rules = checkShippedFile();
    const std::string path = DefaultInstallFolder() + "Suggestion.txt";
    std::vector<std::string> problems;
    const SuggestionEntries entries = readSuggestionEntries(path, problems);
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
    for (const std::string& code : rules.suggestCodes) {
        ASSERT_TRUE(entries.count(code)) << "no entry for code " << code;
        for (const char* tag : {"<SVENSKA>", "<ENGLISH>"}) {
            ASSERT_TRUE(entries.at(code).count(tag)) << code << " " << tag;
            const std::string& text = entries.at(code).at(tag);
            EXPECT_FALSE(text.empty()) << code << " " << tag;
            // The lookup the game uses finds this entry's own sentence.
            EXPECT_EQ(LookupSuggestionText(path, "<INPLAY>", code, tag), text) << code << " " << tag;
        }
    }
    for (const auto& [code, texts] : entries) EXPECT_TRUE(rules.suggestCodes.count(code)) << "unused code " << code;
}

}  // namespace
