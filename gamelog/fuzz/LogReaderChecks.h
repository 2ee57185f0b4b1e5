#pragma once
// What must hold for any input to the log readers: they return, and what
// they accept is a deal the table can take (distinct real cards, at most
// ten per section, a full pack order).

#include <set>
#include <string>
#include <variant>

#include "LogFileReader.h"

inline bool ReplayResultIsSound(const std::variant<ReplayData, LogReadError>& r) {
    if (const auto* e = std::get_if<LogReadError>(&r)) return !e->message.empty();
    const ReplayData& d = std::get<ReplayData>(r);
    std::set<int> seen;
    for (std::size_t s = 0; s < 4; ++s) {
        if (d.beforeBuying[s].size() > 10 || d.bought[s].size() > 10) return false;
        for (const int nr : d.cards[s])
            if (nr < 0 || nr > 51 || !seen.insert(nr).second) return false;
    }
    if (d.bid && (*d.bid < 6 || *d.bid > 14)) return false;
    return d.colour == 1 || d.colour == 2 || d.colour == 4 || d.colour == 8;
}

inline bool ReloadResultIsSound(const std::variant<ReloadData, LogReadError>& r) {
    if (const auto* e = std::get_if<LogReadError>(&r)) return !e->message.empty();
    std::set<int> seen;
    for (const int nr : std::get<ReloadData>(r).order)
        if (nr < 0 || nr > 51 || !seen.insert(nr).second) return false;
    return seen.size() == 52;
}

// The first byte picks the trump colour in play; the rest is the file.
inline bool LogReadersHold(const std::string& input) {
    const std::int32_t colours[] = {0, 1, 2, 4, 8, 3};
    const std::int32_t colour = input.empty() ? 0 : colours[static_cast<unsigned char>(input[0]) % 6];
    const auto lines = SplitLogText(input.empty() ? input : input.substr(1));
    return ReplayResultIsSound(ParseReplayLog(lines, colour)) && ReloadResultIsSound(ParseReloadLog(lines));
}
