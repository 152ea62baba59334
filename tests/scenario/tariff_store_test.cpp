// The tariff file between runs when it is not as the program writes it: a file that is there but
// cannot be read, and one that can be read only in part. Neither may be lost.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iostream>
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

// Lets no file grow beyond 0 bytes (the limit lowered for the while, its signal ignored), so
// that writing any bytes fails with EFBIG, also for root.
class NoFileMayGrow {
public:
    NoFileMayGrow() : savedHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    NoFileMayGrow(const NoFileMayGrow&) = delete;
    NoFileMayGrow& operator=(const NoFileMayGrow&) = delete;
    ~NoFileMayGrow() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }

private:
    rlimit saved_{};
    void (*savedHandler_)(int);
};

// Sets the process's umask for the while.
class UmaskSet {
public:
    explicit UmaskSet(mode_t mask) : saved_(::umask(mask)) {}
    UmaskSet(const UmaskSet&) = delete;
    UmaskSet& operator=(const UmaskSet&) = delete;
    ~UmaskSet() { ::umask(saved_); }

private:
    mode_t saved_;
};

class TariffStoreTest : public ConnectionTest {
protected:
    std::string path(const std::string& name) const { return directory() + name; }

    // The messages since the `first` one that contain `part`.
    std::size_t messageCount() { return machine().windowSystem.messages().size(); }
    int beeps() { return machine().sound.count(platform::Beep::Default); }
    // The bytes of the file, nothing for anything else of that name.
    std::string bytesOf(const std::string& name) {
        std::error_code ignored;
        return std::filesystem::is_regular_file(path(name), ignored) ? file(name) : "";
    }

    // "&Minimieren": one of the moments the tariffs are saved.
    void minimise() {
        machine().tray.click();
        app().userAction([&] { app().hideToTray(); });
    }

    // A file with one zone that applies all day and a second zone cut after its first value.
    const std::string cutFile_ =
        SerializeTariffs(Tariffs({{"Tag", "0000", "2400", "12", "60"}})) + "\r\nAbend\r\n1800\r\n";
};

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

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
        if (c.descriptorsTaken && kSanitized) {
            // The sanitizers' own checks open a pipe; with no descriptor left they report
            // every object as unreadable.
            std::cout << "[ SKIPPED  ] " << c.name << ": not under the sanitizers\n";
            continue;
        }
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
        app().userAction([&] { app().mainWindow.selectPage(MainPage::Telephone); });
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
                      "' aufbewahrt. Die Tarifdatei wurde mit den Tarifen neu geschrieben, "
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

TEST_F(TariffStoreTest, AMissingFileIsReportedAsCreatedOnlyWhenItWas) {
    namespace fs = std::filesystem;
    CreateDatabase(path("RVDaten99.db"));  // its own creation would fail too
    const struct {
        const char* name;
        bool writable;
        mode_t umask;
        std::string message;
        mode_t mode;  // of the new file
    } cases[] = {
        {"created under umask 077", true, 077,
         "Die Tarifdatei 'Tarif.dat' ist nicht vorhanden und wird deshalb neu angelegt.", 0600},
        {"created under umask 022", true, 022,
         "Die Tarifdatei 'Tarif.dat' ist nicht vorhanden und wird deshalb neu angelegt.", 0644},
        {"cannot be created", false, 022,
         "Die Tarifdatei '" + path("Tarif.dat") +
             "' ist nicht vorhanden und kann nicht angelegt werden (größer, als eine Datendatei "
             "sein kann). Ruvometer versucht es beim nächsten Speichern der Tarife wieder.",
         0644},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        fs::remove(path("Tarif.dat"));
        const UmaskSet mask(c.umask);
        const std::size_t first = messageCount();
        const int beepsBefore = beeps();
        {
            std::unique_ptr<NoFileMayGrow> full;
            if (!c.writable) {
                full = std::make_unique<NoFileMayGrow>();
            }
            startSettled();
        }
        ASSERT_EQ(messageCount(), first + 1);
        EXPECT_EQ(machine().windowSystem.messages().back().text, c.message);
        EXPECT_EQ(beeps(), beepsBefore);
        EXPECT_EQ(fs::exists(path("Tarif.dat")), c.writable);

        // The next save makes the file.
        minimise();
        EXPECT_EQ(file("Tarif.dat"), SerializeTariffs(DefaultTariffs()));
        EXPECT_EQ(fs::status(path("Tarif.dat")).permissions(), static_cast<fs::perms>(c.mode));
        EXPECT_EQ(messageCount(), first + 1);
    }
}

