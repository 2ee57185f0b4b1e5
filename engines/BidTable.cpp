#include "BidTable.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "BidTableKey.h"
#include "EngineBridge.h"
#include "GameLog.h"
#include "TextInput.h"
#include "VbText.h"

float EATable[4][11];
float PxTable[4][11];
float EaUHTable[4][4];
BidTableReports BidTableReportedState;

namespace {
const char* const kColourWord[4] = {"KLOVER ", "RUTER ", "HJARTER ", "SPADER "};
constexpr int kRecordFields = 25;  // after the key: 10 EA, 1 ignored, 9 P(x), 1 ignored, 4 EaUH

// Reads the fields of one record; false when the file ends inside it.
bool readRecord(TextInput& in, std::array<std::string, kRecordFields>& fields) {
    for (std::string& f : fields) {
        if (in.Eof()) return false;
        f = in.ListInput();
    }
    return true;
}

bool isDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A section marker: <n> or <n_m>.
bool isMarker(std::string_view f) {
    if (f.size() < 3 || f.front() != '<' || f.back() != '>') return false;
    const std::string_view inner = f.substr(1, f.size() - 2);
    const std::size_t bar = inner.find('_');
    if (bar == std::string_view::npos) return isDigits(inner);
    return isDigits(inner.substr(0, bar)) && isDigits(inner.substr(bar + 1));
}

// A table the loader can use holds at least one section; an empty or
// damaged file holds none, and every key looked up in it would be missing.
bool holdsASection(TextInput& in, const std::string& path) {
    if (!in.Open(path)) return false;
    while (!in.Eof())
        if (isMarker(in.ListInputView())) return true;
    return false;
}

enum class Lookup { Found, NoSection, NoKey };

// Scans the section the marker opens for the key. The scan ends at the next
// marker: a key missing from its own section must not be taken from another
// section, whose values are for a different card count.
Lookup findRecord(TextInput& in, const std::string& marker, const std::string& key,
                  std::array<std::string, kRecordFields>& fields) {
    if (!in.SkipPastField(marker)) return Lookup::NoSection;
    if (!in.SkipPastField(key, '<')) return Lookup::NoKey;
    return readRecord(in, fields) ? Lookup::Found : Lookup::NoKey;
}

void storeRecord(int c, bool scrambled, const std::array<std::string, kRecordFields>& f) {
    for (int k = 0; k < 10; ++k) {
        const int level = scrambled ? ScrambledEALevel(k) : k;
        EATable[c][level] = static_cast<float>(Val(f[static_cast<std::size_t>(k)]));
    }
    for (int l = 1; l <= 9; ++l) PxTable[c][l] = static_cast<float>(Val(f[static_cast<std::size_t>(10 + l)]));
    for (int s = 0; s < 4; ++s) EaUHTable[c][s] = static_cast<float>(Val(f[static_cast<std::size_t>(21 + s)]));
}

std::string valuesText(const float* values, int from, int to) {
    std::string out;
    for (int i = from; i <= to; ++i) out += CStrSingle(values[i]) + " ";
    return out;
}

void logColour(int c, const std::string& logKey, const std::string& eaText) {
    if (!GameLogWanted()) return;
    const std::string word = kColourWord[c];
    LogEngineLine(word + " EA   " + "\t" + logKey + "\t" + eaText);
    LogEngineLine(word + " P(x) " + "\t" + logKey + "\t" + valuesText(PxTable[c], 1, 9));
    LogEngineLine(word + " EaUH " + "\t" + logKey + "\t" + valuesText(EaUHTable[c], 0, 3));
}

void resetTables() {
    for (int c = 0; c < 4; ++c) {
        for (int l = 0; l < 11; ++l) {
            EATable[c][l] = kNoEA;
            // Rows of a colour whose key is missing must not keep another
            // hand's values from an earlier bid.
            PxTable[c][l] = 0.0f;
        }
        for (int s = 0; s < 4; ++s) EaUHTable[c][s] = 0.0f;
    }
}

// The file's state in the report: a report is shown once until the file
// changes (appears, or is written again).
std::string fileState(const std::string& path, bool missing) {
    if (missing) return path + "\nmissing";
    std::error_code e;
    const auto size = std::filesystem::file_size(path, e);
    const auto time = std::filesystem::last_write_time(path, e);
    return path + "\n" + std::to_string(size) + " " + std::to_string(time.time_since_epoch().count());
}

// The reports no longer stand once the file is in another state.
void followFile(const std::string& state) {
    if (BidTableReportedState.fileState != state) BidTableReportedState = BidTableReports{state, false, {}};
}

void reportFile(const std::string& path, bool missing) {
    followFile(fileState(path, missing));
    if (BidTableReportedState.fileReported) return;
    BidTableReportedState.fileReported = true;
    ShowEngineMessage(missing ? "Can't open the bid table file: " + path : "The bid table file is empty or damaged: " + path);
}

// The file reads as a table: a report of it as missing or damaged is over,
// and is shown again if the file goes bad again.
void forgetFileReport(const std::string& path) {
    BidTableReports& r = BidTableReportedState;
    if (!r.fileReported || r.fileState.rfind(path + "\n", 0) != 0) return;
    followFile(fileState(path, false));
    r.fileReported = false;
}

// The log names the missing key at every miss; the two boxes come once per
// key until the file changes.
void reportMissingKey(const std::string& path, const std::string& fileName, const std::string& marker,
                      const std::string& key) {
    const std::string miss = "Didn't find key: " + key + " in the file: " + fileName;
    if (GameLogWanted()) LogEngineLine("\t" + miss + ", Rollto: " + marker);
    followFile(fileState(path, false));
    if (!BidTableReportedState.missingKeys.insert(marker + " " + key).second) return;
    ShowEngineMessage("Please check log - " + miss);
    ShowEngineMessage("Rollto: " + marker);
}
}  // namespace

