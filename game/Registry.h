#pragma once
// Settings and statistics kept between runs, addressed by a scope word, a
// section and a name; every value is text. Only the exact scope word "local"
// selects the machine-wide store; any other word selects the user's store.
// Neither call ever reports a failure: a lost write is silent and a failed
// read gives the default.

#include <functional>
#include <optional>
#include <string>

void SaveRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                       const std::string& value);
std::string GetRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                             const std::string& defaultValue);
// Reads a value as GetRegistryValue does and saves what change() makes of
// it, with no other program's write between the two: a count bumped by two
// games at once keeps both bumps. change() gives nothing to leave the value
// as it is, and may be called again when another program wrote meanwhile.
// Gives what the last call of change() gave.
std::optional<std::string> ChangeRegistryValue(
    const std::string& scope, const std::string& section, const std::string& name, const std::string& defaultValue,
    const std::function<std::optional<std::string>(const std::string& stored)>& change);

// A stored text of this many bytes or more no longer fits the read buffer
// and reads as the default.
inline constexpr std::size_t RegistryReadLimit = 255;
