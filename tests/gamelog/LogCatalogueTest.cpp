// What whole deals hand to the game log, line for line where the replay and
// reload read it back: every part of the game writes its share, and the
// readers must find it there.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "LogFileReader.h"
#include "LogLines.h"
#include "RecordedDeal.h"
#include "VbText.h"

namespace {

const std::string kStars60(60, '*');
const std::string kRule35(35, '=');
const std::vector<std::string> kFaces = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

using Lines = std::vector<std::string>;

std::vector<std::size_t> indexesOf(const Lines& lines, const std::string& line) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == line) at.push_back(i);
    return at;
}

// The one place of a line that a deal writes once; lines.size() if absent.
std::size_t onlyIndexOf(const Lines& lines, const std::string& line) {
    const auto at = indexesOf(lines, line);
    EXPECT_EQ(at.size(), 1u) << line;
    return at.empty() ? lines.size() : at.front();
}

std::string at(const Lines& lines, std::size_t i) { return i < lines.size() ? lines[i] : "<past the end>"; }

// Deals that cover both colours of fives and a bidder of each kind.
struct DealCatalogue : ::testing::Test {
    static std::vector<RecordedDeal>* deals;
    static std::vector<std::uint64_t>* seeds;

    static void SetUpTestSuite() {
        deals = new std::vector<RecordedDeal>;
        seeds = new std::vector<std::uint64_t>;
        bool red = false, black = false, human = false, computer = false;
        for (std::uint64_t seed = 1; seed <= 40 && !(red && black && human && computer); ++seed) {
            TestTable t(seed);
            RecordedDeal d = PlayAndRecordDeal(t);
            const bool isRed = d.colour == farg::Ruter || d.colour == farg::Hjarter;
            const bool isHuman = d.bidder == 0;
            // Keep a deal only when it adds something not yet covered.
            if ((isRed && !red) || (!isRed && !black) || (isHuman && !human) || (!isHuman && !computer)) {
                (isRed ? red : black) = true;
                (isHuman ? human : computer) = true;
                deals->push_back(std::move(d));
                seeds->push_back(seed);
            }
        }
    }
    static void TearDownTestSuite() {
        delete deals;
        delete seeds;
    }
};
std::vector<RecordedDeal>* DealCatalogue::deals = nullptr;
std::vector<std::uint64_t>* DealCatalogue::seeds = nullptr;

// The trump section starting at lines[i] (its tag): the card lines up to
// "<END>", then an empty line. Moves i past it.
Lines trumpSection(const Lines& lines, std::size_t& i, const std::string& tag) {
    EXPECT_EQ(at(lines, i), tag);
    Lines cards;
    ++i;
    while (i < lines.size() && lines[i] != "<END>") cards.push_back(lines[i++]);
    EXPECT_EQ(at(lines, i), "<END>") << tag;
    EXPECT_EQ(at(lines, i + 1), "") << tag;
    i += 2;
    return cards;
}

std::set<int> cardsNamed(const Lines& cards, std::int32_t colour, const std::string& where) {
    std::set<int> out;
    for (const std::string& c : cards) {
        const auto nr = CardNumberOfTrumpLine(c, colour);
        EXPECT_TRUE(nr.has_value()) << where << ": \"" << c << "\"";
        if (nr) {
            EXPECT_TRUE(out.insert(*nr).second) << where << ": " << c << " twice";
        }
    }
    return out;
}

}  // namespace

TEST_F(DealCatalogue, TheDealsCoverBothFiveColoursAndBothKindsOfBidder) {
    bool red = false, black = false, human = false, computer = false;
    for (const RecordedDeal& d : *deals) {
        EXPECT_TRUE(d.finished);
        (d.colour == farg::Ruter || d.colour == farg::Hjarter ? red : black) = true;
        (d.bidder == 0 ? human : computer) = true;
    }
    EXPECT_TRUE(red && black && human && computer);
}

// A text with a line break becomes several lines once the log is a file;
// none of those pieces may then read as a tag or open a trump section.
TEST_F(DealCatalogue, NoLinePartReadsAsATagOnceWrittenOut) {
    for (std::size_t n = 0; n < deals->size(); ++n) {
        for (const std::string& l : (*deals)[n].lines) {
            if (l.find_first_of("\r\n") == std::string::npos) continue;
            for (const std::string& part : SplitLogText(l)) {
                const bool tagLike = !part.empty() && part.front() == '<';
                const bool opensSection = part.size() >= 5 && (part.compare(part.size() - 5, 5, "_KOP>") == 0 ||
                                                               part.compare(part.size() - 5, 5, "OPER>") == 0);
                EXPECT_FALSE(tagLike || opensSection || part == "<END>")
                    << "seed " << (*seeds)[n] << ": \"" << part << "\" in \"" << l << "\"";
            }
        }
    }
}

