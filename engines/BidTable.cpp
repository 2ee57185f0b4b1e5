#include "BidTable.h"

#include <array>
#include <vector>

#include "BidTableKey.h"
#include "Main.h"
#include "TextInput.h"
#include "VbText.h"

float EATable[4][11];
float PxTable[4][11];
float EaUHTable[4][4];
std::string BidTableReportedMissing;

namespace {
const char* const kColourWord[4] = {"KLOVER ", "RUTER ", "HJARTER ", "SPADER "};
constexpr int kRecordFields = 25;  // after the key: 10 EA, 1 ignored, 9 P(x), 1 ignored, 4 EaUH

std::vector<int> trumpRanksOf(const KortHand& hand, std::int32_t colour) {
    std::vector<int> ranks;
    for (const Kort* k : hand.colHand)
        if ((k->farg & colour) != 0) ranks.push_back(k->Rang);
    return ranks;
}

// Reads the fields of one record; false when the file ends inside it.
bool readRecord(TextInput& in, std::array<std::string, kRecordFields>& fields) {
    for (std::string& f : fields) {
        if (in.Eof()) return false;
        f = in.ListInput();
    }
    return true;
}

// Scans the section the marker opens for the key. The scan ends at the next
// marker: a key missing from its own section must not be taken from another
// section, whose values are for a different card count.
bool findRecord(TextInput& in, const std::string& marker, const std::string& key,
                std::array<std::string, kRecordFields>& fields) {
    if (!in.SkipPastField(marker)) return false;
    if (!in.SkipPastField(key, '<')) return false;
    return readRecord(in, fields);
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

void logColour(Main& m, int c, const std::string& logKey, const std::string& eaText) {
    const std::string word = kColourWord[c];
    m.Log(word + " EA   " + "\t" + logKey + "\t" + eaText);
    m.Log(word + " P(x) " + "\t" + logKey + "\t" + valuesText(PxTable[c], 1, 9));
    m.Log(word + " EaUH " + "\t" + logKey + "\t" + valuesText(EaUHTable[c], 0, 3));
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

void reportMissingFile(Main& m, const std::string& path) {
    if (BidTableReportedMissing == path) return;
    BidTableReportedMissing = path;
    m.MsgBox("Can't open the bid table file: " + path);
}
}  // namespace

void LoadHandEATables(int seat, const std::string& fileName) {
    resetTables();
    Main* mp = Main::instance();
    if (!mp || seat < 0 || seat > 3) return;
    Main& m = *mp;
    const std::string path = m.gbInstallPath + fileName;

    std::array<BidPattern, 4> patterns;
    for (int c = 0; c < 4; ++c) {
        m.Packe.ValjFarg(1 << c);
        patterns[static_cast<std::size_t>(c)] = BuildBidPattern(trumpRanksOf(m.Hand[static_cast<std::size_t>(seat)], 1 << c));
    }

    TextInput in;  // one buffer for the four reads
    for (int c = 0; c < 4; ++c) {
        const BidPattern& p = patterns[static_cast<std::size_t>(c)];
        if (!in.Open(path)) {
            reportMissingFile(m, path);
            logColour(m, c, p.logKey, "");
            continue;
        }
        const bool scrambled = in.ListInputView() != "Bugala";
        std::string key = p.key;
        if (scrambled) {
            key = ScrambleBidKey(p.key);
            m.Log("\tKrypted Bjud-ai-fil! " + key + "==> " + p.key);
        }
        std::array<std::string, kRecordFields> fields;
        const bool found = findRecord(in, p.marker, key, fields);
        in.Close();

        std::string eaText;
        if (found) {
            storeRecord(c, scrambled, fields);
            if (scrambled)
                eaText = valuesText(EATable[c], 1, 9);
            else
                for (int k = 0; k < 10; ++k) eaText += fields[static_cast<std::size_t>(k)] + " ";
        } else {
            m.MsgBox("Please check log - Didn't find key: " + key + " in the file: " + fileName);
            m.MsgBox("Rollto: " + p.marker);
        }
        logColour(m, c, p.logKey, eaText);
    }
}
