// Looking up the explanation of a suggested card.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

#include "SuggestionTexts.h"

namespace {

TEST(SuggestionTexts, FindsTheTextOfTheCodeInTheLanguageAndNothingElse) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/Suggestion.txt";
    std::ofstream(path, std::ios::binary) << "CODE,9\r\n<ENGLISH>\r\nBefore the section\r\n"
                                             "<INPLAY>\r\n"
                                             "CODE,10\r\n<SVENSKA>\r\nTio\r\n<ENGLISH>\r\nTen\r\n"
                                             "CODE,11\r\n<SVENSKA>\r\nElva\r\n"
                                             "CODE,12\r\n<SVENSKA>\r\nTolv\r\n<ENGLISH>\r\nTwelve\r\n"
                                             "CODE,10\r\n<ENGLISH>\r\nTen again\r\n"
                                             "<OTHER>\r\nCODE,13\r\n<ENGLISH>\r\nThirteen\r\n"
                                             "<INPLAY>\r\nCODE,15\r\n<ENGLISH>\r\nFifteen\r\n";
    struct Case {
        std::string code, tag, text;
    };
    const std::vector<Case> cases = {
        {"10", "<SVENSKA>", "Tio"},
        {"10", "<ENGLISH>", "Ten"},     // the first entry of a code wins
        {"12", "<ENGLISH>", "Twelve"},
        {"11", "<ENGLISH>", ""},        // the entry has no English: not another entry's text
        {"9", "<ENGLISH>", ""},         // only before the section
        {"13", "<ENGLISH>", "Thirteen"},  // the search runs on past other sections
        {"15", "<ENGLISH>", "Fifteen"},
        {"99", "<ENGLISH>", ""},        // not in the file: not its last line
        {"", "<ENGLISH>", ""},          // a rule without a code
    };
    for (const auto& c : cases)
        EXPECT_EQ(LookupSuggestionText(path, "<INPLAY>", c.code, c.tag), c.text) << c.code << c.tag;
    EXPECT_EQ(LookupSuggestionText(dir.path().toStdString() + "/None.txt", "<INPLAY>", "10", "<ENGLISH>"), "");
}

TEST(SuggestionTexts, ATagOnTheLastLineGivesNoText) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/Suggestion.txt";
    std::ofstream(path, std::ios::binary) << "<INPLAY>\nCODE,14\n<ENGLISH>\n";
    EXPECT_EQ(LookupSuggestionText(path, "<INPLAY>", "14", "<ENGLISH>"), "");
}

}  // namespace
