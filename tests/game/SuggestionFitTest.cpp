// Every explanation of the shipped suggestion file fits the label under the
// hand in both languages: a text that needs one more line than the label
// holds loses its last sentence on screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "InstallFolder.h"
#include "LabelFit.h"
#include "SuggestionTexts.h"
#include "TestTable.h"
#include "TextInput.h"

namespace {

std::vector<std::string> shippedCodes(const std::string& path) {
    std::vector<std::string> codes;
    TextInput in;
    EXPECT_TRUE(in.Open(path)) << path;
    bool inSection = false;
    while (!in.Eof()) {
        const std::string line = in.LineInput();
        if (line == "<INPLAY>") inSection = true;
        if (inSection && line.rfind("CODE,", 0) == 0) codes.push_back(line.substr(5));
    }
    return codes;
}

TEST(SuggestionFit, EveryShippedExplanationFitsTheLabelInBothLanguages) {
    TestTable t;
    forms::Label& label = t.m().LblSuggest;
    const std::string path = DefaultInstallFolder() + "Suggestion.txt";
    const std::vector<std::string> codes = shippedCodes(path);
    ASSERT_FALSE(codes.empty());
    for (const std::string& code : codes) {
        for (const char* tag : {"<SVENSKA>", "<ENGLISH>"}) {
            label.Caption = LookupSuggestionText(path, "<INPLAY>", code, tag);
            SCOPED_TRACE("code " + code + " " + tag);
            ExpectCaptionFits(label);
        }
    }
}

// The check itself sees a text one line too long.
TEST(SuggestionFit, ATextOfOneLineMoreIsCaught) {
    TestTable t;
    forms::Label& label = t.m().LblSuggest;
    label.Caption = "You have only two trumps and one is a five: lead the five now, while your partner and the "
                    "next opponent still have trumps. The opponent must spend a high trump to take it and your "
                    "partner can still win the trick.";
    const QRect box(0, 0, label.PixelWidth(), label.PixelHeight());
    const QRect needed = QFontMetrics(forms::LabelFont(label))
                             .boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                           forms::CaptionText(label.Caption));
    EXPECT_GT(needed.height(), box.height());
}

}  // namespace
