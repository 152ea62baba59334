#include "platform/desktop/xdg_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace ruvo::desktop {

namespace {

std::string AbsoluteFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    return value;
}

std::string HomeFolder() {
    std::string home = AbsoluteFromEnvironment("HOME");
    if (!home.empty()) {
        return home;
    }
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return "/tmp";
}

std::string OrDefault(std::string value, const std::string& fallback) {
    return value.empty() ? fallback : value;
}

}  // namespace

XdgFolders XdgFolders::fromEnvironment() {
    XdgFolders folders;
    folders.configHome =
        OrDefault(AbsoluteFromEnvironment("XDG_CONFIG_HOME"), HomeFolder() + "/.config");
    folders.dataHome =
        OrDefault(AbsoluteFromEnvironment("XDG_DATA_HOME"), HomeFolder() + "/.local/share");
    folders.runtimeDir = OrDefault(AbsoluteFromEnvironment("XDG_RUNTIME_DIR"),
                                   OrDefault(AbsoluteFromEnvironment("TMPDIR"), "/tmp") +
                                       "/ruvometer-runtime-" + std::to_string(geteuid()));
    return folders;
}

}  // namespace ruvo::desktop
