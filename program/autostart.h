// The autostart entry: a value named after the version under the machine's Run key, holding the
// program's path. Its presence makes the desktop start the program at log-in.
#pragma once

#include <string>

#include "platform/platform.h"

namespace ruvo {

class AutostartEntry {
public:
    AutostartEntry(platform::Registry& registry, platform::Paths& paths)
        : registry_(registry), paths_(paths) {}

    bool exists();
    // Writes the entry with the current program path.
    void write();
    // Deleting an absent entry is not an error.
    void remove();
    // The entry of another (older) version.
    bool existsFor(const std::string& versionName);
    void removeFor(const std::string& versionName);

private:
    platform::Registry& registry_;
    platform::Paths& paths_;
};

}  // namespace ruvo