TEST_F(DealCatalogue, TheDealStartsWithTotalsLegendAndTheWholePack) {
    const std::regex deckLine(R"(^(\d+) , (A|[2-9]|10|J|Q|K) , (1|2|4|8)$)");
    for (std::size_t n = 0; n < deals->size(); ++n) {
        const Lines& l = (*deals)[n].lines;
        SCOPED_TRACE("seed " + std::to_string((*seeds)[n]));
        const std::size_t vi = onlyIndexOf(l, "<VI>");
        const Lines head = {"<VI>", "0", "<DE>", "0", "1-klover,2-ruter,4-hjarter,8-spader", "<PACKE_KOMPLETT>"};
        ASSERT_LE(vi + head.size() + 54, l.size());
        EXPECT_EQ(Lines(l.begin() + static_cast<long>(vi), l.begin() + static_cast<long>(vi + head.size())), head);
        std::set<int> seen;
        for (std::size_t k = 0; k < 52; ++k) {
            const std::string& line = l[vi + head.size() + k];
            std::smatch mt;
            ASSERT_TRUE(std::regex_match(line, mt, deckLine)) << line;
            const int nr = std::stoi(mt[1]);
            ASSERT_LT(nr, 52) << line;
            EXPECT_TRUE(seen.insert(nr).second) << line;
            // Face from the number; the code is the card's own suit, fives included.
            EXPECT_EQ(mt[2].str(), kFaces[static_cast<std::size_t>(nr / 4)]) << line;
            EXPECT_EQ(std::stoi(mt[3]), 1 << (nr % 4)) << line;
        }
        EXPECT_EQ(l[vi + head.size() + 52], "<END>");
        EXPECT_EQ(l[vi + head.size() + 53], "");
    }
}

TEST_F(DealCatalogue, TheHighestBidAndTheColourAreTaggedForTheReplay) {
    const std::map<std::int32_t, std::string> humanLine = {{1, "HUMAN Selects color Klöver"},
                                                           {2, "HUMAN Selects color Ruter"},
                                                           {4, "HUMAN Selects color Hjärter"},
                                                           {8, "HUMAN Selects color Spader"}};
    for (std::size_t n = 0; n < deals->size(); ++n) {
        const RecordedDeal& d = (*deals)[n];
        const Lines& l = d.lines;
        SCOPED_TRACE("seed " + std::to_string((*seeds)[n]));
        const std::size_t hb = onlyIndexOf(l, "<BJUDIT_HOGST>");
        ASSERT_GE(hb, 1u);
        ASSERT_LT(hb + 6, l.size());
        const Lines bid = {kStars60, "<BJUDIT_HOGST>", SeatWord(d.bidder), "<BUD>", PlainNum(d.bid), "<PACKE>",
                           SeatWord(d.dealer)};
        EXPECT_EQ(Lines(l.begin() + static_cast<long>(hb - 1), l.begin() + static_cast<long>(hb + 6)), bid);
        EXPECT_GE(d.bid, 6);
        EXPECT_LE(d.bid, 14);

        const std::size_t fa = onlyIndexOf(l, "<FARG>");
        ASSERT_GE(fa, 1u);
        ASSERT_LT(fa + 2, l.size());
        EXPECT_GT(fa, hb);
        EXPECT_EQ(l[fa + 1], ColourWord(d.colour));
        EXPECT_EQ(l[fa + 2], kStars60);
        // The human's choice names itself first, in the same words in both builds.
        if (d.bidder == 0) {
            EXPECT_EQ(l[fa - 1], humanLine.at(d.colour));
        } else {
            EXPECT_NE(l[fa - 1].rfind("HUMAN Selects color", 0), 0u) << l[fa - 1];
        }
    }
}

TEST_F(DealCatalogue, TheHumansBidsAreLoggedAsNumbersOrPass) {
    for (std::size_t n = 0; n < deals->size(); ++n) {
        for (const std::string& line : (*deals)[n].lines) {
            if (line.rfind("HUMAN Bids", 0) != 0) continue;
            const std::string value = line.substr(std::min(line.size(), std::string("HUMAN Bids: ").size()));
            const bool number = !value.empty() && value.find_first_not_of("0123456789") == std::string::npos &&
                                Val(value) >= 6 && Val(value) <= 14;
            EXPECT_TRUE(line.rfind("HUMAN Bids: ", 0) == 0 && (value == "PASS" || number))
                << "seed " << (*seeds)[n] << ": " << line;
        }
    }
}

