// The tariff file between runs when it is not as the program writes it: a file that is there but
// cannot be read, and one that can be read only in part. Neither may be lost.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

// Takes every file descriptor the process may open (the limit lowered for the while), so that
// the next open fails with EMFILE; gives them back at the end.
class AllDescriptorsTaken {
public:
    AllDescriptorsTaken() {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = 256;
        ::setrlimit(RLIMIT_NOFILE, &lowered);
        for (int fd = ::dup(0); fd >= 0; fd = ::dup(0)) {
            taken_.push_back(fd);
        }
    }
    AllDescriptorsTaken(const AllDescriptorsTaken&) = delete;
    AllDescriptorsTaken& operator=(const AllDescriptorsTaken&) = delete;
    ~AllDescriptorsTaken() {
        for (const int fd : taken_) {
            ::close(fd);
        }
        ::setrlimit(RLIMIT_NOFILE, &saved_);
    }

private:
    rlimit saved_{};
    std::vector<int> taken_;
};

class TariffStoreTest : public ConnectionTest {
protected:
    std::string path(const std::string& name) const { return directory() + name; }

    // The messages since the `first` one that contain `part`.
    std::size_t messagesContaining(const std::string& part, std::size_t first) {
        const auto texts = machine().windowSystem.messageTexts();
        return static_cast<std::size_t>(std::count_if(
            texts.begin() + static_cast<std::ptrdiff_t>(first), texts.end(),
            [&](const std::string& text) { return text.find(part) != std::string::npos; }));
    }
    std::size_t messageCount() { return machine().windowSystem.messages().size(); }
    // The bytes of the file, nothing for anything else of that name.
    std::string bytesOf(const std::string& name) {
        std::error_code ignored;
        return std::filesystem::is_regular_file(path(name), ignored) ? file(name) : "";
    }

    // "&Minimieren": one of the moments the tariffs are saved.
    void minimise() {
        machine().tray.click();
        app().userAction([&] { app().Minimise(); });
    }

    // A file with one zone that applies all day and a second zone cut after its first value.
    const std::string cutFile_ =
        SerializeTariffs(Tariffs({{"Tag", "0000", "2400", "12", "60"}})) + "\r\nAbend\r\n1800\r\n";
};

TEST_F(TariffStoreTest, AFileThatCannotBeReadIsLeftAloneAndNoSaveReplacesIt) {
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        std::function<void()> make;  // puts the unreadable "Tarif.dat" in place
        const char* reason;
        bool descriptorsTaken = false;  // while the program starts
    };
    const std::vector<Case> cases = {
        {"a link to itself", [&] { fs::create_symlink("Tarif.dat", path("Tarif.dat")); },
         "zu viele symbolische Verknüpfungen"},
        {"a folder", [&] { fs::create_directory(path("Tarif.dat")); }, "ist ein Ordner"},
        {"too many open files", [&] { writeFile("Tarif.dat", cutFile_); },
         "zu viele geöffnete Dateien", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        fs::remove_all(path("Tarif.dat"));
        c.make();
        const auto before = fs::symlink_status(path("Tarif.dat")).type();
        const std::string bytesBefore = bytesOf("Tarif.dat");
        const std::size_t first = messageCount();
        {
            std::unique_ptr<AllDescriptorsTaken> taken;
            ASSERT_TRUE(startProgram());
            if (c.descriptorsTaken) {
                taken = std::make_unique<AllDescriptorsTaken>();
            }
            wait(8.001);
        }
        EXPECT_EQ(messagesContaining("nicht vorhanden", first), 0U);
        EXPECT_EQ(messagesContaining("Die Tarifdatei '" + path("Tarif.dat") +
                                         "' kann nicht gelesen werden (" + c.reason + ").",
                                     first),
                  1U);

        // Every save is skipped; the first one says so.
        minimise();
        minimise();
        app().userAction([&] { app().mainWindow.selectPage(MainPage::Telefon); });
        app().userAction([&] { app().mainWindow.selectPage(MainPage::Info); });
        EXPECT_EQ(messagesContaining("Die Tarife wurden nicht gespeichert: die Tarifdatei '" +
                                         path("Tarif.dat") + "' konnte beim Start nicht gelesen",
                                     first),
                  1U);
        EXPECT_EQ(fs::symlink_status(path("Tarif.dat")).type(), before);
        EXPECT_EQ(bytesOf("Tarif.dat"), bytesBefore);
        EXPECT_FALSE(fs::exists(path("Tarif.dat.defekt")));
    }
}

TEST_F(TariffStoreTest, AFileWithoutReadPermissionIsLeftAlone) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "needs a user without the right to read every file; this is root";
    }
    writeFile("Tarif.dat", cutFile_);
    ::chmod(path("Tarif.dat").c_str(), 0);
    startSettled();
    EXPECT_EQ(messagesContaining("kann nicht gelesen werden (keine Berechtigung)", 0), 1U);
    minimise();
    ::chmod(path("Tarif.dat").c_str(), 0600);
    EXPECT_EQ(file("Tarif.dat"), cutFile_);
}

