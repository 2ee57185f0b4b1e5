#include "GameLog.h"
#include "Main.h"

#include <vector>

namespace {
// A text handed to the log may hold line breaks (a rule trace names each
// rule on a line of its own); a log line never does, so each piece is a
// line of its own, as a log file would show it.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    lines.push_back(current);
    return lines;
}
}  // namespace

// The game-log sink keeps no file and no lines: it hands each line to the
// listeners, if any, and forgets it.
void Main::Log(const std::string& text) {
    if (LogListeners.empty()) return;
    // A listener may remove itself while it is being told.
    const auto listeners = LogListeners;
    for (const std::string& line : splitLines(text))
        for (const auto& entry : listeners) entry.second(line);
}

bool GameLogWanted() {
    const Main* m = Main::instance();
    return m && !m->LogListeners.empty();
}

void Main::LogInit() {}

// Runs at every new deal. A deal replayed from a file has ended by the time
// an ordinary deal starts, so the running game's totals go back here if the
// end of that deal did not already restore them.
void Main::LogClose() {
    if (!bReplay) RestoreTotalsAfterLogReplay();
}

int Main::AddLogListener(LogListener listener) {
    const int id = NextLogListenerId++;
    LogListeners.emplace_back(id, std::move(listener));
    return id;
}

void Main::RemoveLogListener(int id) {
    std::erase_if(LogListeners, [id](const auto& entry) { return entry.first == id; });
}