TEST_F(TariffStoreTest, AnEmptyFileIsReportedInWordsNotWithABeep) {
    writeFile("Tarif.dat", "");
    startSettled();
    ASSERT_EQ(messageCount(), 1U);
    EXPECT_EQ(machine().windowSystem.messages().back().text,
              "Die Tarifdatei '" + path("Tarif.dat") +
                  "' ist leer. Es sind keine Tarife eingetragen, und Telefongebühren werden nicht "
                  "gezählt, bis Sie auf der Seite 'Telefon' Tarife eintragen.");
    EXPECT_EQ(beeps(), 0);
    EXPECT_EQ(app().mainWindow.telephoneZone.items(), std::vector<std::string>{});
}

TEST_F(TariffStoreTest, ASaveThatFailsIsSaidOnceWithPathAndReasonUntilOneWorks) {
    namespace fs = std::filesystem;
    const std::string saved = SerializeTariffs(Tariffs({{"Tag", "0000", "2400", "12", "60"}}));
    const struct {
        const char* name;
        std::function<void()> breakIt;
        std::function<void()> mendIt;
        const char* reason;
    } cases[] = {
        {"a folder in the file's place",
         [&] {
             fs::remove(path("Tarif.dat"));
             fs::create_directory(path("Tarif.dat"));
         },
         [&] { fs::remove(path("Tarif.dat")); }, "ist ein Ordner"},
        {"a price being typed that the code page cannot hold",
         [&] {
             app().userAction([&] {
                 app().mainWindow.selectPage(MainPage::Telephone);
                 app().mainWindow.telephoneDayClass.choose(0);
                 app().mainWindow.telephoneZone.choose(0);
                 app().mainWindow.telephonePfPerUnit.setText("12✓");
             });
         },
         [&] { app().userAction([&] { app().mainWindow.telephonePfPerUnit.enter("12"); }); },
         "ein Text enthält ein Zeichen, das im Zeichensatz Windows-1252 nicht vorkommt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        fs::remove_all(path("Tarif.dat"));
        writeFile("Tarif.dat", saved);
        startSettled();
        machine().tray.click();
        c.breakIt();
        const std::size_t first = messageCount();
        const int beepsBefore = beeps();
        const std::string told = "Die Tarife können nicht in der Tarifdatei '" + path("Tarif.dat") +
                                 "' gespeichert werden (" + c.reason +
                                 "). Ruvometer versucht es beim nächsten Speichern wieder";
        minimise();
        minimise();
        EXPECT_EQ(messagesContaining(told, first), 1U);
        EXPECT_EQ(messageCount(), first + 1);
        EXPECT_EQ(beeps(), beepsBefore);

        // A save that works ends the failure silently; the next failure is told again.
        c.mendIt();
        minimise();
        EXPECT_EQ(file("Tarif.dat"), saved);
        EXPECT_EQ(messageCount(), first + 1);
        c.breakIt();
        minimise();
        EXPECT_EQ(messagesContaining(told, first), 2U);
        c.mendIt();
        EXPECT_EQ(beeps(), beepsBefore);
    }
}

TEST_F(TariffStoreTest, AFileReadInPartThatCannotBeReplacedIsNotReportedAsReplaced) {
    namespace fs = std::filesystem;
    writeFile("Tarif.dat", cutFile_);
    startSettled();
    fs::remove(path("Tarif.dat"));
    fs::create_directory(path("Tarif.dat"));
    const std::size_t first = messageCount();
    minimise();
    EXPECT_EQ(file("Tarif.dat.defekt"), cutFile_);
    ASSERT_EQ(messageCount(), first + 1);
    EXPECT_EQ(machine().windowSystem.messages().back().text,
              "Der ursprüngliche Inhalt der Tarifdatei '" + path("Tarif.dat") +
                  "', die beim Start nicht vollständig gelesen werden konnte, ist in '" +
                  path("Tarif.dat.defekt") + "' aufbewahrt. Die Tarife können nicht in der " +
                  "Tarifdatei '" + path("Tarif.dat") +
                  "' gespeichert werden (ist ein Ordner). Ruvometer versucht es beim nächsten "
                  "Speichern wieder; gelingt es bis zum Beenden nicht, gehen die Änderungen "
                  "verloren.");
    EXPECT_EQ(beeps(), 0);
    minimise();
    EXPECT_EQ(messageCount(), first + 1);
}

}  // namespace
}  // namespace ruvo::testing
