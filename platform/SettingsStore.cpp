#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <string_view>
#include <thread>
#include <utility>

namespace settings {

namespace {
using Records = std::map<std::pair<std::string, std::string>, std::string>;
using Clock = std::chrono::steady_clock;

// A write holds the lock for a few milliseconds; a holder that keeps it
// for this long is stopped or hung, not writing.
constexpr auto kLockWait = std::chrono::milliseconds(200);
// How often a waiter looks whether the lock is free.
constexpr auto kLockPoll = std::chrono::microseconds(100);
// How long a program that has just let go of the lock keeps off it: long
// enough for a waiter looking every kLockPoll to find it free.
constexpr auto kTurn = 4 * kLockPoll;
// How often a write reads and changes its file again when a write that did
// not wait for the lock replaced the file meanwhile.
constexpr int kAttempts = 5;
// What marks the game's own temporary files: ".<file>.lumra-" and six
// letters or digits, hidden and named as no player names a file.
constexpr std::string_view kTemporaryMark = ".lumra-";
constexpr std::size_t kTemporaryLetters = 6;
// Far longer than any write takes: a temporary file this much older than
// the one a write has just made was left by a killed write.
constexpr time_t kStaleTemporaryAge = 60;

std::function<void()>& pauseBeforeReplacing() {
    static std::function<void()> pause;
    return pause;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The lock a write holds while it reads, changes and writes a scope file: a
// kernel lock (flock) on the settings folder itself. No file is made for
// it, so none is left beside the settings, and nothing put at a name (a
// folder, a link, a pipe, another user's file) can keep a write from it.
// The kernel lets go of it when its holder ends, however it ends, so no
// lock is ever stale. The lock file of older versions (".<file>.lumra-lock")
// is no longer used and left alone, as is whatever else is at that name.
// What each state of the lock costs a write:
//  - free: the write takes it at once;
//  - held by a copy that is writing: the write waits for it, a few
//    milliseconds. A copy that writes without a pause would take the lock
//    again each time before a waiter looks, so one that let go of it keeps
//    off it for kTurn, and waiters get their turns;
//  - held past kLockWait (a copy stopped or hung in the middle of its
//    write, or any program that may read the folder and holds it): each
//    write waits that long, then goes ahead without the lock, as a single
//    program's would. Holding back would lose this write and every later
//    one for as long as the holder stays stopped, and nothing can tell a
//    stopped copy from a slow one to take its lock from it. save()'s check
//    keeps these writes and the holder's from covering one another (see
//    there);
//  - not to be had (a folder the game may not read, a file system without
//    such locks): the write goes ahead without it at once, and two copies
//    writing at the same moment then have save()'s check only.
class FolderLock {
public:
    explicit FolderLock(const QByteArray& folder)
        : fd_(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0 && !take()) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FolderLock() {
        if (fd_ < 0) return;
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        lastLetGo() = Clock::now().time_since_epoch().count();
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    // When this program (any of its threads) last let go of the lock.
    static std::atomic<Clock::rep>& lastLetGo() {
        static std::atomic<Clock::rep> at{0};
        return at;
    }
    bool take() const {
        const auto sinceLetGo = Clock::now() - Clock::time_point(Clock::duration(lastLetGo().load()));
        if (sinceLetGo < kTurn) std::this_thread::sleep_for(kTurn - sinceLetGo);
        const Clock::time_point deadline = Clock::now() + kLockWait;
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || Clock::now() >= deadline) return false;
            std::this_thread::sleep_for(kLockPoll);
        }
        return true;
    }

    int fd_;
};

std::string envOr(const char* name) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : std::string();
}

// Reads every record of a scope file; a missing or damaged file gives what
// could be read, never an error. False only when the file is there but
// cannot be read: writing over it then would lose every value it holds.
// Only an open that failed asks whether the file is there, so a file that is
// there always counts; a write renames its new file over the old in one step,
// so the name is never missing for a moment. The file stays open, so that
// save() can tell whether it is still the one at the name.
bool load(QFile& f, Records& out) {
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

std::string textOf(const Records& records) {
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
    return text;
}

// The file a link at the name leads to, however many links deep: a write
// replaces that file and keeps the links the player set up. A loop of
// links is replaced itself.
QString finalName(const QString& name) {
    QFileInfo file(name);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth) file.setFile(file.symLinkTarget());
    return file.isSymLink() ? name : file.filePath();
}

// The old file's permissions, which the new one takes; none when there was
// no file.
std::optional<mode_t> permissionsOf(const QFile& read) {
    struct stat st{};
    if (!read.isOpen() || ::fstat(read.handle(), &st) != 0) return std::nullopt;
    return st.st_mode & 0777;
}

// Whether the file at the name is still the one load() read (or still
// missing when it read none). Every write puts a new file in place, and the
// one read is held open, so its number cannot pass to a newer file.
bool unchanged(const QFile& read, const QByteArray& target) {
    struct stat named{};
    if (::stat(target.constData(), &named) != 0) return !read.isOpen() && errno == ENOENT;
    struct stat held{};
    return read.isOpen() && ::fstat(read.handle(), &held) == 0 && sameFile(held, named);
}

QString temporaryPrefix(const QString& target) {
    const QFileInfo file(target);
    return file.path() + "/." + file.fileName() + QString::fromLatin1(kTemporaryMark.data(), kTemporaryMark.size());
}

bool isLetterOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// From the system's generator: programs forked from one another would
// otherwise draw the same names.
QString randomLetters() {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    quint64 bits = QRandomGenerator::system()->generate64();
    QString letters;
    for (std::size_t i = 0; i < kTemporaryLetters; ++i, bits /= sizeof kLetters - 1)
        letters += QLatin1Char(kLetters[bits % (sizeof kLetters - 1)]);
    return letters;
}

// A scope file's new text, under the game's own temporary name beside the
// file (beside the file a link leads to) until it is renamed over the
// file; removed when it is not, unless the writer is killed first.
class NewFile {
public:
    NewFile(const QString& target, std::optional<mode_t> permissions) {
        const QString prefix = temporaryPrefix(target);
        for (int tries = 0; tries < 100 && fd_ < 0; ++tries) {
            const QByteArray name = QFile::encodeName(prefix + randomLetters());
            // With the old file's permissions, or for a new file read and
            // write for all less what the umask takes, as any program's new
            // file; fchmod gives back what the umask took of the old ones.
            fd_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                         permissions.value_or(0666));
            if (fd_ >= 0)
                name_ = name;
            else if (errno != EEXIST)
                break;
        }
        if (fd_ >= 0 && permissions) (void)::fchmod(fd_, *permissions);
    }
    ~NewFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!name_.isEmpty()) ::unlink(name_.constData());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // The whole text written and on disk, or false: a short write (a full
    // disk, a size limit) or a failed sync.
    bool write(const std::string& text) {
        if (fd_ < 0) return false;
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            done += static_cast<std::size_t>(n);
        }
        struct stat st{};
        if (::fdatasync(fd_) != 0 || ::fstat(fd_, &st) != 0) return false;
        writtenAt_ = st.st_mtim.tv_sec;
        return ::close(std::exchange(fd_, -1)) == 0;
    }
    bool replace(const QByteArray& target) {
        if (::rename(name_.constData(), target.constData()) != 0) return false;
        name_.clear();
        return true;
    }
    // When the file system's clock says it was written.
    time_t writtenAt() const { return writtenAt_; }

