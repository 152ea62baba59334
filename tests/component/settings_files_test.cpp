// The user's settings hive as INI files in a temporary config folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSettings>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/desktop/desktop_registry.h"
#include "tests/support/temp_folder.h"

namespace ruvo::desktop {
namespace {

using platform::Hive;
using platform::RegistryError;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string SettingsKey = "Software\\Quelmar\\Ruvometer 2.3";
const std::string TempKey = SettingsKey + "\\Temp";

class SettingsFilesTest : public ::testing::Test {
protected:
    std::string settingsFile() const { return config.file("Quelmar/Ruvometer 2.3.conf"); }

    TempFolder config;
    DesktopRegistry registry{config.path(), "Quelmar Ruvometer"};
};

TEST_F(SettingsFilesTest, TextsComeBackAsWritten) {
    const std::string texts[] = {"",
                                 "0",
                                 "1,23 DM",
                                 "a, b, c",
                                 "@ByteArray(x)",
                                 "\"quoted\"",
                                 "; comment",
                                 "[Temp]",
                                 "x = y",
                                 "Grün öß €",
                                 "tab\tand\nnewline",
                                 " padded ",
                                 "back\\slash",
                                 std::string(3000, 'x')};
    int n = 0;
    for (const std::string& text : texts) {
        const std::string name = "Value" + std::to_string(n++);
        registry.writeString(Hive::CurrentUser, SettingsKey, name, text);
        EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, name), text) << name;
    }
    // Names with spaces and other characters an INI key cannot hold as they are.
    registry.writeString(Hive::CurrentUser, SettingsKey, "Offline IPs", "2");
    registry.writeString(Hive::CurrentUser, SettingsKey, "a=b;c[d]", "3");
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "Offline IPs"), "2");
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "a=b;c[d]"), "3");
    EXPECT_TRUE(std::filesystem::is_regular_file(settingsFile()));
}

TEST_F(SettingsFilesTest, AbsentKeysAndValuesGiveNothing) {
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, SettingsKey));
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "Monatsbudget"), std::nullopt);
    EXPECT_FALSE(registry.valueExists(Hive::CurrentUser, TempKey, "Tarif"));
    registry.deleteValue(Hive::CurrentUser, SettingsKey, "Monatsbudget");
    registry.deleteKeyTree(Hive::CurrentUser, TempKey);
    registry.deleteKeyTree(Hive::CurrentUser, SettingsKey);
    EXPECT_FALSE(std::filesystem::exists(config.file("Quelmar")));
}

TEST_F(SettingsFilesTest, NamesMatchRegardlessOfCase) {
    registry.writeString(Hive::CurrentUser, SettingsKey, "MonatsBudget", "5000");
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "Monatsbudget"), "5000");
    EXPECT_EQ(
        registry.readString(Hive::CurrentUser, "software\\QUELMAR\\ruvometer 2.3", "MONATSBUDGET"),
        "5000");
    // Writing under another spelling replaces the value and keeps the first spelling.
    registry.writeString(Hive::CurrentUser, SettingsKey, "monatsbudget", "6000");
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "MonatsBudget"), "6000");
    const std::string text = ReadBytes(settingsFile());
    EXPECT_NE(text.find("MonatsBudget=6000"), std::string::npos) << text;
    EXPECT_EQ(text.find("monatsbudget"), std::string::npos) << text;
    // Subkeys too.
    registry.writeString(Hive::CurrentUser, TempKey, "Tarif", "City");
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, SettingsKey + "\\TEMP"));
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey + "\\temp", "TARIF"), "City");
    registry.deleteValue(Hive::CurrentUser, SettingsKey, "MONATSBUDGET");
    EXPECT_FALSE(registry.valueExists(Hive::CurrentUser, SettingsKey, "MonatsBudget"));
}

TEST_F(SettingsFilesTest, AHandEditIsSeenAtTheNextRead) {
    registry.writeString(Hive::CurrentUser, SettingsKey, "RESETALLSETTINGS", "1");
    ASSERT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "RESETALLSETTINGS"), "1");
    // Same length, written straight away: the change must still be noticed.
    std::string text = ReadBytes(settingsFile());
    text.replace(text.find("RESETALLSETTINGS=1"), 18, "RESETALLSETTINGS=0");
    WriteBytes(settingsFile(), text);
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "ResetAllSettings"), "0");
    // Even an edit that keeps the size and puts the modification time back as it was.
    struct stat before {};
    ASSERT_EQ(stat(settingsFile().c_str(), &before), 0);
    text.replace(text.find("RESETALLSETTINGS=0"), 18, "RESETALLSETTINGS=2");
    WriteBytes(settingsFile(), text);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, settingsFile().c_str(), times, 0), 0);
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "ResetAllSettings"), "2");
    // A value added by hand, in other case, with a subkey the program never wrote.
    WriteBytes(settingsFile(), text + "\n[Feiertage]\n0a=01.01.26\n");
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey + "\\Feiertage", "0A"),
              "01.01.26");
}