TEST_F(DealCatalogue, TrumpSectionsNameWhatEachSeatHeldAndBought) {
    for (std::size_t n = 0; n < deals->size(); ++n) {
        const RecordedDeal& d = (*deals)[n];
        const Lines& l = d.lines;
        SCOPED_TRACE("seed " + std::to_string((*seeds)[n]));
        const std::size_t first = onlyIndexOf(l, BeforeBuyingTag(0));
        ASSERT_GE(first, 1u);
        EXPECT_EQ(l[first - 1], kRule35);
        EXPECT_GT(first, onlyIndexOf(l, "<FARG>"));
        std::size_t i = first;
        std::array<std::set<int>, 4> named;
        for (int s = 0; s < 4; ++s)
            named[static_cast<std::size_t>(s)] = cardsNamed(trumpSection(l, i, BeforeBuyingTag(s)), d.colour, "before");
        EXPECT_EQ(at(l, i), kRule35);

        // Buying: at most one section per seat, after the held trumps.
        for (int s = 0; s < 4; ++s) {
            const auto tags = indexesOf(l, BoughtTag(s));
            ASSERT_LE(tags.size(), 1u) << s;
            if (tags.empty()) continue;
            EXPECT_GT(tags[0], i);
            std::size_t j = tags[0];
            for (const int nr : cardsNamed(trumpSection(l, j, BoughtTag(s)), d.colour, "bought"))
                EXPECT_TRUE(named[static_cast<std::size_t>(s)].insert(nr).second) << "seat " << s << " card " << nr;
        }

        // What the log names for a seat is what it held at the first trick,
        // plus the surplus trumps that went out of play.
        std::set<int> surplus;
        for (std::size_t s = 0; s < 4; ++s) {
            for (const int nr : d.trumpsAtFirstTrick[s]) EXPECT_TRUE(named[s].count(nr)) << "seat " << s << " card " << nr;
            for (const int nr : named[s])
                if (!d.trumpsAtFirstTrick[s].count(nr)) surplus.insert(nr);
        }
        EXPECT_EQ(surplus, d.outOfPlay);
    }
}

TEST_F(DealCatalogue, EveryPlayDecisionDumpsItsParameters) {
    const Lines facts = {"LumraOut , ", "TenOut , ", "JOut , ", "TenJOut , ", "UnplayedTenJ , ", "UnplayedLumra , ",
                         "UnplayedLow , ", "Last , ", "NotSafeFifthTurn , ", "SafeFifthTurn, ", "NotSafeSixthTurn , ",
                         "SafeSixthTurn , ", "NotColdFourthTurnThem  , ", "NotColdFifthTurnThem   , ",
                         "NotColdSixthTurnThem  , ", "NotColdFifthTurnThemExpected  , ",
                         "NotColdSixthTurnThemExpected  , ", "Cold(LEFT) , ", "Cold(PARTNER) , ", "Cold(RIGHT) , ",
                         "NotCold(LEFT) , ", "NotCold(PARTNER) , ", "NotCold(RIGHT) , "};
    const std::set<std::string> trumpFaces = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    for (std::size_t n = 0; n < deals->size(); ++n) {
        const Lines& l = (*deals)[n].lines;
        SCOPED_TRACE("seed " + std::to_string((*seeds)[n]));
        const auto dumps = indexesOf(l, "======= SPEL PARAMETER DUMP =======");
        // One decision for every card played, the human's suggestion included.
        std::size_t plays = 0;
        for (const std::string& line : l)
            if (line.find(" plays: ") != std::string::npos) ++plays;
        EXPECT_EQ(dumps.size(), plays);
        ASSERT_FALSE(dumps.empty());
        EXPECT_GT(dumps.front(), indexesOf(l, BeforeBuyingTag(3)).front());
        for (const std::size_t dump : dumps) {
            ASSERT_GE(dump, 1u);
            EXPECT_EQ(l[dump - 1], kRule35);
            EXPECT_EQ(at(l, dump + 1), kRule35);
            EXPECT_EQ(at(l, dump + 2), "============= Calculated before play");
            EXPECT_EQ(at(l, dump + 3), "==== Kort i handen");
            std::size_t i = dump + 4;
            while (i < l.size() && l[i] != "====") EXPECT_TRUE(trumpFaces.count(l[i++])) << l[i - 1];
            ++i;
            std::size_t rows = 0;
            while (i < l.size() && l[i] != "============= Functions - calculated on the fly") {
                EXPECT_NE(l[i].find(" , "), std::string::npos) << l[i];
                ++i;
                ++rows;
            }
            EXPECT_EQ(rows, 39u);
            ++i;
            for (const std::string& prefix : facts) {
                const std::string line = at(l, i++);
                EXPECT_TRUE(line == prefix + "True" || line == prefix + "False") << line;
            }
            EXPECT_EQ(at(l, i), kRule35);
        }
    }
}

TEST_F(DealCatalogue, TheSectionsComeInTheOrderTheReadersExpect) {
    for (std::size_t n = 0; n < deals->size(); ++n) {
        const Lines& l = (*deals)[n].lines;
        SCOPED_TRACE("seed " + std::to_string((*seeds)[n]));
        const Lines order = {"<VI>", "<DE>", "<PACKE_KOMPLETT>", "<BJUDIT_HOGST>", "<BUD>", "<PACKE>", "<FARG>",
                             BeforeBuyingTag(0), BeforeBuyingTag(1), BeforeBuyingTag(2), BeforeBuyingTag(3)};
        std::size_t last = 0;
        for (const std::string& tag : order) {
            const std::size_t i = onlyIndexOf(l, tag);
            EXPECT_GE(i, last) << tag;
            last = i;
        }
        for (int s = 0; s < 4; ++s)
            for (const std::size_t i : indexesOf(l, BoughtTag(s))) EXPECT_GT(i, last) << BoughtTag(s);
    }
}
