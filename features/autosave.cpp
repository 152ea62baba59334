#include "features/autosave.h"

#include "base/setting_names.h"

namespace ruvo {

bool Autosave::exists() {
    return settings_.subkeyExists(setting::AutosaveSubkey);
}

void Autosave::write(const ConnectionRecord& record) {
    // One replacement, not a deletion and ten writes: a crash in between would leave an autosave
    // without the connection's charges and start, and the recovery would store that.
    platform::Registry::NamedValues values;
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        values.emplace_back(kAutosaveValueNames[i], record.*kRecordFields[i]);
    }
    settings_.registry().replaceKey(platform::Hive::CurrentUser,
                                    settings_.subkeyPath(setting::AutosaveSubkey), values);
}

ConnectionRecord Autosave::read() {
    const std::string key = settings_.subkeyPath(setting::AutosaveSubkey);
    auto& registry = settings_.registry();
    registry.createKey(platform::Hive::CurrentUser, key);
    ConnectionRecord record;
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        record.*kRecordFields[i] =
            registry.readString(platform::Hive::CurrentUser, key, kAutosaveValueNames[i])
                .value_or("");
    }
    return record;
}

void Autosave::remove() {
    settings_.registry().deleteKeyTree(platform::Hive::CurrentUser,
                                       settings_.subkeyPath(setting::AutosaveSubkey));
}

}  // namespace ruvo
