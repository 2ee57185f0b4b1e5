#include "Registry.h"

#include "SettingsStore.h"

void SaveRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                       const std::string& value) {
    // The store never receives an empty value.
    settings::Write(scope == "local", section, name, value.empty() ? std::string(" ") : value);
}

std::string GetRegistryValue(const std::string& scope, const std::string& section, const std::string& name,
                             const std::string& defaultValue) {
    const auto stored = settings::Read(scope == "local", section, name);
    if (!stored) return defaultValue;
    // The read buffer holds 254 bytes of text and its terminating NUL.
    if (stored->size() >= RegistryReadLimit) return defaultValue;
    return *stored;
}
