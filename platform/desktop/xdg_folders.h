// The per-user folders of the XDG Base Directory layout, from the environment.
#pragma once

#include <string>

namespace ruvo::desktop {

struct XdgFolders {
    std::string configHome;  // $XDG_CONFIG_HOME, else ~/.config
    std::string dataHome;    // $XDG_DATA_HOME, else ~/.local/share
    std::string runtimeDir;  // $XDG_RUNTIME_DIR, else /tmp/runtime-<uid> (see PrivateFolder)

    // Variables that are unset, empty or not absolute paths are ignored, as the layout says.
    static XdgFolders FromEnvironment();
};

// Makes `path` a folder that only this user can use: creates it with mode 0700 when missing.
// False when it exists but is not a folder owned by this user (then nobody should trust it).
bool EnsurePrivateFolder(const std::string& path);

}  // namespace ruvo::desktop
