#include "base/settings_store.h"

#include "base/identity.h"

namespace ruvo {

using platform::Hive;

std::string SettingsStore::SettingsKey() {
    return std::string(MakerKey) + VersionName;
}

std::string SettingsStore::ReadSetting(const std::string& name) {
    registry_.createKey(Hive::CurrentUser, SettingsKey());
    return registry_.readString(Hive::CurrentUser, SettingsKey(), name).value_or("0");
}

std::optional<std::string> SettingsStore::ReadIfPresent(const std::string& name) {
    registry_.createKey(Hive::CurrentUser, SettingsKey());
    return registry_.readString(Hive::CurrentUser, SettingsKey(), name);
}

std::string SettingsStore::ReadOrEmpty(const std::string& name) {
    return ReadIfPresent(name).value_or("");
}

void SettingsStore::WriteSetting(const std::string& name, const std::string& text) {
    registry_.writeString(Hive::CurrentUser, SettingsKey(), name, text);
}

bool SettingsStore::Exists(const std::string& name) {
    return registry_.valueExists(Hive::CurrentUser, SettingsKey(), name);
}

bool SettingsStore::SubkeyExists(const std::string& subkey) {
    return registry_.keyExists(Hive::CurrentUser, SubkeyPath(subkey));
}

std::string SettingsStore::SubkeyPath(const std::string& subkey) const {
    return SettingsKey() + "\\" + subkey;
}

}  // namespace ruvo
