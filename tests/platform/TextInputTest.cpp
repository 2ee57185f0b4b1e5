#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
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

namespace {
// What SkipPastField must do, read the slow way: field by field, at least
// one, until the token or a field beginning with the stop character.
bool skipFieldByField(TextInput& in, const std::string& token, char stop) {
    do {
        const std::string f = in.ListInput();
        if (f == token) return true;
        if (stop != '\0' && !f.empty() && f[0] == stop) return false;
    } while (!in.Eof());
    return false;
}

// The outcome of a skip and every field that follows it.
std::pair<bool, V> afterSkip(const std::string& text, const std::string& token, char stop, bool fast) {
    TextInput in;
    in.OpenText(text);
    const bool found = fast ? in.SkipPastField(token, stop) : skipFieldByField(in, token, stop);
    V rest;
    for (int guard = 0; !in.Eof() && guard < 1000; ++guard) rest.push_back(in.ListInput());
    return {found, rest};
}
}  // namespace

TEST(TextInput, SkippingToAFieldReadsAsFieldByField) {
    const struct {
        const char* text;
        const char* token;
        char stop;
    } cases[] = {
        {"a,<4>,b", "<4>", '\0'},
        {"<4>x,<4>,after", "<4>", '\0'},           // the text inside a longer field first
        {"x<4>, <4> \t,after", "<4>", '\0'},        // blanks around the field
        {"<4>\r\nk1,1\r\n<5>\r\n", "<4>", '\0'},   // at the very start, CRLF after
        {"\xEF\xBB\xBF<4>,1", "<4>", '\0'},         // after a byte-order mark
        {"a,b,c", "<4>", '\0'},                     // missing
        {"\"<4>\",x", "<4>", '\0'},                 // quoted: only field by field knows
        {"\"a,<4>\",<4>,y", "<4>", '\0'},           // inside a quoted field, then for real
        {"k,[_A_],1,2\n[_A_K_],3,4\n", "[_A_K_]", '<'},
        {"k,[_A_],1\n<5>\n[_A_K_],3\n", "[_A_K_]", '<'},  // the next marker comes first
        {"a<b,[_K_],2", "[_K_]", '<'},              // a '<' inside a field does not stop
        {"a, <b>,[_K_],2", "[_K_]", '<'},           // a blank before the marker
        {"[_K_]x,[_K_] ,z", "[_K_]", '<'},
        {"a,\n\n  \n<4>\n", "<4>", '\0'},           // blank lines before it
        {"<4", "<4>", '\0'},                        // the end cuts it short
        {"a,<4>", "<4>", '\0'},                     // nothing after it
        {"", "<4>", '\0'},
        {"\r\n", "<4>", '\0'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(afterSkip(c.text, c.token, c.stop, true), afterSkip(c.text, c.token, c.stop, false));
    }
}

TEST(TextInput, SkippingToAFieldReadsAsFieldByFieldOnRandomTexts) {
    // Short texts over the characters that matter, the token's own among them.
    const std::string alphabet = "<4>,, \t\r\n\"x";
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(next() % 16);
        for (int i = 0; i < length; ++i) text += alphabet[(next() >> 8) % alphabet.size()];
        const char stop = (next() >> 4) % 2 ? '<' : '\0';
        // The later tokens cannot be looked for as raw text: a quote in them, a blank at an end.
        for (const char* token : {"<4>", "4", "x", "\"x", "x\"", " x", "x "}) {
            SCOPED_TRACE(testing::Message() << "text \"" << text << "\" token " << token << " stop " << int(stop));
            ASSERT_EQ(afterSkip(text, token, stop, true), afterSkip(text, token, stop, false));
        }
    }
}

namespace {
// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> readWhole(const std::string& path) {
    FileBytes bytes;
    if (!bytes.Read(path)) return std::nullopt;
    return std::string(bytes.Text());
}
}  // namespace

TEST(TextInput, FilesReadWholeWhateverTheirSize) {
    // A folder of its own: test programs may run side by side.
    const QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/text_input_sizes.txt";
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{4095}, std::size_t{300000}}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + i % 23);
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_EQ(readWhole(path), bytes) << size;
    }
    // A file whose size is not known beforehand is read to its end too.
    const auto status = readWhole("/proc/self/status");
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->rfind("Name:", 0), 0u);
    EXPECT_EQ(status->back(), '\n');
}

TEST(TextInput, LineEndsAtTheEndEndTheFieldsButAreLinesToTheLineReader) {
    EXPECT_EQ(fields("a\n\n\r\n"), V{"a"});
    const struct {
        const char* text;
        V lines;
    } cases[] = {
        {"a\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\n\n\n", {"a", "", ""}},
        {"a\n\x1a", {"a"}},  // a final Ctrl-Z is the end
        {"a", {"a"}},
    };
    for (const auto& c : cases) {
        TextInput in;
        in.OpenText(c.text);
        V lines;
        lines.push_back(in.LineInput());
        for (int guard = 0; !in.Eof() && guard < 10; ++guard) lines.push_back(in.LineInput());
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(std::string(c.text));
    }
}
