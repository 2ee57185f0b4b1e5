// libFuzzer entry for the settings files (built with clang only). The input
// is one scope's file ("local.ini" or "user.ini", picked by a number drawn
// from it). Whatever it holds: reads give a stored text shorter than the read
// limit or the default; a write reads back; every other value reads as it
// did before the write; and nothing is left beside the two files, nor
// written outside the settings folder.
#include <QDir>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "FuzzTable.h"
#include "Registry.h"
#include "SettingsStore.h"

namespace {
FuzzTable* fuzz = nullptr;
std::string settingsFolder;
// A default no file can hold: a read gives it only for a missing value.
const std::string kUnset = std::string(1, '\x01') + "unset";

using Name = std::pair<std::string, std::string>;

// Sections and names the file seems to hold, taken loosely from its lines,
// with the values the game itself uses: the names whose values must not
// change when another value is written.
std::set<Name> namesIn(const std::string& text) {
    std::set<Name> names = {{"Install", "Dir"}, {"Statistic", "TotalVi"}, {"Statistic", "TotalDe"},
                            {"Statistic", "Debug"}};
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            section = settings::Unescape(line.substr(1, line.find(']') - 1));
        } else if (const auto eq = line.find('='); eq != std::string::npos) {
            names.insert({section, settings::Unescape(line.substr(0, eq))});
        }
    }
    return names;
}

bool folderHoldsOnlyTheScopeFiles() {
    const QStringList top = QDir(fuzz->root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : QDir(QString::fromStdString(settingsFolder))
                                   .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (name != "local.ini" && name != "user.ini") return false;
    return top == QStringList({"install", "settings"});
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz = StartFuzzTable(argc, argv);
    settingsFolder = fuzz->root.path().toStdString() + "/settings";
    setenv("LUMRA_SETTINGS_DIR", settingsFolder.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::uint64_t pick = InputHash(data, size);
    const bool local = pick & 1;
    const std::string scope = local ? "local" : "user";
    QDir(QString::fromStdString(settingsFolder)).removeRecursively();
    QDir().mkpath(QString::fromStdString(settingsFolder));
    std::ofstream(settings::ScopeFile(local), std::ios::binary) << text;

    const std::set<Name> names = namesIn(text);
    std::vector<std::string> before;
    for (const auto& [section, name] : names) {
        const std::string v = GetRegistryValue(scope, section, name, kUnset);
        FUZZ_CHECK(v == kUnset || v.size() < RegistryReadLimit);
        before.push_back(v);
    }
    FUZZ_CHECK(settings::Unescape(settings::Escape(text)) == text);

    // A counter update as the game writes it, into a value the file may or
    // may not hold.
    static const Name written[] = {{"Statistic", "TotalVi"}, {"Statistic", "Debug"}, {"New", "Value"}};
    const Name& w = written[(pick >> 1) % 3];
    const std::string value = " " + std::to_string((pick >> 8) % 1000);
    SaveRegistryValue(scope, w.first, w.second, value);
    FUZZ_CHECK(GetRegistryValue(scope, w.first, w.second, "") == value);
    std::size_t i = 0;
    for (const auto& [section, name] : names) {
        if (Name{section, name} != w)
            FUZZ_CHECK(GetRegistryValue(scope, section, name, kUnset) == before[i]);
        ++i;
    }
    // The other scope is a file of its own.
    FUZZ_CHECK(GetRegistryValue(local ? "user" : "local", w.first, w.second, "none") == "none");
    FUZZ_CHECK(folderHoldsOnlyTheScopeFiles());
    FUZZ_CHECK(fuzz->table.dialogs.shown.empty());
    return 0;
}