TEST_F(TariffStoreTest, AFileReadInPartIsKeptBesideItBeforeTheFirstSave) {
    const std::string header = "0,0,1,\r\n";
    const struct {
        const char* name;
        std::string bytes;
        const char* whatWasNotRead;
    } cases[] = {
        {"cut in a zone", cutFile_, "sie endet in Zeile 16 mitten im Tarif 'Abend'"},
        {"UTF-16",
         std::string("\xFF\xFE"
                     "0\0,\0"
                     "0\0,\0"
                     "1\0,\0\r\0\n\0",
                     18),
         "sie ist nicht im Zeichensatz Windows-1252 gespeichert, sondern als UTF-8 oder UTF-16"},
        {"UTF-8 with its byte order mark", "\xEF\xBB\xBF" + cutFile_.substr(0, 48),
         "sie ist nicht im Zeichensatz Windows-1252 gespeichert"},
        {"binary", header + "Tag\r\n" + std::string("\x01\x00\x7F", 3) + "\r\n",
         "sie enthält in Zeile 3 ein Null-Byte und ist keine Textdatei"},
        {"a line too long", header + std::string(600, 'x') + "\r\n",
         "die Zeile 2 ist länger als 498 Zeichen"},
        {"text after the end of the list",
         SerializeTariffs(Tariffs({{"Tag", "0000", "2400", "12", "60"}})) + "\r\n0\r\nNacht\r\n",
         "ab Zeile 16 folgt noch Text nach der Zeile '0'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        std::filesystem::remove(path("Tarif.dat.defekt"));
        writeFile("Tarif.dat", c.bytes);
        const std::size_t first = messageCount();
        startSettled();
        EXPECT_EQ(
            messagesContaining("Die Tarifdatei '" + path("Tarif.dat") +
                                   "' konnte nicht vollständig gelesen werden: " + c.whatWasNotRead,
                               first),
            1U);
        const std::size_t messagesAtLoad = messageCount();
        EXPECT_EQ(file("Tarif.dat"), c.bytes);

        minimise();
        EXPECT_EQ(file("Tarif.dat.defekt"), c.bytes);
        ASSERT_EQ(machine().windowSystem.messages().size(), messagesAtLoad + 1);
        EXPECT_EQ(machine().windowSystem.messages().back().text,
                  "Der ursprüngliche Inhalt der Tarifdatei '" + path("Tarif.dat") +
                      "', die beim Start nicht vollständig gelesen werden konnte, ist in '" +
                      path("Tarif.dat.defekt") +
                      "' aufbewahrt. Die Tarifdatei wird jetzt mit den Tarifen neu geschrieben, "
                      "die Ruvometer kennt.");
        EXPECT_NE(file("Tarif.dat"), c.bytes);
        // Later saves write at once.
        minimise();
        EXPECT_EQ(machine().windowSystem.messages().size(), messagesAtLoad + 1);
        EXPECT_EQ(file("Tarif.dat.defekt"), c.bytes);
    }
}

TEST_F(TariffStoreTest, AKeptCopyIsNeverOverwrittenButUsedAgainWhenItHoldsTheSameBytes) {
    namespace fs = std::filesystem;
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> present;
        std::string copy;
    } cases[] = {
        {"an identical copy is used again", {{"Tarif.dat.defekt", cutFile_}}, "Tarif.dat.defekt"},
        {"another copy stays", {{"Tarif.dat.defekt", "anders"}}, "Tarif.dat.defekt-2"},
        {"the first free or identical name",
         {{"Tarif.dat.defekt", "anders"}, {"Tarif.dat.defekt-2", "auch anders"}},
         "Tarif.dat.defekt-3"},
        {"an identical later copy",
         {{"Tarif.dat.defekt", "anders"}, {"Tarif.dat.defekt-2", cutFile_}},
         "Tarif.dat.defekt-2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        for (const char* name : {"Tarif.dat.defekt", "Tarif.dat.defekt-2", "Tarif.dat.defekt-3"}) {
            fs::remove(path(name));
        }
        for (const auto& [name, bytes] : c.present) {
            writeFile(name, bytes);
        }
        writeFile("Tarif.dat", cutFile_);
        startSettled();
        minimise();
        EXPECT_EQ(file(c.copy), cutFile_);
        for (const auto& [name, bytes] : c.present) {
            EXPECT_EQ(file(name), bytes) << name;
        }
        EXPECT_NE(machine().windowSystem.messages().back().text.find("ist in '" + path(c.copy) +
                                                                     "' aufbewahrt"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace ruvo::testing
