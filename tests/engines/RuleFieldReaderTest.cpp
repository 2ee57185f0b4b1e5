// The play-rule file read as list fields with their lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "RuleFieldReader.h"

namespace {

std::vector<std::string> fieldsOf(const std::string& text) {
    RuleFieldReader in;
    in.OpenText(text);
    std::vector<std::string> out;
    while (!in.Eof()) out.push_back(in.Next());
    return out;
}

TEST(RuleFieldReader, SplitsFieldsAtCommasAndLineEnds) {
    struct Case {
        std::string text;
        std::vector<std::string> fields;
    };
    const std::vector<Case> cases = {
        {"RULE,Name,x\r\nEXECUTES\r\n", {"RULE", "Name", "x", "EXECUTES"}},
        {"  a ,\tb\t,c", {"a", "b", "c"}},
        {"a,\n\n   \nb\n\n", {"a", "b"}},       // blank lines give no field
        {"a,b,\nc, \n", {"a", "b", "c"}},        // nor does a comma at the end of a line
        {"a,,b", {"a", "", "b"}},                // an empty field between commas is one
        {"\"x, y\",z", {"x, y", "z"}},           // quotes keep commas
        {"\"q\" tail,z", {"q", "z"}},
        {"\"open", {"open"}},
        {"\xEF\xBB\xBFVersion,1", {"Version", "1"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(fieldsOf(c.text), c.fields) << c.text;
}

TEST(RuleFieldReader, ReadingAtTheEndGivesNothingAndTheRestOfALineCanBeDropped) {
    RuleFieldReader in;
    in.OpenText("or,x1,=,A,4\nB,C\n");
    EXPECT_EQ(in.Next(), "or");
    EXPECT_EQ(in.Next(), "x1");
    in.DiscardRestOfLine();
    EXPECT_EQ(in.Next(), "B");
    EXPECT_EQ(in.Next(), "C");
    EXPECT_TRUE(in.Eof());
    EXPECT_EQ(in.Next(), "");
    EXPECT_TRUE(in.Eof());
    in.DiscardRestOfLine();
    EXPECT_FALSE(in.Open("/no/such/file.TXT"));
    EXPECT_TRUE(in.Eof());
}

// The fields with their lines, split the plain way: the text into lines at
// CR, LF or CRLF, each line at its commas.
std::vector<std::pair<std::string, int>> splitPlainly(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::vector<std::pair<std::string, int>> out;
    std::size_t pos = 0;
    for (int lineNo = 1; pos < text.size(); ++lineNo) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
        std::size_t p = 0;
        for (;;) {
            while (p < line.size() && (line[p] == ' ' || line[p] == '\t')) ++p;
            if (p >= line.size()) break;
            std::string field;
            if (line[p] == '"') {
                std::size_t close = line.find('"', p + 1);
                if (close == std::string::npos) close = line.size();
                field = line.substr(p + 1, close - p - 1);
                p = std::min(close + 1, line.size());
                while (p < line.size() && line[p] != ',') ++p;
            } else {
                std::size_t comma = line.find(',', p);
                if (comma == std::string::npos) comma = line.size();
                field = line.substr(p, comma - p);
                while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
                p = comma;
            }
            if (field != "\x1a") out.emplace_back(field, lineNo);
            if (p >= line.size()) break;
            ++p;
        }
    }
    return out;
}

TEST(RuleFieldReader, ReadsAsTheTextSplitPlainlyOnRandomTexts) {
    const std::string alphabet = "ab,, \t\r\n\"\x1a";
    std::uint32_t seed = 99;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(next() % 20);
        for (int i = 0; i < length; ++i) text += alphabet[(next() >> 8) % alphabet.size()];
        const auto expected = splitPlainly(text);
        // Read it all, dropping the rest of a line after every field at a
        // chosen place, and compare with the plain split.
        const std::size_t dropAfter = (next() >> 5) % (expected.size() + 1);
        std::vector<std::pair<std::string, int>> wanted;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (i > dropAfter && expected[i].second == expected[dropAfter].second) continue;
            wanted.push_back(expected[i]);
        }
        RuleFieldReader in;
        in.OpenText(text);
        std::vector<std::pair<std::string, int>> got;
        for (std::size_t i = 0; !in.Eof() && i < 100; ++i) {
            got.emplace_back(in.Next(), 0);
            if (i == dropAfter) in.DiscardRestOfLine();
        }
        std::vector<std::string> wantedText, gotText;
        for (const auto& f : wanted) wantedText.push_back(f.first);
        for (const auto& f : got) gotText.push_back(f.first);
        ASSERT_EQ(gotText, wantedText) << testing::PrintToString(text);
    }
}

// After a skip, the reader stands where reading field by field leaves it:
// the same field found, the same fields after it, the same rest of a line.
TEST(RuleFieldReader, SkippingToAFieldReadsAsFieldByFieldOnRandomTexts) {
    const std::vector<std::string> pieces = {"END", "EN", "x", ",", ",", " ", "\t", "\r", "\n", "\r\n", "\"", "\x1a"};
    std::uint32_t seed = 7;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    auto outcome = [](const std::string& text, const std::string& token, bool fast, int first, bool dropAtOnce) {
        RuleFieldReader in;
        in.OpenText(text);
        std::vector<std::string> out;
        for (int i = 0; i < first && !in.Eof(); ++i) out.push_back(in.Next());
        std::string found;
        if (fast) {
            found = std::string(in.SkipPastField(token));
        } else {
            do {
                found = in.Next();
            } while (found != token && !in.Eof());
        }
        out.push_back("found:" + found);
        // The rest of the line goes at once, or after the first field that follows.
        if (!dropAtOnce && !in.Eof()) out.push_back(in.Next());
        in.DiscardRestOfLine();
        for (int guard = 0; !in.Eof() && guard < 100; ++guard) out.push_back(in.Next());
        return out;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(next() % 14);
        for (int i = 0; i < length; ++i) text += pieces[(next() >> 8) % pieces.size()];
        const int first = static_cast<int>((next() >> 4) % 3);
        const bool dropAtOnce = (next() >> 7) % 2 == 0;
        // The later tokens cannot be looked for as raw text: a quote, a blank at an end, a lone Ctrl-Z.
        for (const char* token : {"END", "x", "\"x", " x", "x ", "\x1a"}) {
            ASSERT_EQ(outcome(text, token, true, first, dropAtOnce), outcome(text, token, false, first, dropAtOnce))
                << testing::PrintToString(text) << " token " << token << " after " << first;
        }
    }
}

}  // namespace
