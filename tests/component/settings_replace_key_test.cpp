// Replacing a key of the settings files: the autosave's write, which must reach the disk in one
// piece.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/desktop/desktop_registry.h"
#include "tests/support/temp_folder.h"

namespace ruvo::desktop {
namespace {

using platform::Hive;

const std::string kSettingsKey = "Software\\Quelmar\\Ruvometer 2.3";
const std::string kTempKey = kSettingsKey + "\\Temp";

class SettingsReplaceKeyTest : public ::testing::Test {
protected:
    std::string settingsFile() const { return config.file("Quelmar/Ruvometer 2.3.conf"); }
    std::vector<std::string> tempValues() {
        std::vector<std::string> texts;
        for (const char* name : {"Tarif", "Zeit", "Gesamt", "Fremd"}) {
            texts.push_back(registry.readString(Hive::CurrentUser, kTempKey, name).value_or("-"));
        }
        return texts;
    }

    testing::TempFolder config;
    DesktopRegistry registry{config.path(), "Quelmar Ruvometer"};
};

TEST_F(SettingsReplaceKeyTest, ReplacesValuesAndSubkeysAndLeavesTheRest) {
    registry.writeString(Hive::CurrentUser, kSettingsKey, "Offline IPs", "1");
    registry.writeString(Hive::CurrentUser, kTempKey, "Fremd", "stale");
    registry.writeString(Hive::CurrentUser, kTempKey + "\\Unter", "x", "y");
    registry.writeString(Hive::CurrentUser, kSettingsKey + "\\Feiertage", "0A", "25.12.00");

    registry.replaceKey(Hive::CurrentUser, kTempKey,
                        {{"Tarif", "Ganztag"}, {"Zeit", "61"}, {"Gesamt", "24"}});
    EXPECT_EQ(tempValues(), (std::vector<std::string>{"Ganztag", "61", "24", "-"}));
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, kTempKey + "\\Unter"));
    EXPECT_EQ(registry.readString(Hive::CurrentUser, kSettingsKey, "Offline IPs"), "1");
    EXPECT_EQ(registry.readString(Hive::CurrentUser, kSettingsKey + "\\Feiertage", "0A"),
              "25.12.00");

    // Named in other case, the key keeps its spelling in the file.
    registry.replaceKey(Hive::CurrentUser, kSettingsKey + "\\TEMP", {{"Zeit", "121"}});
    EXPECT_EQ(tempValues(), (std::vector<std::string>{"-", "121", "-", "-"}));

    registry.replaceKey(Hive::CurrentUser, kTempKey, {});
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, kTempKey));
    EXPECT_EQ(tempValues(), (std::vector<std::string>{"-", "-", "-", "-"}));
}

TEST_F(SettingsReplaceKeyTest, IsOneWriteOfTheFile) {
    registry.writeString(Hive::CurrentUser, kTempKey, "Tarif", "Ganztag");
    struct stat before {};
    ASSERT_EQ(stat(settingsFile().c_str(), &before), 0);
    registry.replaceKey(Hive::CurrentUser, kTempKey, {{"Tarif", "Abend"}, {"Zeit", "90"}});
    struct stat after {};
    ASSERT_EQ(stat(settingsFile().c_str(), &after), 0);
    // The file was replaced by a rename (a new inode), never rewritten in place, so a reader
    // sees the old or the new content.
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(tempValues(), (std::vector<std::string>{"Abend", "90", "-", "-"}));
}

TEST_F(SettingsReplaceKeyTest, RefusesWhatCannotBeStored) {
    const platform::Registry::NamedValues badName = {{"a/b", "x"}};
    EXPECT_THROW(registry.replaceKey(Hive::CurrentUser, kTempKey, badName),
                 platform::RegistryError);
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, kTempKey));
    EXPECT_THROW(registry.replaceKey(Hive::LocalMachine,
                                     "Software\\Microsoft\\Windows\\CurrentVersion\\Run", {}),
                 platform::RegistryError);
}

}  // namespace
}  // namespace ruvo::desktop
