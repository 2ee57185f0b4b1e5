#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdlib>
#include <map>
#include <sstream>
#include <utility>

namespace settings {

namespace {
using Records = std::map<std::pair<std::string, std::string>, std::string>;

// A write holds the lock for milliseconds. A lock whose owner has died is
// taken over at once (QLockFile sees that the process is gone); one whose
// owner hangs, or lives on another machine sharing the home, counts as stale
// after this long.
constexpr int kStaleLockMs = 10000;
// How long a write waits for another program's write before it is dropped.
constexpr int kLockWaitMs = 5000;

// The lock beside a scope file, under a name no player gives a file:
// QLockFile removes a stale file of that name.
QString lockFileFor(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    return file.absolutePath() + "/." + file.fileName() + ".lumra-lock";
}

std::string envOr(const char* name) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : std::string();
}

// Reads every record of a scope file; a missing or damaged file gives what
// could be read, never an error. False only when the file is there but
// cannot be read: writing over it then would lose every value it holds.
// Only an open that failed asks whether the file is there, so a file that is
// there always counts; a write renames its new file over the old in one step,
// so the name is never missing for a moment.
bool load(const std::string& path, Records& out) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return !f.exists();
    const QByteArray data = f.readAll();
    std::istringstream in(data.toStdString());
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            section = close == std::string::npos ? std::string() : Unescape(line.substr(1, close - 1));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos || section.empty()) continue;
        out[{section, Unescape(line.substr(0, eq))}] = Unescape(line.substr(eq + 1));
    }
    return true;
}

// Writes the whole file anew through QSaveFile, so the file on disk is always
// either the old text or the new one. Nothing left over by a killed write is
// tidied away: on Linux QSaveFile writes into an unnamed file, which goes with
// the writer; where it falls back to "<file>.XXXXXX", such a copy cannot be
// told from one the player made and named ("user.ini.backup"), so it stays.
bool save(const std::string& path, const Records& records) {
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly)) return false;
    std::string text, section;
    bool first = true;
    for (const auto& [key, value] : records) {
        if (first || key.first != section) {
            section = key.first;
            text += (first ? "" : "\n") + std::string("[") + Escape(section) + "]\n";
            first = false;
        }
        text += Escape(key.second) + "=" + Escape(value) + "\n";
    }
    // QSaveFile holds the text in a buffer and commits even when emptying
    // that buffer at the end fails (a full disk, a size limit), which would
    // put a file without its tail in place; emptying it here first and
    // giving up on a failure keeps the old file instead.
    if (f.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// The user's configuration folder, or none when the user has no home: Qt
// then names a folder under the root, which is nobody's.
QString configBase() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (QDir::isAbsolutePath(qEnvironmentVariable("XDG_CONFIG_HOME"))) return base;
    if (qEnvironmentVariableIsEmpty("HOME")) return {};
    // A relative XDG_CONFIG_HOME is no folder of the user's; it is ignored.
    if (QDir::isRelativePath(base)) base = QDir::homePath() + "/.config";
    return base;
}
}  // namespace

std::string SettingsFolder() {
    std::string dir = envOr("LUMRA_SETTINGS_DIR");
    if (!dir.empty()) return dir;
    const QString base = configBase();
    return base.isEmpty() ? std::string() : (base + "/Lumra Quest").toStdString();
}

std::string ScopeFile(bool localScope) {
    const std::string folder = SettingsFolder();
    return folder.empty() ? std::string() : folder + (localScope ? "/local.ini" : "/user.ini");
}

std::optional<std::string> Read(bool localScope, const std::string& section, const std::string& name) {
    const std::string path = ScopeFile(localScope);
    if (path.empty()) return std::nullopt;
    Records r;
    load(path, r);
    const auto it = r.find({section, name});
    if (it == r.end()) return std::nullopt;
    return it->second;
}

bool Update(bool localScope, const std::string& section, const std::string& name, const Change& change) {
    const std::string path = ScopeFile(localScope);
    if (path.empty()) {  // nowhere to keep it: the game plays on without
        change(std::nullopt);
        return false;
    }
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    // Another running copy of the game may write the same file: reading,
    // changing and writing it under one lock keeps each other's values. A
    // write that cannot get the lock is dropped; it never writes over a file
    // it has not read under the lock.
    QLockFile lock(lockFileFor(path));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs)) {
        change(std::nullopt);
        return false;
    }
    Records r;
    const bool readable = load(path, r);
    const auto it = r.find({section, name});
    const std::optional<std::string> value = change(it == r.end() ? std::nullopt : std::optional(it->second));
    if (!value) return true;
    // A file that is there but unreadable is never written over.
    if (!readable) return false;
    r[{section, name}] = *value;
    return save(path, r);
}

bool Write(bool localScope, const std::string& section, const std::string& name, const std::string& value) {
    return Update(localScope, section, name, [&](const std::optional<std::string>&) { return value; });
}

std::string Escape(const std::string& raw) {
    std::string out;
    for (char c : raw) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '=': out += "\\e"; break;
        case '[': out += "\\o"; break;
        case ']': out += "\\c"; break;
        case ';': out += "\\s"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 'e': out += '='; break;
        case 'o': out += '['; break;
        case 'c': out += ']'; break;
        case 's': out += ';'; break;
        default: out += text[i];
        }
    }
    return out;
}

}  // namespace settings
