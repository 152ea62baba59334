// The per-user folders of the XDG Base Directory layout, from the environment.
#pragma once

#include <string>

namespace ruvo::desktop {

struct XdgFolders {
    std::string configHome;  // $XDG_CONFIG_HOME, else ~/.config
    std::string dataHome;    // $XDG_DATA_HOME, else ~/.local/share
    // $XDG_RUNTIME_DIR, else the user's own folder ruvometer-runtime-<uid> in $TMPDIR or /tmp.
    // Whoever uses it checks that it is private to the user: under /tmp anybody may have made
    // it first.
    std::string runtimeDir;

    // Variables that are unset, empty or not absolute paths are ignored, as the layout says.
    static XdgFolders fromEnvironment();
};

}  // namespace ruvo::desktop