private:
    int fd_ = -1;
    QByteArray name_;
    time_t writtenAt_ = 0;
};

bool isStaleTemporary(int folder, const char* name, std::string_view prefix, time_t now) {
    const std::string_view n(name);
    if (n.size() != prefix.size() + kTemporaryLetters || !n.starts_with(prefix) ||
        !std::all_of(n.begin() + static_cast<std::ptrdiff_t>(prefix.size()), n.end(), isLetterOrDigit))
        return false;
    struct stat st{};
    return ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
           now - st.st_mtim.tv_sec > kStaleTemporaryAge;
}

// A write killed before its rename leaves its new file behind, under the
// game's own temporary name. A later write removes those that are
// kStaleTemporaryAge older than its own new file (both times from the same
// file system's clock), so the file of a copy that is writing stays; a copy
// stopped in its write for longer than that may find its file gone, and
// its write then fails or reads the file again, the file whole either way.
// Only this user's regular files with exactly such a name are removed;
// nothing a player names ("user.ini.backup", "user.ini.AbC123") has one.
// Nor are the "<file>.XXXXXX" copies older versions could leave: they
// cannot be told from the player's own.
void clearStaleTemporaries(const QString& target, time_t now) {
    const QByteArray name = QFile::encodeName(QFileInfo(temporaryPrefix(target)).fileName());
    const std::string_view prefix(name.constData(), static_cast<std::size_t>(name.size()));
    DIR* dir = ::opendir(QFile::encodeName(QFileInfo(target).path()).constData());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir))
        if (isStaleTemporary(::dirfd(dir), entry->d_name, prefix, now))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    ::closedir(dir);
}

