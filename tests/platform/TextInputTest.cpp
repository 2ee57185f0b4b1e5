#include <gtest/gtest.h>

#include <vector>

#include "TextInput.h"

namespace {
std::vector<std::string> fields(const std::string& text) {
    TextInput in;
    in.OpenText(text);
    std::vector<std::string> out;
    for (int guard = 0; !in.Eof() && guard < 1000; ++guard) out.push_back(in.ListInput());
    return out;
}
using V = std::vector<std::string>;
}  // namespace

TEST(TextInput, ListFields) {
    const struct {
        const char* text;
        V expected;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"  a , b  \r\nc\n", {"a", "b", "c"}},
        {"\"x, y\" ,z", {"x, y", "z"}},
        {"\"q\"junk,next", {"q", "next"}},
        {"one\r\rtwo", {"one", "two"}},
        {"\xEF\xBB\xBF" "Bugala,1", {"Bugala", "1"}},
        {"a,\"unterminated", {"a", "unterminated"}},
        {"inner blank kept", {"inner blank kept"}},
        {"", {}},
        {"\r\n\r\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(fields(c.text), c.expected) << c.text;
}

TEST(TextInput, EmptyFieldsBetweenCommas) {
    EXPECT_EQ(fields("a,,b"), (V{"a", "", "b"}));
}

TEST(TextInput, LinesLoseEveryKindOfEnding) {
    TextInput in;
    in.OpenText("one\r\ntwo\rthree\nfour");
    EXPECT_EQ(in.LineInput(), "one");
    EXPECT_EQ(in.LineInput(), "two");
    EXPECT_EQ(in.LineInput(), "three");
    EXPECT_FALSE(in.Eof());
    EXPECT_EQ(in.LineInput(), "four");
    EXPECT_TRUE(in.Eof());
}

TEST(TextInput, ReadingPastTheEndGivesEmptyText) {
    TextInput in;
    in.OpenText("x");
    EXPECT_EQ(in.ListInput(), "x");
    EXPECT_TRUE(in.Eof());
    EXPECT_EQ(in.ListInput(), "");
    EXPECT_EQ(in.LineInput(), "");
    EXPECT_TRUE(in.Eof());
}

TEST(TextInput, MissingFileIsClosedAndEnded) {
    TextInput in;
    EXPECT_FALSE(in.Open("/nonexistent/for/sure.txt"));
    EXPECT_FALSE(in.IsOpen());
    EXPECT_TRUE(in.Eof());
    EXPECT_EQ(in.ListInput(), "");
}