TEST_F(SettingsFilesTest, SubkeysAreGroupsAndKeyTreesGo) {
    registry.writeString(Hive::CurrentUser, SettingsKey, "AktuellerMonat", "12.99");
    registry.writeString(Hive::CurrentUser, TempKey, "Tarif", "City");
    registry.writeString(Hive::CurrentUser, TempKey, "Zeit", "00:01:00");
    registry.writeString(Hive::CurrentUser, SettingsKey + "\\Feiertage", "0A", "01.01.26");
    const std::string text = ReadBytes(settingsFile());
    EXPECT_NE(text.find("[Temp]\nTarif=City\nZeit=00:01:00\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Feiertage]\n0A=01.01.26\n"), std::string::npos) << text;

    registry.deleteKeyTree(Hive::CurrentUser, TempKey);
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, TempKey));
    EXPECT_FALSE(registry.valueExists(Hive::CurrentUser, TempKey, "Tarif"));
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "AktuellerMonat"), "12.99");
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, SettingsKey + "\\Feiertage"));

    // An older version's key is a file of its own; deleting the key deletes the file.
    const std::string oldKey = "Software\\Quelmar\\Ruvometer 1.4";
    registry.writeString(Hive::CurrentUser, oldKey, "Active", "1");
    EXPECT_TRUE(std::filesystem::exists(config.file("Quelmar/Ruvometer 1.4.conf")));
    registry.deleteKeyTree(Hive::CurrentUser, oldKey);
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, oldKey));
    EXPECT_FALSE(std::filesystem::exists(config.file("Quelmar/Ruvometer 1.4.conf")));
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, SettingsKey));
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, "Software\\Quelmar"));
}

// Writing the text a value holds already leaves the file alone (a save would replace it with a
// new file, so a new inode shows a write); anything the file would hold differently is saved.
TEST_F(SettingsFilesTest, AnUnchangedValueIsNotWrittenAgain) {
    struct Case {
        const char* file;
        std::string key;
        const char* name;
        const char* text;
        bool saved;
    };
    const Case cases[] = {
        {"[General]\nPlain=ok\n", SettingsKey, "Plain", "ok", false},
        {"[General]\nPlain=ok\n", SettingsKey, "PLAIN", "ok", false},
        {"[Temp]\nTarif=City\n", TempKey, "tarif", "City", false},
        {"[General]\nPlain=ok\n", SettingsKey, "Plain", "other", true},
        {"[General]\nPlain=ok\nplain=ok\n", SettingsKey, "Plain", "ok", true},
        {"[General]\nList=a, b\n", SettingsKey, "List", "a, b", true},
        {"[General]\nPlain=ok\n", SettingsKey, "New", "", true},
    };
    for (const Case& c : cases) {
        WriteBytes(settingsFile(), c.file);
        struct stat before {};
        ASSERT_EQ(stat(settingsFile().c_str(), &before), 0);
        registry.writeString(Hive::CurrentUser, c.key, c.name, c.text);
        struct stat after {};
        ASSERT_EQ(stat(settingsFile().c_str(), &after), 0);
        EXPECT_EQ(after.st_ino != before.st_ino, c.saved) << c.file << c.name;
        EXPECT_EQ(registry.readString(Hive::CurrentUser, c.key, c.name), c.text)
            << c.file << c.name;
    }
}

// A key without values exists until it is deleted, as a registry key does.
TEST_F(SettingsFilesTest, EmptyKeysExist) {
    registry.createKey(Hive::CurrentUser, SettingsKey);
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, SettingsKey));
    registry.createKey(Hive::CurrentUser, TempKey);
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, TempKey));
    EXPECT_FALSE(registry.valueExists(Hive::CurrentUser, TempKey, "."));

    registry.writeString(Hive::CurrentUser, TempKey, "Tarif", "City");
    EXPECT_EQ(ReadBytes(settingsFile()).find(".="), std::string::npos);
    registry.deleteValue(Hive::CurrentUser, TempKey, "Tarif");
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, TempKey));
    EXPECT_FALSE(registry.valueExists(Hive::CurrentUser, TempKey, "Tarif"));

    registry.createKey(Hive::CurrentUser, TempKey + "\\Inner");
    registry.deleteKeyTree(Hive::CurrentUser, TempKey + "\\Inner");
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, TempKey));
    registry.deleteKeyTree(Hive::CurrentUser, TempKey);
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, TempKey));
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, SettingsKey));
}

