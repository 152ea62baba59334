// The autosave must survive the program dying at any moment: the registry never holds a part of
// one, and a write leaves nothing of the previous one behind.
#include "features/autosave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_registry.h"

namespace ruvo {
namespace {

using platform::Hive;

ConnectionRecord Unit(const char* units, const char* seconds, const char* charge, const char* end) {
    return {"Ganztag", seconds,    units,      charge, "0",
            charge,    "20:00:08", "02.05.00", end,    "02.05.00"};
}

TEST(Autosave, EachWriteIsOneChangeThatHoldsTheWholeRecord) {
    fake::FakeRegistry registry;
    SettingsStore settings(registry);
    Autosave autosave(settings);
    const std::string key = settings.subkeyPath("Temp");
    registry.writeString(Hive::CurrentUser, key, "Fremd", "from an older run");
    registry.writeString(Hive::CurrentUser, key + "\\Unter", "x", "y");

    // What a crash right after each change would leave.
    std::vector<std::string> states;
    registry.setChangeHandler([&] { states.push_back(registry.toRegedit()); });
    const std::vector<ConnectionRecord> written = {Unit("1", "0", "12", "20:00:08"),
                                                   Unit("2", "60", "24", "20:01:08")};
    for (const ConnectionRecord& record : written) {
        autosave.write(record);
    }
    registry.setChangeHandler(nullptr);

    ASSERT_EQ(states.size(), written.size());
    for (std::size_t i = 0; i < states.size(); ++i) {
        fake::FakeRegistry after;
        after.fromRegedit(states[i]);
        SettingsStore afterSettings(after);
        EXPECT_EQ(Autosave(afterSettings).read(), written[i]) << i;
        EXPECT_EQ(after.valueNames(Hive::CurrentUser, key),
                  (std::vector<std::string>{"Tarif", "Zeit", "Einheiten", "Telegeb", "Provgeb",
                                            "Gesamt", "AZeit", "ADatum", "EZeit", "EDatum"}));
        EXPECT_FALSE(after.keyExists(Hive::CurrentUser, key + "\\Unter"));
    }
}

TEST(Autosave, RefusedWriteLeavesThePreviousOne) {
    fake::FakeRegistry registry;
    SettingsStore settings(registry);
    Autosave autosave(settings);
    autosave.write(Unit("1", "0", "12", "20:00:08"));
    registry.setReadOnly(Hive::CurrentUser, true);
    EXPECT_THROW(autosave.write(Unit("2", "60", "24", "20:01:08")), platform::RegistryError);
    registry.setReadOnly(Hive::CurrentUser, false);
    EXPECT_EQ(autosave.read(), Unit("1", "0", "12", "20:00:08"));
}

}  // namespace
}  // namespace ruvo
