// Every explanation of the shipped suggestion file fits the label under the
// hand in both languages: a text that needs one more line than the label
// holds loses its last sentence on screen.
//
// The game leaves hinting and antialiasing to the desktop's font
// configuration, and hinting changes the glyphs' advances: a text that
// fits at Debian's slight hinting may need a fourth line at medium or full
// hinting (the two measure alike), more so with antialiasing off. So every
// text is measured under each setup a player's machine may give the font.
// The autohinter with full hinting, which only a font configuration can
// ask for, widens the texts most: the test run SuggestionFitUnderAutohinter
// runs these tests again under tests/game/autohinted-fonts.conf.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <sstream>
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

struct FontSetup {
    const char* name;
    QFont::HintingPreference hinting;
    bool antialias;
};

const FontSetup kFontSetups[] = {
    {"the machine's default hinting", QFont::PreferDefaultHinting, true},
    {"no hinting", QFont::PreferNoHinting, true},
    {"vertical hinting", QFont::PreferVerticalHinting, true},
    {"full hinting", QFont::PreferFullHinting, true},
    {"full hinting without antialiasing", QFont::PreferFullHinting, false},
};

QFont fontFor(const forms::Label& l, const FontSetup& setup) {
    QFont f = forms::LabelFont(l);
    f.setHintingPreference(setup.hinting);
    if (!setup.antialias) f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

bool fitsAtWidth(const forms::Label& l, const QFont& font, int width) {
    const QRect needed = CaptionBounds(l, font, width);
    return needed.height() <= l.PixelHeight() && needed.left() >= 0 && needed.right() < width;
}

struct CaptionFit {
    bool fits;
    int lines;  // at the label's width
    int held;   // lines the label's height holds
    // Pixels the label could lose in width and still hold the caption;
    // below 0, the pixels it lacks.
    int spare;
};

CaptionFit measure(const forms::Label& l, const QFont& font) {
    const int width = l.PixelWidth();
    const int lineHeight = QFontMetrics(font).lineSpacing();
    // Wrapping takes fewer lines or as many in a wider box: the narrowest
    // width that holds the caption is found by halving.
    int lo = 1, hi = 3 * width;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (fitsAtWidth(l, font, mid)) hi = mid;
        else lo = mid + 1;
    }
    const int height = CaptionBounds(l, font, width).height();
    return {fitsAtWidth(l, font, width), (height + lineHeight - 1) / lineHeight, l.PixelHeight() / lineHeight,
            width - lo};
}

std::string describe(const CaptionFit& fit) {
    std::ostringstream out;
    out << fit.lines << " lines of the " << fit.held << " the label holds, ";
    if (fit.spare >= 0) out << fit.spare << " px of width to spare";
    else out << -fit.spare << " px too wide";
    return out.str();
}

// Code 30's English text once shipped: it fits unhinted with 2 px to spare
// and needs a fourth line at full hinting.
const char* const kFitsOnlyUnhinted =
    "Your partner led and the opponent before you has no trumps: play your highest card. The last opponent must "
    "spend its best trump or let your side have the trick.";

TEST(SuggestionFit, EveryShippedExplanationFitsTheLabelInBothLanguagesUnderEveryFontSetup) {
    TestTable t;
    forms::Label& label = t.m().LblSuggest;
    const std::string path = DefaultInstallFolder() + "Suggestion.txt";
    const std::vector<std::string> codes = shippedCodes(path);
    ASSERT_FALSE(codes.empty());
    for (const FontSetup& setup : kFontSetups) {
        const QFont font = fontFor(label, setup);
        // The tightest entries, shown once a text is too long: the margin
        // the others leave is what a shortened text should keep.
        std::vector<std::pair<int, std::string>> margins;
        bool failed = false;
        for (const std::string& code : codes) {
            for (const char* tag : {"<SVENSKA>", "<ENGLISH>"}) {
                label.Caption = LookupSuggestionText(path, "<INPLAY>", code, tag);
                ASSERT_FALSE(label.Caption.empty()) << "code " << code << " " << tag;
                const CaptionFit fit = measure(label, font);
                const std::string entry = "code " + code + " " + tag;
                margins.emplace_back(fit.spare, entry + ": " + describe(fit));
                EXPECT_TRUE(fit.fits) << entry << " with " << setup.name << ": " << describe(fit) << "\n  \""
                                      << label.Caption << "\"";
                failed = failed || !fit.fits;
            }
        }
        if (failed) {
            std::sort(margins.begin(), margins.end());
            std::ostringstream out;
            for (std::size_t i = 0; i < std::min<std::size_t>(12, margins.size()); ++i)
                out << "\n  " << margins[i].second;
            ADD_FAILURE() << "The tightest entries with " << setup.name << " in a label " << label.PixelWidth()
                          << " px wide:" << out.str();
        }
    }
}

// The setups are real: the font engine hints as asked, and under the
// autohinter's configuration the default hinting is the autohinter's.
// Were either not so, the test above would measure one setup several times.
TEST(SuggestionFit, FullHintingWidensATextThatFitsUnhinted) {
    TestTable t;
    forms::Label& label = t.m().LblSuggest;
    label.Caption = kFitsOnlyUnhinted;
    const bool autohinted = qEnvironmentVariable("FONTCONFIG_FILE").endsWith("autohinted-fonts.conf");
    for (const FontSetup& setup : kFontSetups) {
        const bool hinted =
            setup.hinting == QFont::PreferFullHinting || (autohinted && setup.hinting == QFont::PreferDefaultHinting);
        const bool unhinted = setup.hinting == QFont::PreferNoHinting;
        if (!hinted && !unhinted) continue;
        const CaptionFit fit = measure(label, fontFor(label, setup));
        EXPECT_EQ(fit.lines, hinted ? 4 : 3) << setup.name << ": " << describe(fit);
        EXPECT_EQ(fit.fits, !hinted) << setup.name << ": " << describe(fit);
    }
}

// The check itself sees a text one line too long.
TEST(SuggestionFit, ATextOfOneLineMoreIsCaught) {
    TestTable t;
    forms::Label& label = t.m().LblSuggest;
    label.Caption = "You have only two trumps and one is a five: lead the five now, while your partner and the "
                    "next opponent still have trumps. The opponent must spend a high trump to take it and your "
                    "partner can still win the trick.";
    const QRect needed = CaptionBounds(label, forms::LabelFont(label), label.PixelWidth());
    EXPECT_GT(needed.height(), label.PixelHeight());
}

}  // namespace
