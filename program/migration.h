// Removes the settings and autostart entries of older versions of the program.
#pragma once

#include "platform/platform.h"
#include "program/autostart.h"

namespace ruvo {

// Looks for the keys of versions 1.0 to 1.9 and 2.0 up to the one before this version; for each
// one found, tells the user, deletes the key with its subkeys and the version's autostart entry.
void MigrateOldVersions(platform::Registry& registry, platform::WindowSystem& windows,
                        AutostartEntry& autostart);

}  // namespace ruvo
