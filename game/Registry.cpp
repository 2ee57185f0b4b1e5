#include "Registry.h"

#include "SettingsStore.h"

namespace {
// The store never receives an empty value.
std::string storable(const std::string& value) { return value.empty() ? std::string(" ") : value; }

std::string asRead(const std::optional<std::string>& stored, const std::string& defaultValue) {
    // The read buffer holds 254 bytes of text and its terminating NUL.
    if (!stored || stored->size() >= RegistryReadLimit) return defaultValue;
    return *stored;
}
}  // namespace

void SaveRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                       const std::string& value) {
    settings::Write(scope == "local", section, name, storable(value));
}

std::string GetRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                             const std::string& defaultValue) {
    return asRead(settings::Read(scope == "local", section, name), defaultValue);
}

std::optional<std::string> ChangeRegistryValue(
    const std::string& scope, const std::string& section, const std::string& name, const std::string& defaultValue,
    const std::function<std::optional<std::string>(const std::string& stored)>& change) {
    std::optional<std::string> made;
    settings::Update(scope == "local", section, name, [&](const std::optional<std::string>& stored) {
        made = change(asRead(stored, defaultValue));
        return made ? std::optional(storable(*made)) : std::nullopt;
    });
    return made;
}
