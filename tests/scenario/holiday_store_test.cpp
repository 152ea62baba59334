// The holiday list kept in the settings between runs, its import from "Feiertage.dat" and the
// messages at start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

std::string RandomBytes(std::size_t size) {
    std::mt19937 generator(2000);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

std::string Entries(std::size_t count) {
    std::string file;
    for (std::size_t i = 0; i < count; ++i) {
        file += "24.12.99\r\nHeiliger Abend\r\n";
    }
    return file;
}

class HolidayStoreTest : public ConnectionTest {
protected:
    HolidayStoreTest() {
        machine().registry.deleteKeyTree(platform::Hive::CurrentUser, holidayKey());
    }
    static std::string holidayKey() { return SettingsStore::settingsKey() + "\\Feiertage"; }
    void putHoliday(const std::string& name, const std::string& value) {
        machine().registry.writeString(platform::Hive::CurrentUser, holidayKey(), name, value);
    }
    std::vector<std::string> storedValues() {
        std::vector<std::string> values;
        for (const auto& name :
             machine().registry.valueNames(platform::Hive::CurrentUser, holidayKey())) {
            values.push_back(
                name + "=" +
                machine()
                    .registry.readString(platform::Hive::CurrentUser, holidayKey(), name)
                    .value_or(""));
        }
        return values;
    }
    // The texts of the message boxes shown since the first `from` ones.
    std::vector<std::string> messagesContaining(const std::string& part, std::size_t from = 0) {
        std::vector<std::string> found;
        const auto texts = machine().windowSystem.messageTexts();
        for (std::size_t i = from; i < texts.size(); ++i) {
            const std::string& text = texts[i];
            if (text.find(part) != std::string::npos) {
                found.push_back(text);
            }
        }
        return found;
    }
};

TEST_F(HolidayStoreTest, StoredEntriesGapsAndEmptyValues) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> values;
        bool holidayOn24th;  // 24.12.99 is stored as entry 2
    };
    const std::vector<Case> cases = {
        {"gap at 1 ends the list",
         {{"0A", "01.01.99"}, {"0B", "Neujahr"}, {"2A", "24.12.99"}, {"2B", "Heiliger Abend"}},
         false},
        {"empty name skips the entry, the next still loads",
         {{"0A", "01.01.99"},
          {"0B", "Neujahr"},
          {"1A", "06.01.99"},
          {"1B", ""},
          {"2A", "24.12.99"},
          {"2B", "Heiliger Abend"}},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        machine().registry.deleteKeyTree(platform::Hive::CurrentUser, holidayKey());
        for (const auto& [name, value] : c.values) {
            putHoliday(name, value);
        }
        machine().time.setLocal(At(1999, 12, 24, 10, 0, 0));
        startSettled();
        connect();
        EXPECT_EQ(app().counterWindow.dayLine.text(),
                  c.holidayOn24th ? "Freitag, 24.12.99, Feiertag" : "Freitag, 24.12.99, Werktag");
        EXPECT_TRUE(messagesContaining("Feiertage").empty());
        hangUp();
        app().userAction([&] { app().summaryWindow.ok.click(); });
    }
}

TEST_F(HolidayStoreTest, ListOfAnotherYearIsReportedOnce) {
    putHoliday("0A", "01.01.98");
    putHoliday("0B", "Neujahr");
    putHoliday("1A", "24.12.98");
    putHoliday("1B", "Heiliger Abend");
    startSettled();
    EXPECT_EQ(messagesContaining("nicht zum aktuellen Jahr").size(), 1U);
}

TEST_F(HolidayStoreTest, NothingStoredAndNoFile) {
    startSettled();
    const auto texts = messagesContaining("Es sind keine Feiertage eingetragen.");
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_NE(texts[0].find("mit der Schaltfläche 'Feiertage berechnen'"), std::string::npos);
    EXPECT_TRUE(messagesContaining("nicht zum aktuellen Jahr").empty());
}

TEST_F(HolidayStoreTest, NothingStoredButAFileIsImportedAndStored) {
    writeFile("Feiertage.dat",
              "01.01.99\r\nNeujahr\r\n06.01.99\r\nHeilige Drei K\xF6nige\r\n0\r\n24.12.99\r\n"
              "Heiliger Abend\r\n");
    startSettled();
    EXPECT_EQ(messagesContaining("Diese wird jetzt importiert.").size(), 1U);
    EXPECT_EQ(messagesContaining("erfolgreich in das Programm geladen").size(), 1U);
    auto value = [&](const std::string& name) {
        return machine()
            .registry.readString(platform::Hive::CurrentUser, holidayKey(), name)
            .value_or("<absent>");
    };
    EXPECT_EQ(value("1B"), "Heilige Drei Könige");
    EXPECT_EQ(value("2A"), "<absent>");
}

