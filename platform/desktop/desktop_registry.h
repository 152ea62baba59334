// The registry on a Linux desktop: the user's hive in INI files (SettingsFiles), the machine's
// autostart key in XDG autostart entries (AutostartEntries).
//
// Of HKEY_LOCAL_MACHINE only "Software\Microsoft\Windows\CurrentVersion\Run" holds values; it and
// the keys above it always exist and cannot be deleted, every other key there does not exist and
// cannot be created.
#pragma once

#include <optional>
#include <string>

#include "platform/desktop/autostart_entries.h"
#include "platform/desktop/settings_files.h"
#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopRegistry final : public platform::Registry {
public:
    // The user's settings go below `configFolder`, autostart entries into its "autostart"
    // folder, named `applicationTitle`.
    DesktopRegistry(const std::string& configFolder, const std::string& applicationTitle);

    bool keyExists(platform::Hive hive, const std::string& key) override;
    void createKey(platform::Hive hive, const std::string& key) override;
    bool valueExists(platform::Hive hive, const std::string& key, const std::string& name) override;
    std::optional<std::string> readString(platform::Hive hive, const std::string& key,
                                          const std::string& name) override;
    void writeString(platform::Hive hive, const std::string& key, const std::string& name,
                     const std::string& text) override;
    void deleteValue(platform::Hive hive, const std::string& key, const std::string& name) override;
    void deleteKeyTree(platform::Hive hive, const std::string& key) override;
    void replaceKey(platform::Hive hive, const std::string& key,
                    const NamedValues& values) override;

    SettingsFiles& settings() { return settings_; }
    AutostartEntries& autostart() { return autostart_; }

private:
    SettingsFiles settings_;
    AutostartEntries autostart_;
};

}  // namespace ruvo::desktop
