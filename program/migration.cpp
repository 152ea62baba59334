#include "program/migration.h"

#include <string>

#include "base/identity.h"
#include "base/messages.h"

namespace ruvo {

void MigrateOldVersions(platform::Registry& registry, platform::WindowSystem& windows,
                        AutostartEntry& autostart) {
    constexpr int kHighestOlderMajor = 2;
    for (int major = 1; major <= kHighestOlderMajor; ++major) {
        for (int minor = 0; minor <= 9; ++minor) {
            const std::string name =
                "Ruvometer " + std::to_string(major) + "." + std::to_string(minor);
            if (name == VersionName) {
                break;
            }
            const std::string key = std::string(MakerKey) + name;
            if (!registry.keyExists(platform::Hive::CurrentUser, key)) {
                continue;
            }
            Inform(windows, std::string(VersionName) +
                                " hat eine alte Version des Ruvometers in der "
                                "Windowsregistrierdatenbank gefunden.\n\nDie Einträge dieser "
                                "alten Version werden jetzt gelöscht, da sie überflüssig sind.");
            registry.deleteKeyTree(platform::Hive::CurrentUser, key);
            autostart.removeFor(name);
        }
    }
}

}  // namespace ruvo
