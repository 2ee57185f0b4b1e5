#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "LogFileReader.h"
#include "LogFixtureFiles.h"
#include "Packe.h"
#include "VbText.h"

namespace {

// A deck section in card-number order, first..first+51 wrapped at 52.
std::string deckSection(int first) {
    std::string s = "<PACKE_KOMPLETT>\n";
    for (int i = 0; i < 52; ++i) s += PlainNum((first + i) % 52) + " , X , 1\n";
    return s + "<END>\n\n";
}

// Two deals: the first with clubs, the second with hearts, each written
// the way the game writes them.
std::string twoDeals() {
    return "<VI>\n3\n<DE>\n4\n1-klover,2-ruter,4-hjarter,8-spader\n" + deckSection(0) +
           "************\n<BJUDIT_HOGST>\nOST\n<BUD>\n8\n<PACKE>\nVAST\n<FARG>\nKLOVER\n"
           "<SYD_FORE_KOP>\nA\nK\nQ\nJ\n<END>\n\n<NORD_FORE_KOP>\n2\n<END>\n\n"
           "<SYD_KOPER>\n10\n<END>\n\n"
           "<VI>\n-9\n<DE>\n12\n" +
           deckSection(7) +
           "<BJUDIT_HOGST>\nNORD\n<BUD>\n10\n<PACKE>\nOST\n<FARG>\nHJARTER\n"
           "<SYD_FORE_KOP>\nv\n3\n<END>\n\n<VAST_FORE_KOP>\n<END>\n\n<NORD_FORE_KOP>\nV\n<END>\n\n"
           "<OST_FORE_KOP>\nA\n<END>\n\n<NORD_KOPER>\n9\n<END>\n\n";
}

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

template <typename T>
const T& ok(const std::variant<T, LogReadError>& r) {
    if (const auto* e = std::get_if<LogReadError>(&r)) ADD_FAILURE() << e->message;
    return std::get<T>(r);
}

template <typename T>
std::string errorOf(const std::variant<T, LogReadError>& r) {
    const auto* e = std::get_if<LogReadError>(&r);
    return e ? e->message : "";
}

}  // namespace

TEST(LogFileReader, ReplayTakesTheLastDealOfTheFile) {
    for (const std::string& text : {twoDeals(), withCrLf(twoDeals())}) {
        const auto parsed = ParseReplayLog(SplitLogText(text), 0);
        ASSERT_TRUE(std::holds_alternative<ReplayData>(parsed)) << errorOf(parsed);
        const ReplayData& d = ok(parsed);
        EXPECT_EQ(d.vi, -9);
        EXPECT_EQ(d.de, 12);
        EXPECT_EQ(d.bidderWord, "NORD");
        EXPECT_EQ(d.bid, 10);
        EXPECT_EQ(d.dealerWord, "OST");
        EXPECT_EQ(d.colour, farg::Hjarter);
        // Nothing of the first deal's longer hand survives in the second.
        EXPECT_EQ(d.cards[0], (std::vector<int>{17, 2 * 4 + 2}));  // the other five (diamonds), the 3
        EXPECT_TRUE(d.cards[1].empty());
        EXPECT_EQ(d.cards[2], (std::vector<int>{18, 8 * 4 + 2}));  // five of hearts, then the bought 9
        EXPECT_EQ(d.cards[3], (std::vector<int>{2}));
    }
}

TEST(LogFileReader, ReloadTakesTheFirstPackAndTheDealerAfterIt) {
    for (const std::string& text : {twoDeals(), withCrLf(twoDeals())}) {
        const auto parsed = ParseReloadLog(SplitLogText(text));
        ASSERT_TRUE(std::holds_alternative<ReloadData>(parsed)) << errorOf(parsed);
        const ReloadData& d = ok(parsed);
        EXPECT_EQ(d.vi, 3);
        EXPECT_EQ(d.de, 4);
        for (int i = 0; i < 52; ++i) EXPECT_EQ(d.order[static_cast<std::size_t>(i)], i);
        EXPECT_EQ(d.dealerWord, "VAST");
    }
}