enum class Saved { Yes, Failed, Overtaken };

// Writes the whole file anew, so the file on disk is always either the old
// text or the new one: the text goes into a new file, which is synced to
// disk, and only then is the file at the name checked to be still the one
// load() read and the new file renamed over it. A write that went ahead
// without the lock may have put a newer file in place since this one was
// read (or this writer was stopped or slow in its write, a slow disk's
// sync, while writes went ahead without it): the text is then not written,
// so that no value written meanwhile is lost, and the caller reads the file
// again. What can still be lost is a write that puts its file in place
// while this writer is between that check and the rename, as no call
// checks a name and renames over it in one step: this text then covers
// that write. The moment lasts a few microseconds, unless this writer is
// stopped there or the disk is busy, and only writes that went ahead
// without the lock can fall into it. On a failure the new file is removed
// and the old one stays as it was. A file the player made read-only is not
// written.
Saved save(const QFile& read, const Records& records) {
    const QString target = finalName(read.fileName());
    const QByteArray targetName = QFile::encodeName(target);
    if (read.isOpen() && ::access(targetName.constData(), W_OK) != 0) return Saved::Failed;
    NewFile file(target, permissionsOf(read));
    if (!file.write(textOf(records))) return Saved::Failed;
    if (const auto& pause = pauseBeforeReplacing()) pause();
    if (!unchanged(read, targetName)) return Saved::Overtaken;
    if (!file.replace(targetName)) return Saved::Failed;
    clearStaleTemporaries(target, file.writtenAt());
    return Saved::Yes;
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
    QFile f(QString::fromStdString(path));
    Records r;
    load(f, r);
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
    const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
    QDir().mkpath(folder);
    // Another running copy of the game may write the same file: reading,
    // changing and writing it under one lock keeps each other's values.
    const FolderLock lock(QFile::encodeName(folder));
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        QFile f(QString::fromStdString(path));
        Records r;
        const bool readable = load(f, r);
        const auto it = r.find({section, name});
        const std::optional<std::string> value = change(it == r.end() ? std::nullopt : std::optional(it->second));
        if (!value) return true;
        // A file that is there but unreadable is never written over.
        if (!readable) return false;
        r[{section, name}] = *value;
        const Saved saved = save(f, r);
        if (saved != Saved::Overtaken) return saved == Saved::Yes;
    }
    return false;
}

void SetPauseBeforeReplacingForTests(std::function<void()> pause) { pauseBeforeReplacing() = std::move(pause); }

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
