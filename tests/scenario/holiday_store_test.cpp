// The holiday list kept in the settings between runs, its import from "Feiertage.dat" and the
// messages at start-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

class HolidayStoreTest : public ConnectionTest {
protected:
    HolidayStoreTest() {
        machine().registry.deleteKeyTree(platform::Hive::CurrentUser, holidayKey());
    }
    static std::string holidayKey() { return SettingsStore::SettingsKey() + "\\Feiertage"; }
    void putHoliday(const std::string& name, const std::string& value) {
        machine().registry.writeString(platform::Hive::CurrentUser, holidayKey(), name, value);
    }
    std::vector<std::string> messagesContaining(const std::string& part) {
        std::vector<std::string> found;
        for (const auto& text : machine().windowSystem.messageTexts()) {
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
        EXPECT_EQ(app().form6.dayLine.text(),
                  c.holidayOn24th ? "Freitag, 24.12.99, Feiertag" : "Freitag, 24.12.99, Werktag");
        EXPECT_TRUE(messagesContaining("Feiertage").empty());
        hangUp();
        app().userAction([&] { app().form4.button1.click(); });
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
    EXPECT_NE(texts[0].find("Starten Sie Ruvometer daraufhin erneut."), std::string::npos);
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

// A file that yields no entries is imported once, not again and again.
TEST_F(HolidayStoreTest, FileWithoutEntriesIsTriedOnce) {
    writeFile("Feiertage.dat", "0\r\n");
    startSettled();
    EXPECT_EQ(messagesContaining("Diese wird jetzt importiert.").size(), 1U);
    EXPECT_TRUE(app().form1.active.checked());
}

}  // namespace
}  // namespace ruvo::testing
