// The play-rule file read as list fields with their lines.
#include <gtest/gtest.h>

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

}  // namespace
