#pragma once
// A table for the bid tests: the main window with scripted dialogs, an
// installation folder of its own for fixture files, and helpers that give a
// seat cards and write bid table records.

#include <QTemporaryDir>

#include <fstream>
#include <initializer_list>
#include <string>

#include "BidRules.h"
#include "BidTable.h"
#include "TestTable.h"
#include "VbText.h"

struct BidFixture : TestTable {
    QTemporaryDir dir;

    explicit BidFixture(std::uint64_t seed = 42) : TestTable(seed) {
        main->gbInstallPath = dir.path().toStdString() + "/";
        BidTableReportedState.clear();
        BidRulesReported.clear();
    }

    void write(const std::string& name, const std::string& text) {
        std::ofstream out(main->gbInstallPath + name, std::ios::binary);
        out << text;
    }

    // Cards by number: face index (ace 0, 2 = 1 ... king 12) * 4 + suit
    // (clubs 0, diamonds 1, hearts 2, spades 3).
    void give(int seat, std::initializer_list<int> cards) {
        KortHand& h = main->Hand[static_cast<std::size_t>(seat)];
        for (int nr : cards) {
            Kort* k = main->Packe.CardByNr(nr);
            h.AddACardOSort(k, false);
        }
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& s : dialogs.shown)
            if (s.kind == "MsgBox") out.push_back(s.prompt);
        return out;
    }
};

// One bid table record: ten EA values from ea5 down by step, P(x) values
// p6 down by 0.1, EaUH values uh0, uh0 + 1, ...
inline std::string BidRecord(const std::string& key, float ea5, float step = 1.0f, float p6 = 0.9f,
                             float uh0 = 0.0f) {
    std::string r = key;
    for (int k = 0; k < 10; ++k) r += ", " + CStrSingle(ea5 - step * static_cast<float>(k));
    r += ", 0";
    for (int k = 0; k < 9; ++k) r += ", " + CStrSingle(p6 - 0.1f * static_cast<float>(k));
    r += ", 0";
    for (int k = 0; k < 4; ++k) r += ", " + CStrSingle(uh0 + static_cast<float>(k));
    return r + "\n";
}

// Cards of the test hands.
namespace cardnr {
inline constexpr int AceClubs = 0, KingDiamonds = 49, QueenHearts = 46, JackSpades = 43;
inline constexpr int FiveClubs = 16, FiveDiamonds = 17, FiveHearts = 18, FiveSpades = 19;
}  // namespace cardnr
