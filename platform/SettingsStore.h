#pragma once
// The persistent store behind the game's registry values: one text file per
// scope ("local" and "user") in the settings folder, holding
// section / name / value records. Every call opens the file, reads or
// writes it and closes it again; nothing is cached, so two running programs
// see each other's writes. Writes are atomic (the new text goes into a file
// of the game's own beside the old one, ".<file>.lumra-" and six letters
// or digits, which is renamed over it), and each one reads, changes and
// writes its file under a kernel lock on the settings folder, so two
// programs writing at once keep each other's values. A lock the game
// cannot take holds a write up for a moment at most (SettingsStore.cpp
// tells which). A damaged or unreadable file reads as missing values.
//
// The settings folder is $LUMRA_SETTINGS_DIR when set (tests use it), else
// "Lumra Quest" in the user's configuration folder ($XDG_CONFIG_HOME or
// ~/.config). With no home there is no folder: reads give nothing and
// writes fail, so the game plays on without statistics.

#include <functional>
#include <optional>
#include <string>

namespace settings {

// The empty text when there is no folder for the settings.
std::string SettingsFolder();
// The file that holds one scope's values ("local.ini" or "user.ini"); the
// empty text when there is no folder.
std::string ScopeFile(bool localScope);

std::optional<std::string> Read(bool localScope, const std::string& section, const std::string& name);
// False when the value could not be written (the caller stays silent).
bool Write(bool localScope, const std::string& section, const std::string& name, const std::string& value);

// What a value becomes, from what Read would give for it; nothing leaves it
// as it is.
using Change = std::function<std::optional<std::string>(const std::optional<std::string>& stored)>;
// Reads a value and writes what change() makes of it as one step, so that
// no other program's write of the file comes between (a count bumped by two
// programs at once keeps both bumps). change() is called at least once,
// also when there is nowhere to write, and again should another program
// have replaced the file meanwhile; the last call's answer is the one
// written. False when it could not be written.
bool Update(bool localScope, const std::string& section, const std::string& name, const Change& change);

// For tests only; the game never sets it. Called in every write once the
// new text is on disk under its temporary name, just before the last check
// that the file is still the one that was read and the rename, so that a
// test can stop or slow a write where that costs other writers most. An
// empty function clears it.
void SetPauseBeforeReplacingForTests(std::function<void()> pause);

// The escaping used in the files, exposed for tests: backslash, CR, LF,
// "=", "[", "]" and ";" are written as escapes so a value may hold any
// character.
std::string Escape(const std::string& raw);
std::string Unescape(const std::string& text);

}  // namespace settings