TEST(LogFileReader, AByteOrderMarkDoesNotHideTheFirstTag) {
    const std::string bom = "\xEF\xBB\xBF";
    LogFixtureFiles files;
    const auto fromFile = ReadLogLines(files.write("bom.txt", bom + withCrLf(twoDeals())));
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(fromFile));
    for (const auto& lines : {SplitLogText(bom + twoDeals()), std::get<std::vector<std::string>>(fromFile)}) {
        EXPECT_EQ(lines.front(), "<VI>");
        EXPECT_EQ(ok(ParseReloadLog(lines)).vi, 3);
    }
}

TEST(LogFileReader, ReloadReadsQuotedAndBlankPaddedNumbers) {
    std::string text = "<PACKE_KOMPLETT>\n";
    for (int i = 51; i >= 0; --i) text += (i % 2 ? "  \"" + PlainNum(i) + "\" , A , 1\n" : PlainNum(i) + "\n\n");
    text += "<END>\n<PACKE>\nNORD , extra\n";
    const auto parsed = ParseReloadLog(SplitLogText(text));
    const ReloadData& d = ok(parsed);
    EXPECT_EQ(d.order[0], 51);
    EXPECT_EQ(d.order[51], 0);
    EXPECT_EQ(d.dealerWord, "NORD");
}

TEST(LogFileReader, NumbersAreReadByTheirLeadingDigitsRoundedHalfEven) {
    struct Case {
        const char* text;
        short value;
    } const cases[] = {{"8.5", 8}, {"9.5", 10}, {"-9", -9}, {" 7", 7}, {"12abc", 12}, {"abc", 0},
                       {"", 0},    {"99999999", 32767}, {"-99999999", -32768}};
    for (const Case& c : cases) EXPECT_EQ(LogNumber(c.text), c.value) << c.text;
}

TEST(LogFileReader, TrumpLinesNameTheCardsTheDeckFinds) {
    // The reader checks card texts before the deck is touched; it must come
    // to the same card the deck hands out for the text afterwards.
    Packe deck;
    const std::vector<std::string> texts = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K",
                                            "V", "v", "a", "", " A", "A ", "11", "<END>"};
    for (std::int32_t colour : {farg::Klover, farg::Ruter, farg::Hjarter, farg::Spader}) {
        deck.ValjFarg(colour);
        for (const std::string& text : texts) {
            std::string face = text;
            const Kort* k = deck.GeSpeciellKort(face, colour);
            const auto nr = CardNumberOfTrumpLine(text, colour);
            ASSERT_EQ(nr.has_value(), k != nullptr) << text << " " << colour;
            if (k) {
                EXPECT_EQ(*nr, k->Nr) << text << " " << colour;
            }
        }
    }
    EXPECT_FALSE(CardNumberOfTrumpLine("A", 0));
    EXPECT_FALSE(CardNumberOfTrumpLine("A", 6));
}

