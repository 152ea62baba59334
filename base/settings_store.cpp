#include "base/settings_store.h"

#include "base/identity.h"

namespace ruvo {

using platform::Hive;

std::string SettingsStore::settingsKey() {
    return std::string(MakerKey) + VersionName;
}

std::string SettingsStore::readSetting(const std::string& name) {
    registry_.createKey(Hive::CurrentUser, settingsKey());
    return registry_.readString(Hive::CurrentUser, settingsKey(), name).value_or("0");
}

std::optional<std::string> SettingsStore::readIfPresent(const std::string& name) {
    registry_.createKey(Hive::CurrentUser, settingsKey());
    return registry_.readString(Hive::CurrentUser, settingsKey(), name);
}

std::string SettingsStore::readOrEmpty(const std::string& name) {
    return readIfPresent(name).value_or("");
}

void SettingsStore::writeSetting(const std::string& name, const std::string& text) {
    registry_.writeString(Hive::CurrentUser, settingsKey(), name, text);
}

bool SettingsStore::exists(const std::string& name) {
    return registry_.valueExists(Hive::CurrentUser, settingsKey(), name);
}

bool SettingsStore::subkeyExists(const std::string& subkey) {
    return registry_.keyExists(Hive::CurrentUser, subkeyPath(subkey));
}

std::string SettingsStore::subkeyPath(const std::string& subkey) const {
    return settingsKey() + "\\" + subkey;
}

}  // namespace ruvo