// What a file cannot hold, or holds in another form than text, is a registry error.
TEST_F(SettingsFilesTest, ValuesOfOtherKindsAndUnreadableFilesAreErrors) {
    struct Case {
        const char* line;
    };
    const Case typed[] = {{"List=a, b"},
                          {"Bytes=@ByteArray(abc)"},
                          {"Nothing=@Invalid()"},
                          {"Rect=@Rect(1 2 3 4)"},
                          {"Size=@Size(1 2)"}};
    std::string text = "[General]\nPlain=ok\n";
    for (const Case& c : typed) {
        text += std::string(c.line) + "\n";
    }
    WriteBytes(settingsFile(), text);
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "Plain"), "ok");
    for (const Case& c : typed) {
        const std::string name = std::string(c.line).substr(0, std::string(c.line).find('='));
        EXPECT_TRUE(registry.valueExists(Hive::CurrentUser, SettingsKey, name)) << name;
        EXPECT_THROW(registry.readString(Hive::CurrentUser, SettingsKey, name), RegistryError)
            << name;
    }
    // Writing over such a value makes it text again.
    registry.writeString(Hive::CurrentUser, SettingsKey, "Bytes", "now text");
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "Bytes"), "now text");

    // A damaged file is neither read nor overwritten.
    const std::string damaged = "[General]\nPlain=ok\nthis line is no setting\n";
    WriteBytes(settingsFile(), damaged);
    EXPECT_THROW(registry.readString(Hive::CurrentUser, SettingsKey, "Plain"), RegistryError);
    EXPECT_THROW(registry.writeString(Hive::CurrentUser, SettingsKey, "Plain", "x"), RegistryError);
    EXPECT_EQ(ReadBytes(settingsFile()), damaged);

    // A file that cannot be opened.
    std::filesystem::remove(settingsFile());
    std::filesystem::create_directories(settingsFile());
    EXPECT_THROW(registry.readString(Hive::CurrentUser, SettingsKey, "Plain"), RegistryError);
    EXPECT_THROW(registry.writeString(Hive::CurrentUser, SettingsKey, "Plain", "x"), RegistryError);
}

TEST_F(SettingsFilesTest, NamesAFileCannotHoldAreRefused) {
    const std::string badNames[] = {"", "a/b", "a\\b", "."};
    for (const std::string& name : badNames) {
        EXPECT_THROW(registry.writeString(Hive::CurrentUser, SettingsKey, name, "x"), RegistryError)
            << name;
        EXPECT_FALSE(registry.valueExists(Hive::CurrentUser, SettingsKey, name)) << name;
    }
    const std::string badKeys[] = {"Software\\..\\..\\etc", "Software\\Quelmar\\a/b",
                                   "Environment\\Quelmar\\X", "Software\\Quelmar"};
    for (const std::string& key : badKeys) {
        EXPECT_THROW(registry.writeString(Hive::CurrentUser, key, "Name", "x"), RegistryError)
            << key;
    }
    EXPECT_THROW(registry.deleteKeyTree(Hive::CurrentUser, "Software"), RegistryError);
    EXPECT_FALSE(std::filesystem::exists(config.file("etc")));
}

// A writer killed at any moment leaves the old file or the new one, never a part of it.
TEST_F(SettingsFilesTest, AWriterKilledMidwayLeavesAWholeFile) {
    const std::string small(10, 's');
    const std::string large(20000, 'L');
    registry.writeString(Hive::CurrentUser, SettingsKey, "Payload", small);
    registry.writeString(Hive::CurrentUser, SettingsKey, "Counter", "-1");
    for (int round = 0; round < 4; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            DesktopRegistry childRegistry(config.path(), "Quelmar Ruvometer");
            for (int i = 0;; ++i) {
                childRegistry.writeString(Hive::CurrentUser, SettingsKey, "Payload",
                                          i % 2 == 0 ? large : small);
                childRegistry.writeString(Hive::CurrentUser, SettingsKey, "Counter",
                                          std::to_string(i));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(60 + 37 * round));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);

        QSettings check(QString::fromStdString(settingsFile()), QSettings::IniFormat);
        (void)check.allKeys();
        EXPECT_EQ(check.status(), QSettings::NoError) << "round " << round;
        const auto payload = registry.readString(Hive::CurrentUser, SettingsKey, "Payload");
        ASSERT_TRUE(payload.has_value());
        EXPECT_TRUE(*payload == small || *payload == large) << "round " << round;
        EXPECT_TRUE(registry.valueExists(Hive::CurrentUser, SettingsKey, "Counter"));
    }
    // A killed writer's lock file is no obstacle to the next write, not even an empty one, as a
    // writer killed right after making it leaves.
    WriteBytes(settingsFile() + ".lock", "");
    const auto start = std::chrono::steady_clock::now();
    registry.writeString(Hive::CurrentUser, SettingsKey, "Payload", "after");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(registry.readString(Hive::CurrentUser, SettingsKey, "Payload"), "after");
}

}  // namespace
}  // namespace ruvo::desktop
