#include "platform/desktop/desktop_registry.h"

#include <array>
#include <vector>

#include "platform/desktop/registry_names.h"

namespace ruvo::desktop {

namespace {

using platform::Hive;

// Where a key of the machine's hive lies relative to the Run key.
enum class MachineKey { Run, AboveRun, Elsewhere };

MachineKey ClassifyMachineKey(const std::string& key) {
    static const std::array<std::string, 5> runPath = {"Software", "Microsoft", "Windows",
                                                       "CurrentVersion", "Run"};
    const std::vector<std::string> parts = SplitKeyPath(key);
    if (parts.size() > runPath.size()) {
        return MachineKey::Elsewhere;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!SameName(parts[i], runPath[i])) {
            return MachineKey::Elsewhere;
        }
    }
    return parts.size() == runPath.size() ? MachineKey::Run : MachineKey::AboveRun;
}

[[noreturn]] void FailMachineKey(const std::string& key) {
    throw platform::RegistryError("Zugriff verweigert: HKEY_LOCAL_MACHINE\\" + key);
}

}  // namespace

DesktopRegistry::DesktopRegistry(const std::string& configFolder,
                                 const std::string& applicationTitle)
    : settings_(configFolder), autostart_(configFolder + "/autostart", applicationTitle) {}

bool DesktopRegistry::keyExists(Hive hive, const std::string& key) {
    if (hive == Hive::CurrentUser) {
        return settings_.keyExists(SplitKeyPath(key));
    }
    return ClassifyMachineKey(key) != MachineKey::Elsewhere;
}

void DesktopRegistry::createKey(Hive hive, const std::string& key) {
    if (hive == Hive::CurrentUser) {
        settings_.createKey(SplitKeyPath(key));
    } else if (ClassifyMachineKey(key) == MachineKey::Elsewhere) {
        FailMachineKey(key);
    }
}

bool DesktopRegistry::valueExists(Hive hive, const std::string& key, const std::string& name) {
    if (hive == Hive::CurrentUser) {
        return settings_.valueExists(SplitKeyPath(key), name);
    }
    return ClassifyMachineKey(key) == MachineKey::Run && autostart_.valueExists(name);
}

std::optional<std::string> DesktopRegistry::readString(Hive hive, const std::string& key,
                                                       const std::string& name) {
    if (hive == Hive::CurrentUser) {
        return settings_.readString(SplitKeyPath(key), name);
    }
    if (ClassifyMachineKey(key) != MachineKey::Run) {
        return std::nullopt;
    }
    return autostart_.readString(name);
}

void DesktopRegistry::writeString(Hive hive, const std::string& key, const std::string& name,
                                  const std::string& text) {
    if (hive == Hive::CurrentUser) {
        settings_.writeString(SplitKeyPath(key), name, text);
    } else if (ClassifyMachineKey(key) == MachineKey::Run) {
        autostart_.writeString(name, text);
    } else {
        FailMachineKey(key);
    }
}

void DesktopRegistry::deleteValue(Hive hive, const std::string& key, const std::string& name) {
    if (hive == Hive::CurrentUser) {
        settings_.deleteValue(SplitKeyPath(key), name);
    } else if (ClassifyMachineKey(key) == MachineKey::Run) {
        autostart_.deleteValue(name);
    }
}

void DesktopRegistry::deleteKeyTree(Hive hive, const std::string& key) {
    if (hive == Hive::CurrentUser) {
        settings_.deleteKeyTree(SplitKeyPath(key));
    } else if (ClassifyMachineKey(key) != MachineKey::Elsewhere) {
        FailMachineKey(key);  // the autostart folder holds other programs' entries too
    }
}

void DesktopRegistry::replaceKey(Hive hive, const std::string& key, const NamedValues& values) {
    if (hive != Hive::CurrentUser) {
        FailMachineKey(key);  // the machine's keys cannot be deleted, so not replaced either
    }
    settings_.replaceKey(SplitKeyPath(key), values);
}

}  // namespace ruvo::desktop