// Files that cannot be imported, at start-up with nothing stored and by the holidays window's
// import button over a stored list: each is refused with one message that names the file and
// why; nothing is announced as imported or loaded, and what was stored stays.
TEST_F(HolidayStoreTest, FilesThatCannotBeImportedAreRefusedWithTheirReason) {
    const std::string path = directory() + "Feiertage.dat";
    struct Case {
        const char* name;
        std::function<void()> plant;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"random bytes", [&] { writeFile("Feiertage.dat", RandomBytes(4096)); },
         "keinen gültigen Feiertag"},
        {"no real day", [&] { writeFile("Feiertage.dat", "32.13.99\r\nNeujahr\r\n"); },
         "keinen gültigen Feiertag"},
        {"over the size limit", [&] { writeFile("Feiertage.dat", Entries(3000)); },
         "Sie ist 78000 Bytes groß, eine Feiertagsdatei hat höchstens 65536 Bytes."},
        {"too many entries", [&] { writeFile("Feiertage.dat", Entries(201)); },
         "Sie enthält 201 Einträge, eine Feiertagsdatei hat höchstens 200."},
        {"a folder of that name", [&] { std::filesystem::create_directory(path); },
         "Sie kann nicht geöffnet werden (is a folder)."},
    };
    for (const bool atStart : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (atStart ? " at start-up" : " by the button"));
            kill();
            std::filesystem::remove_all(path);
            machine().registry.deleteKeyTree(platform::Hive::CurrentUser, holidayKey());
            if (!atStart) {
                putHoliday("0A", "24.12.99");
                putHoliday("0B", "Heiliger Abend");
            }
            const std::vector<std::string> before = storedValues();
            c.plant();
            const std::size_t from = machine().windowSystem.messages().size();
            startSettled();
            if (!atStart) {
                onModal("Form13", [&] {
                    app().holidaysWindow.importButton.click();
                    EXPECT_EQ(app().holidaysWindow.holidayList.rows(),
                              (std::vector<ListControl::Row>{{"24.12.99", "Heiliger Abend"}}));
                    app().holidaysWindow.cancel.click();
                });
                app().userAction([&] { app().mainWindow.holidaysButton.click(); });
            }
            const auto refusals = messagesContaining("'" + path + "'", from);
            ASSERT_EQ(refusals.size(), 1U);
            EXPECT_NE(refusals[0].find(c.reason), std::string::npos) << refusals[0];
            EXPECT_TRUE(messagesContaining("erfolgreich", from).empty());
            EXPECT_TRUE(messagesContaining("jetzt importiert", from).empty());
            EXPECT_EQ(storedValues(), before);
        }
    }
}

// Entries without a real date or a name are left out, and the user is told which.
TEST_F(HolidayStoreTest, UnusableEntriesAreLeftOutAndNamed) {
    writeFile("Feiertage.dat",
              "01.01.99\r\nNeujahr\r\n31.11.99\r\nKein Tag\r\n24.12.99\r\n\r\n26.12.99\r\n"
              "2. Weihnachtstag\r\n");
    startSettled();
    EXPECT_EQ(messagesContaining("erfolgreich in das Programm geladen").size(), 1U);
    const auto leftOut = messagesContaining("nicht übernommen");
    ASSERT_EQ(leftOut.size(), 1U);
    EXPECT_EQ(leftOut[0].rfind("2 von 4 Einträgen der Feiertagsdatei", 0), 0U) << leftOut[0];
    EXPECT_NE(leftOut[0].find("zuerst der 2. Eintrag"), std::string::npos) << leftOut[0];
    EXPECT_EQ(storedValues(), (std::vector<std::string>{"0A=01.01.99", "0B=Neujahr", "1A=26.12.99",
                                                        "1B=2. Weihnachtstag"}));
}

// A file that yields no entries is imported once, not again and again.
TEST_F(HolidayStoreTest, FileWithoutEntriesIsTriedOnce) {
    writeFile("Feiertage.dat", "0\r\n");
    startSettled();
    EXPECT_EQ(messagesContaining("keinen gültigen Feiertag").size(), 1U);
    EXPECT_TRUE(app().mainWindow.active.checked());
}

}  // namespace
}  // namespace ruvo::testing
