#pragma once
// Settings and statistics kept between runs, addressed by a scope word, a
// section and a name; every value is text. Only the exact scope word "local"
// selects the machine-wide store; any other word selects the user's store.
// Neither call ever reports a failure: a lost write is silent and a failed
// read gives the default.

#include <string>

void SaveRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                       const std::string& value);
std::string GetRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                             const std::string& defaultValue);

// A stored text of this many bytes or more no longer fits the read buffer
// and reads as the default.
inline constexpr std::size_t RegistryReadLimit = 255;
