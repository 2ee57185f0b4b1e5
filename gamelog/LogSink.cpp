#include "Main.h"

// The game-log sink keeps no file and no lines: it hands each line to the
// listeners, if any, and forgets it.
void Main::Log(const std::string& line) {
    if (LogListeners.empty()) return;
    // A listener may remove itself while it is being told.
    const auto listeners = LogListeners;
    for (const auto& entry : listeners) entry.second(line);
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
