#pragma once
// What the fuzz targets of the data-file readers share: a headless Qt
// application, a table whose message boxes are answered from a script (so
// no input ever waits for a click), and an installation folder of its own
// inside a folder that must stay otherwise empty.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Main.h"
#include "TestTable.h"

struct FuzzTable {
    QTemporaryDir root;  // holds only the installation folder
    TestTable table;
    std::string folder;  // the installation folder, with "/"

    FuzzTable() {
        const QString path = root.path() + "/install";
        QDir().mkpath(path);
        folder = path.toStdString() + "/";
        table.m().gbInstallPath = folder;
    }
    Main& m() { return table.m(); }

    void write(const std::string& name, const std::string& text) const {
        std::ofstream(folder + name, std::ios::binary) << text;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // True when the folders hold exactly the files the target wrote: the
    // readers never write.
    bool onlyFiles(const QStringList& names) const {
        const QStringList top = QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QStringList inside = QDir(QString::fromStdString(folder))
                                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        QStringList wanted = names;
        wanted.sort();
        return top == QStringList{"install"} && inside == wanted;
    }
};

// Made once and never taken down: the process ends when the fuzzer stops,
// and Qt must not be torn down from the exit handlers.
inline FuzzTable* StartFuzzTable(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    return new FuzzTable();
}

// A number drawn from the whole input, to pick the situation an input is
// read in.
inline std::uint64_t InputHash(const std::uint8_t* data, std::size_t size) {
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
    return h;
}

// Ends the run with the input kept, naming the property that failed.
[[noreturn]] inline void FuzzFailed(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
#define FUZZ_CHECK(cond) \
    do {                 \
        if (!(cond)) FuzzFailed(#cond); \
    } while (0)
