// The program's settings: string values under the settings key of the user's registry, read and
// written one at a time at the moment they are used.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace ruvo {

class SettingsStore {
public:
    explicit SettingsStore(platform::Registry& registry) : registry_(registry) {}

    // "Software\Quelmar\Ruvometer 2.3".
    static std::string settingsKey();

    // The value's text; "0" when the value does not exist. Creates the key when missing.
    std::string readSetting(const std::string& name);
    // The value's text, or nothing when it does not exist.
    std::optional<std::string> readIfPresent(const std::string& name);
    // The value's text, or the empty text when it does not exist.
    std::string readOrEmpty(const std::string& name);
    void writeSetting(const std::string& name, const std::string& text);
    bool exists(const std::string& name);

    // Subkeys of the settings key ("Temp", "Feiertage").
    bool subkeyExists(const std::string& subkey);
    std::string subkeyPath(const std::string& subkey) const;

    platform::Registry& registry() { return registry_; }

private:
    platform::Registry& registry_;
};

}  // namespace ruvo
