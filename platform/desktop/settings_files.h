// The user's settings hive kept as INI files under the XDG config folder.
//
// A key path "Software\<Maker>\<Product>\<Group>\..." maps onto the file
// "<config>/<Maker>/<Product>.conf", whose INI groups hold the deeper keys: the settings key
// "Software\Quelmar\Ruvometer 2.3" is "Quelmar/Ruvometer 2.3.conf", its subkey "Temp" the group
// [Temp]. "Software" itself always exists, "Software\<Maker>" is the folder. Folders, files,
// groups and value names are all matched without regard to case; new ones take the spelling
// asked for.
//
// Nothing stays open between calls: each call opens the file, so an edit by hand is seen at the
// next call (see settings_file_stamps.h for what that takes with QSettings), and each change is
// written to disk (atomically, through a temporary file and a rename) before the call returns. A
// file that cannot be read or parsed, and a value that is not plain text (a list, a byte array or
// other typed value), is a RegistryError. A group without values is kept alive by a placeholder
// entry named "." that is never reported as a value.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop/settings_file_stamps.h"

namespace ruvo::desktop {

class SettingsFiles {
public:
    explicit SettingsFiles(std::string configFolder);

    using KeyPath = std::vector<std::string>;
    bool keyExists(const KeyPath& key) const;
    void createKey(const KeyPath& key);
    bool valueExists(const KeyPath& key, const std::string& name) const;
    std::optional<std::string> readString(const KeyPath& key, const std::string& name) const;
    void writeString(const KeyPath& key, const std::string& name, const std::string& text);
    void deleteValue(const KeyPath& key, const std::string& name);
    void deleteKeyTree(const KeyPath& key);
    // The key with its subkeys deleted and created again with these values, in one write of its
    // file: a crash leaves the old key or the new one.
    void replaceKey(const KeyPath& key,
                    const std::vector<std::pair<std::string, std::string>>& values);

private:
    std::string configFolder_;
    mutable SettingsFileStamps stamps_;
};

}  // namespace ruvo::desktop
