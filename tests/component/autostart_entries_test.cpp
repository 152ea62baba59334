// The machine's Run key as XDG autostart entries in a temporary config folder.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/desktop/desktop_entry.h"
#include "platform/desktop/desktop_registry.h"
#include "tests/support/temp_folder.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

using platform::Hive;
using platform::RegistryError;
using testing::ReadBytes;
using testing::TempFolder;

const std::string RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AutostartTest : public ::testing::Test {
protected:
    std::string entryFile(const std::string& name) const {
        return config.file("autostart/" + name + ".desktop");
    }

    TempFolder config;
    DesktopRegistry registry{config.path(), "Quelmar Ruvometer"};
};

TEST_F(AutostartTest, AnEntryStartsTheProgram) {
    registry.writeString(Hive::LocalMachine, RunKey, "Ruvometer 2.3", "/usr/bin/ruvometer");
    EXPECT_EQ(ReadBytes(entryFile("Ruvometer 2.3")),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Quelmar Ruvometer\n"
              "Comment=Behält die Internetverbindungen und ihre Gebühren im Überblick\n"
              "Exec=/usr/bin/ruvometer\n"
              "Icon=org.example.ruvometer\n"
              "X-GNOME-Autostart-enabled=true\n");
    EXPECT_TRUE(registry.valueExists(Hive::LocalMachine, RunKey, "Ruvometer 2.3"));
    EXPECT_TRUE(registry.valueExists(Hive::LocalMachine, RunKey, "RUVOMETER 2.3"));
    EXPECT_EQ(registry.readString(Hive::LocalMachine, RunKey, "ruvometer 2.3"),
              "/usr/bin/ruvometer");
    registry.deleteValue(Hive::LocalMachine, RunKey, "Ruvometer 2.3");
    EXPECT_FALSE(std::filesystem::exists(entryFile("Ruvometer 2.3")));
    EXPECT_FALSE(registry.valueExists(Hive::LocalMachine, RunKey, "Ruvometer 2.3"));
    registry.deleteValue(Hive::LocalMachine, RunKey, "Ruvometer 2.3");  // absent: no error
}

// Paths with every character the Exec key treats specially come back as they were, and the
// files pass the Desktop Entry validator where it is installed.
TEST_F(AutostartTest, AwkwardPathsSurviveTheQuoting) {
    const std::string paths[] = {
        "/opt/Quelmar Ruvometer/ruvometer",
        "/home/a\"b/$HOME/`x`/back\\slash/ruvometer",
        "/tmp/100%/%f/ruvometer",
        "/tmp/tab\there/new\nline/ruvometer",
        "/tmp/Grün & Blau; (ü)/it's #1 <x> ~ * ?/ruvometer",
        " /leading space",
    };
    const std::string validator = test::FindProgram("desktop-file-validate");
    for (const std::string& path : paths) {
        registry.writeString(Hive::LocalMachine, RunKey, "Ruvometer 2.3", path);
        EXPECT_EQ(registry.readString(Hive::LocalMachine, RunKey, "Ruvometer 2.3"), path);
        if (!validator.empty()) {
            const std::string command =
                "'" + validator + "' '" + entryFile("Ruvometer 2.3") + "' >/dev/null 2>&1";
            EXPECT_EQ(std::system(command.c_str()), 0) << path << "\n"
                                                       << ReadBytes(entryFile("Ruvometer 2.3"));
        }
    }
    // The freedesktop.org example of the Desktop Entry format: a backslash in a quoted argument is
    // written as four.
    EXPECT_EQ(EscapeEntryString(ExecCommandFor("/a b\\c")), "\"/a b\\\\\\\\c\"");
}

TEST(DesktopEntry, ExecCommandsOfOtherProgramsAreRead) {
    struct Case {
        const char* exec;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"/usr/bin/tool", {"/usr/bin/tool"}},
        {"tool --flag %U", {"tool", "--flag"}},
        {"\"/opt/my tool\" \"a \\\"b\\\"\"", {"/opt/my tool", "a \"b\""}},
        {"sh -c 'x'", {"sh", "-c", "'x'"}},
        {"  spaced   out  ", {"spaced", "out"}},
        {"\"unterminated", {"unterminated"}},
        {"100%%", {"100%"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitExecCommand(c.exec), c.arguments) << c.exec;
    }
    const std::string file =
        "# comment\n[Other Group]\nExec=wrong\n[Desktop Entry]\r\nName=X\r\nExec = "
        "\"/a\\\\\\\\b\"\r\n";
    EXPECT_EQ(DesktopEntryValue(file, "Exec"), "\"/a\\\\b\"");
    EXPECT_EQ(DesktopEntryValue("garbage\n[\n=\n", "Exec"), "");
}

