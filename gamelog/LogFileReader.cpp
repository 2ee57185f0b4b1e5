#include "LogFileReader.h"

#include <set>

#include "LogLines.h"
#include "TextInput.h"
#include "VbText.h"

namespace {

constexpr std::size_t kSectionLimit = 10;
constexpr std::array<const char*, 13> kFaces = {"A", "2", "3", "4", "5", "6", "7",
                                                "8", "9", "10", "J", "Q", "K"};

LogReadError fail(std::string message) { return LogReadError{std::move(message)}; }

bool endsWith(const std::string& s, const char* suffix) {
    const std::string_view v(suffix);
    return s.size() >= v.size() && s.compare(s.size() - v.size(), v.size(), v) == 0;
}

std::optional<int> seatOfSectionTag(const std::string& tag) {
    for (int s = 0; s < 4; ++s)
        if (tag == BeforeBuyingTag(s) || tag == BoughtTag(s)) return s;
    return std::nullopt;
}

int suitIndexOf(std::int32_t colour) {
    for (int s = 0; s < 4; ++s)
        if (colour == (1 << s)) return s;
    return -1;
}

// The first list field of a line: blanks trimmed, a quoted field without
// its quotes, otherwise the text up to the first comma.
std::string firstListField(const std::string& line) {
    const std::string t = Trim(line);
    if (!t.empty() && t.front() == '"') {
        const std::size_t close = t.find('"', 1);
        return close == std::string::npos ? t.substr(1) : t.substr(1, close - 1);
    }
    return Trim(t.substr(0, t.find(',')));
}

bool isBlank(const std::string& line) { return Trim(line).empty(); }

// Reads one card section from lines[i] on, up to "<END>" or the end.
std::optional<LogReadError> readSection(const std::vector<std::string>& lines, std::size_t& i,
                                        const std::string& tag, std::vector<std::string>& into) {
    into.clear();
    while (i < lines.size() && lines[i] != TagEnd) {
        if (into.size() == kSectionLimit)
            return fail("The section " + tag + " of the log file holds more than 10 cards.");
        into.push_back(lines[i++]);
    }
    if (i < lines.size()) ++i;  // the "<END>" line
    return std::nullopt;
}

std::optional<LogReadError> resolveCards(ReplayData& d) {
    std::set<int> used;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        for (std::size_t e = 0; e < kSectionLimit; ++e) {
            for (const auto* table : {&d.beforeBuying[seat], &d.bought[seat]}) {
                if (e >= table->size() || (*table)[e].empty()) continue;
                const std::string& text = (*table)[e];
                const auto nr = CardNumberOfTrumpLine(text, d.colour);
                if (!nr) return fail("The log file names a card that is not a trump: \"" + text + "\".");
                if (!used.insert(*nr).second)
                    return fail("The log file gives the card \"" + text + "\" to more than one place.");
                d.cards[seat].push_back(*nr);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

short LogNumber(const std::string& text) { return ClampToInt16(RoundHalfEven(Val(text))); }

std::vector<std::string> SplitLogText(const std::string& text) {
    TextInput in;
    in.OpenText(text);
    std::vector<std::string> lines;
    while (!in.Eof()) lines.push_back(in.LineInput());
    return lines;
}

std::variant<std::vector<std::string>, LogReadError> ReadLogLines(const std::string& path) {
    TextInput in;
    if (path.empty() || !in.Open(path)) return fail("The log file could not be opened: " + path);
    std::vector<std::string> lines;
    while (!in.Eof()) lines.push_back(in.LineInput());
    return lines;
}

std::optional<int> CardNumberOfTrumpLine(const std::string& text, std::int32_t trumpColour) {
    const int suit = suitIndexOf(trumpColour);
    if (suit < 0) return std::nullopt;
    if (text == "V") return 16 + suit;
    if (text == "v") return 16 + (3 - suit);  // clubs with spades, diamonds with hearts
    for (int face = 0; face < 13; ++face)
        if (face != 4 && text == kFaces[static_cast<std::size_t>(face)]) return face * 4 + suit;
    return std::nullopt;
}

std::variant<ReplayData, LogReadError> ParseReplayLog(const std::vector<std::string>& lines,
                                                      std::int32_t currentColour) {
    ReplayData d;
    bool sectionSeen = false;
    int seat = 0;
    std::size_t i = 0;
    while (i < lines.size()) {
        std::string line = lines[i++];
        const bool valueTag = line == TagBidder || line == TagBid || line == TagDealer || line == TagColour ||
                              line == TagVi || line == TagDe;
        if (valueTag) {
            if (i >= lines.size()) return fail("The log file ends right after the tag " + line + ".");
            const std::string& value = lines[i++];
            if (line == TagBidder) d.bidderWord = value;
            else if (line == TagBid) d.bid = LogNumber(value);
            else if (line == TagDealer) d.dealerWord = value;
            else if (line == TagColour) d.colourWord = value;
            else if (line == TagVi) d.vi = LogNumber(value);
            else d.de = LogNumber(value);
            line = value;
        }
        if (line == TagDeck) {
            // A new deal: nothing of the hands of an earlier deal may leak
            // into the one rebuilt.
            for (std::size_t s = 0; s < 4; ++s) {
                d.beforeBuying[s].clear();
                d.bought[s].clear();
            }
            sectionSeen = false;
            seat = 0;
        }
        const bool before = endsWith(line, "_KOP>");
        if (before || endsWith(line, "OPER>")) {
            if (const auto s = seatOfSectionTag(line)) seat = *s;
            auto& table = (before ? d.beforeBuying : d.bought)[static_cast<std::size_t>(seat)];
            if (auto err = readSection(lines, i, line, table)) return *err;
            sectionSeen = true;
        }
    }
    if (!sectionSeen) return fail("The log file holds no trumps of a deal to replay.");
    if (d.bid && (*d.bid < 6 || *d.bid > 14))
        return fail("The log file holds a bid that cannot be played: " + PlainNum(*d.bid) + ".");
    d.colour = currentColour;
    if (d.colourWord)
        if (const auto c = ColourOfColourWord(*d.colourWord)) d.colour = *c;
    if (suitIndexOf(d.colour) < 0) return fail("The log file names no trump colour.");
    if (auto err = resolveCards(d)) return *err;
    return d;
}

std::variant<ReloadData, LogReadError> ParseReloadLog(const std::vector<std::string>& lines) {
    ReloadData d;
    std::size_t i = 0;
    bool deckFound = false;
    while (i < lines.size() && !deckFound) {
        std::string line = lines[i++];
        if ((line == TagVi || line == TagDe) && i < lines.size()) {
            const std::string& value = lines[i++];
            (line == TagVi ? d.vi : d.de) = LogNumber(value);
            line = value;
        }
        deckFound = line == TagDeck;
    }
    if (!deckFound) return fail("The log file holds no pack order to reload.");

    std::set<int> seen;
    for (std::size_t n = 0; n < 52; ++n) {
        while (i < lines.size() && isBlank(lines[i])) ++i;
        if (i >= lines.size()) return fail("The pack order in the log file is incomplete.");
        const std::string field = firstListField(lines[i++]);
        if (field.empty() || field.size() > 2 || field.find_first_not_of("0123456789") != std::string::npos)
            return fail("The pack order in the log file holds a bad card number: \"" + field + "\".");
        const int nr = std::stoi(field);
        if (nr > 51) return fail("The pack order in the log file holds a bad card number: \"" + field + "\".");
        if (!seen.insert(nr).second)
            return fail("The pack order in the log file names the card " + field + " twice.");
        d.order[n] = nr;
    }
    while (i < lines.size() && isBlank(lines[i])) ++i;
    if (i < lines.size() && lines[i] != TagEnd)
        return fail("The pack section of the log file does not hold exactly 52 cards.");

    while (i < lines.size()) {
        if (lines[i++] != TagDealer) continue;
        while (i < lines.size() && isBlank(lines[i])) ++i;
        if (i < lines.size()) d.dealerWord = firstListField(lines[i]);
        break;
    }
    return d;
}