void LoadHandEATables(int seat, const std::string& fileName) {
    resetTables();
    if (!HasTable() || seat < 0 || seat > 3) return;
    const std::string path = GameInstallPath() + fileName;

    std::array<BidPattern, 4> patterns;
    for (int c = 0; c < 4; ++c) {
        patterns[static_cast<std::size_t>(c)] = BuildBidPattern(SeatTrumpRanksFor(seat, 1 << c));
    }

    TextInput in;  // one buffer for the four reads
    bool usable = false;  // a section was seen: the file is a table
    for (int c = 0; c < 4; ++c) {
        const BidPattern& p = patterns[static_cast<std::size_t>(c)];
        if (!in.Open(path)) {
            reportFile(path, true);
            logColour(c, p.logKey, "");
            continue;
        }
        const bool scrambled = in.ListInputView() != "Bugala";
        std::string key = p.key;
        if (scrambled) {
            key = ScrambleBidKey(p.key);
            if (GameLogWanted()) LogEngineLine("\tKrypted Bjud-ai-fil! " + key + "==> " + p.key);
        }
        std::array<std::string, kRecordFields> fields;
        const Lookup found = findRecord(in, p.marker, key, fields);
        if (!usable && found == Lookup::NoSection && !holdsASection(in, path)) {
            // Nothing to look up in it: one report, and no values for any colour.
            reportFile(path, false);
            for (int rest = c; rest < 4; ++rest)
                logColour(rest, patterns[static_cast<std::size_t>(rest)].logKey, "");
            return;
        }
        usable = true;
        forgetFileReport(path);
        in.Close();

        std::string eaText;
        if (found == Lookup::Found) {
            storeRecord(c, scrambled, fields);
            if (scrambled)
                eaText = valuesText(EATable[c], 1, 9);
            else
                for (int k = 0; k < 10; ++k) eaText += fields[static_cast<std::size_t>(k)] + " ";
        } else {
            reportMissingKey(path, fileName, p.marker, key);
        }
        logColour(c, p.logKey, eaText);
    }
}