TEST_F(AutostartTest, OlderVersionsEntriesAreValuesOfTheirOwn) {
    registry.writeString(Hive::LocalMachine, RunKey, "Ruvometer 2.3", "/usr/bin/ruvometer");
    testing::WriteBytes(entryFile("Ruvometer 2.2"),
                        "[Desktop Entry]\nType=Application\nExec=/old/ruvometer\n");
    testing::WriteBytes(entryFile("Other Program"), "[Desktop Entry]\nExec=other --start %u\n");
    EXPECT_EQ(registry.readString(Hive::LocalMachine, RunKey, "Ruvometer 2.2"), "/old/ruvometer");
    EXPECT_EQ(registry.readString(Hive::LocalMachine, RunKey, "Other Program"), "other --start");
    registry.deleteValue(Hive::LocalMachine, RunKey, "Ruvometer 2.2");
    EXPECT_FALSE(std::filesystem::exists(entryFile("Ruvometer 2.2")));
    EXPECT_TRUE(std::filesystem::exists(entryFile("Ruvometer 2.3")));
    EXPECT_TRUE(std::filesystem::exists(entryFile("Other Program")));
}

TEST_F(AutostartTest, OnlyTheRunKeyOfTheMachineHoldsValues) {
    EXPECT_TRUE(registry.keyExists(Hive::LocalMachine, RunKey));
    EXPECT_TRUE(registry.keyExists(Hive::LocalMachine, "software\\microsoft\\windows"));
    EXPECT_FALSE(registry.keyExists(Hive::LocalMachine, RunKey + "\\Sub"));
    EXPECT_FALSE(registry.keyExists(Hive::LocalMachine, "Software\\Quelmar"));
    registry.createKey(Hive::LocalMachine, RunKey);
    EXPECT_THROW(registry.createKey(Hive::LocalMachine, "Software\\Quelmar"), RegistryError);
    EXPECT_THROW(registry.writeString(Hive::LocalMachine, "Software\\Quelmar", "x", "y"),
                 RegistryError);
    EXPECT_THROW(registry.deleteKeyTree(Hive::LocalMachine, RunKey), RegistryError);
    EXPECT_THROW(registry.writeString(Hive::LocalMachine, RunKey, "a/b", "/x"), RegistryError);
    EXPECT_EQ(registry.readString(Hive::LocalMachine, "Software\\Quelmar", "x"), std::nullopt);
    // The user's hive does not see the entries.
    registry.writeString(Hive::LocalMachine, RunKey, "Ruvometer 2.3", "/usr/bin/ruvometer");
    EXPECT_FALSE(registry.valueExists(Hive::CurrentUser, RunKey, "Ruvometer 2.3"));
}

TEST_F(AutostartTest, AFolderIsNoEntry) {
    std::filesystem::create_directories(entryFile("Ruvometer 2.3"));
    EXPECT_FALSE(registry.valueExists(Hive::LocalMachine, RunKey, "Ruvometer 2.3"));
    EXPECT_EQ(registry.readString(Hive::LocalMachine, RunKey, "Ruvometer 2.3"), std::nullopt);
    EXPECT_THROW(registry.writeString(Hive::LocalMachine, RunKey, "Ruvometer 2.3", "/x"),
                 RegistryError);
}

// How reading an entry that its reader may not read came out, as a process exit code.
enum UnreadableOutcome {
    kRefused = 0,     // a registry error, as it should be
    kRead = 1,        // read after all
    kOtherError = 2,  // some other exception
    kNotReached = 3,  // the reader cannot even see the file
    kNoUser = 4,      // the child could not become the other user
};

int ReadUnreadableEntry(DesktopRegistry& registry, const std::string& entryFile) {
    if (!std::filesystem::exists(entryFile)) {
        return kNotReached;
    }
    try {
        registry.readString(Hive::LocalMachine, RunKey, "Ruvometer 2.3");
        return kRead;
    } catch (const RegistryError&) {
        return kRefused;
    } catch (...) {
        return kOtherError;
    }
}

TEST_F(AutostartTest, AnUnreadableEntryIsAnError) {
    const std::string entry = entryFile("Ruvometer 2.3");
    testing::WriteBytes(entry, "[Desktop Entry]\nExec=/x\n");
    std::filesystem::permissions(entry, std::filesystem::perms::none);
    if (geteuid() != 0) {
        if (std::ifstream(entry).is_open()) {
            GTEST_SKIP() << "this user reads files without read permission and is not root, so "
                            "the entry cannot be made unreadable to the reader";
        }
        EXPECT_EQ(ReadUnreadableEntry(registry, entry), kRefused);
        return;
    }
    // Root reads every file: the reading runs in a child process as the user nobody, who may
    // list the folders but not read the entry.
    for (const std::string& folder : {config.path(), config.file("autostart")}) {
        std::filesystem::permissions(
            folder, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                        std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                        std::filesystem::perms::others_exec);
    }
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const gid_t nogroup = 65534;
        if (setgroups(1, &nogroup) != 0 || setgid(65534) != 0 || setuid(65534) != 0) {
            _exit(kNoUser);
        }
        _exit(ReadUnreadableEntry(registry, entry));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kRefused)
        << "1: read, 2: another exception, 3: the entry is out of the user's reach, 4: the "
           "child could not become the user nobody";
}

}  // namespace
}  // namespace ruvo::desktop