TEST(LogFileReader, ReplayRejectsFilesThatHoldNoPlayableDeal) {
    const std::string head = "<BJUDIT_HOGST>\nSYD\n<BUD>\n9\n<PACKE>\nVAST\n<FARG>\nSPADER\n";
    struct Case {
        const char* what;
        std::string text;
        std::int32_t colourInPlay;
        const char* messagePart;
    };
    std::string elevenCards = head + "<SYD_FORE_KOP>\n";
    for (const char* c : {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "4", "3"}) elevenCards += std::string(c) + "\n";
    const Case cases[] = {
        {"eleven cards in one section", elevenCards + "<END>\n", 0, "more than 10"},
        {"a plain 5 names no card", head + "<SYD_FORE_KOP>\n5\n<END>\n", 0, "not a trump"},
        {"a misspelt card", head + "<SYD_FORE_KOP>\nKn\n<END>\n", 0, "not a trump"},
        {"the same card twice in one hand", head + "<SYD_FORE_KOP>\nA\nA\n<END>\n", 0, "more than one"},
        {"one card in two hands", head + "<SYD_FORE_KOP>\nV\n<END>\n<OST_KOPER>\nV\n<END>\n", 0, "more than one"},
        {"bought and held at once", head + "<SYD_FORE_KOP>\nJ\n<END>\n<SYD_KOPER>\nJ\n<END>\n", 0,
         "more than one"},
        {"a tag at the very end", head + "<SYD_FORE_KOP>\nA\n<END>\n<FARG>", 0, "ends right after"},
        {"no trump section", head, 0, "no trumps"},
        {"a deal cut off after its pack", head + "<SYD_FORE_KOP>\nA\n<END>\n" + deckSection(0), 0, "no trumps"},
        {"a bid that cannot be played",
         "<BUD>\n15\n<FARG>\nSPADER\n<SYD_FORE_KOP>\nA\n<END>\n", 0, "bid"},
        {"no colour in the file or in play", "<SYD_FORE_KOP>\nA\n<END>\n", 0, "colour"},
        {"binary garbage", std::string("\x01\xff\x00<END\x7f\n\xfe\xfe", 12), farg::Klover, "no trumps"},
        {"empty", "", farg::Klover, "no trumps"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseReplayLog(SplitLogText(c.text), c.colourInPlay);
        const std::string message = errorOf(parsed);
        EXPECT_NE(message.find(c.messagePart), std::string::npos) << c.what << ": " << message;
    }
}

TEST(LogFileReader, ReplayTakesTheColourInPlayWhenTheFileNamesNone) {
    const auto parsed = ParseReplayLog(SplitLogText("<FARG>\nLILA\n<OST_FORE_KOP>\nV\n<END>\n"), farg::Ruter);
    const ReplayData& d = ok(parsed);
    EXPECT_EQ(d.colour, farg::Ruter);
    EXPECT_EQ(d.cards[3], (std::vector<int>{17}));
}

TEST(LogFileReader, ASectionWithoutEndRunsToTheEndOfTheFile) {
    const auto parsed = ParseReplayLog(SplitLogText("<FARG>\nKLOVER\n<VAST_KOPER>\nA\n2"), 0);
    const ReplayData& d = ok(parsed);
    EXPECT_EQ(d.cards[1], (std::vector<int>{0, 4}));
    EXPECT_EQ(d.bought[1].size(), 2u);
}

TEST(LogFileReader, ReloadRejectsABadPackOrder) {
    auto deckWith = [](const std::vector<std::string>& lines) {
        std::string s = "<VI>\n1\n<PACKE_KOMPLETT>\n";
        for (const std::string& l : lines) s += l + "\n";
        return s;
    };
    std::vector<std::string> all;
    for (int i = 0; i < 52; ++i) all.push_back(PlainNum(i) + " , A , 1");
    auto replaced = [&](std::size_t at, const std::string& line) {
        auto v = all;
        v[at] = line;
        return v;
    };
    auto first51 = std::vector<std::string>(all.begin(), all.begin() + 51);
    auto plus53 = all;
    plus53.push_back("0 , A , 1");
    struct Case {
        const char* what;
        std::string text;
        const char* messagePart;
    };
    const Case cases[] = {
        {"no pack section", "<VI>\n1\n<DE>\n2\n", "no pack"},
        {"51 cards", deckWith(first51), "incomplete"},
        {"53 cards", deckWith(plus53), "exactly 52"},
        {"a word for a number", deckWith(replaced(10, "ten , A , 1")), "bad card number"},
        {"an empty field", deckWith(replaced(10, " , A , 1")), "bad card number"},
        {"a number past the pack", deckWith(replaced(10, "52 , A , 1")), "bad card number"},
        {"a negative number", deckWith(replaced(10, "-1 , A , 1")), "bad card number"},
        {"a huge number", deckWith(replaced(10, "123456789012345678901234567890")), "bad card number"},
        {"a card twice", deckWith(replaced(10, "11 , A , 1")), "twice"},
        {"binary garbage", std::string("<PACKE_KOMPLETT>\n\x01\xff\x00\n", 22), "bad card number"},
    };
    for (const Case& c : cases) {
        const std::string message = errorOf(ParseReloadLog(SplitLogText(c.text)));
        EXPECT_NE(message.find(c.messagePart), std::string::npos) << c.what << ": " << message;
    }
}

TEST(LogFileReader, AMissingFileGivesAMessage) {
    const auto r = ReadLogLines("/nonexistent/folder/Lumralog.txt");
    ASSERT_TRUE(std::holds_alternative<LogReadError>(r));
    EXPECT_NE(std::get<LogReadError>(r).message.find("/nonexistent/folder/Lumralog.txt"), std::string::npos);
    EXPECT_TRUE(std::holds_alternative<LogReadError>(ReadLogLines("")));
}
