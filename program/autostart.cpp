#include "program/autostart.h"

#include "base/identity.h"

namespace ruvo {

using platform::Hive;

bool AutostartEntry::exists() {
    return existsFor(VersionName);
}

void AutostartEntry::write() {
    registry_.createKey(Hive::LocalMachine, RunKey);
    registry_.writeString(Hive::LocalMachine, RunKey, VersionName, paths_.programFilePath());
}

void AutostartEntry::remove() {
    removeFor(VersionName);
}

bool AutostartEntry::existsFor(const std::string& versionName) {
    return registry_.valueExists(Hive::LocalMachine, RunKey, versionName);
}

void AutostartEntry::removeFor(const std::string& versionName) {
    registry_.createKey(Hive::LocalMachine, RunKey);
    if (registry_.valueExists(Hive::LocalMachine, RunKey, versionName)) {
        registry_.deleteValue(Hive::LocalMachine, RunKey, versionName);
    }
}

}  // namespace ruvo
