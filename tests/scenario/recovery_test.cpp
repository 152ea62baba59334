// Crash recovery and the program's own data files at start-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/file_io.h"
#include "domain/database_file.h"
#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

class RecoveryTest : public ConnectionTest {
protected:
    void putAutosave(const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& [name, value] : values) {
            machine().registry.writeString(platform::Hive::CurrentUser,
                                           SettingsStore::settingsKey() + "\\Temp", name, value);
        }
    }
};

TEST_F(RecoveryTest, CrashDuringAConnectionIsRecoveredByTheCountdown) {
    startSettled();
    connect();  // 10:00:12
    wait(75);   // the last autosave is at the second unit, 10:01:12
    kill();

    std::vector<std::string> captions;
    onModal("Form14", [&] {
        EXPECT_TRUE(app().startupWindow.visible());
        EXPECT_EQ(app().recoveryWindow.saveButton.caption(), "&Speichern in 45 Sek");
        for (int step = 1; step <= 45 && app().recoveryWindow.visible(); ++step) {
            wait(1);
            captions.push_back(app().recoveryWindow.saveButton.caption());
        }
    });
    ASSERT_TRUE(startProgram());
    ASSERT_EQ(captions.size(), 45U);
    EXPECT_EQ(captions.front(), "Speichern in 44 Sek");
    EXPECT_EQ(captions.back(), "Speichern in 0 Sek");
    EXPECT_FALSE(autosaveExists());
    const auto saved = records();
    ASSERT_EQ(saved.size(), 1U);
    EXPECT_EQ(saved[0].startTime, "10:00:12");
    EXPECT_EQ(saved[0].endTime, "10:01:12");
    EXPECT_EQ(saved[0].durationSeconds, "60");
    EXPECT_EQ(saved[0].units, "2");
    // The start-up window stays for another four seconds after the recovery.
    EXPECT_TRUE(app().startupWindow.visible());
    wait(3.9);
    EXPECT_TRUE(app().startupWindow.visible());
    wait(0.2);
    EXPECT_FALSE(app().startupWindow.visible());
}

TEST_F(RecoveryTest, EnterSavesEscapeDiscardsCloseBoxKeeps) {
    struct Case {
        const char* name;
        std::function<void(RecoveryWindow&)> answer;
        bool saved;
        bool autosaveAfter;
    };
    const std::vector<Case> cases = {
        {"Enter", [](RecoveryWindow& w) { w.saveButton.click(); }, true, false},
        {"Escape", [](RecoveryWindow& w) { w.discardButton.click(); }, false, true},
        {"close box", [](RecoveryWindow& w) { w.closeBox(); }, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        std::filesystem::remove(directory() + "RVDaten99.db");
        putAutosave({{"Tarif", ""}, {"Zeit", "30"}, {"Gesamt", "12"}, {"AZeit", "09:00:00"}});
        onModal("Form14", [&] { c.answer(app().recoveryWindow); });
        ASSERT_TRUE(startProgram());
        EXPECT_FALSE(app().recoveryWindow.visible());
        EXPECT_EQ(autosaveExists(), c.autosaveAfter);
        wait(8.001);  // the start-up goes on either way
        EXPECT_FALSE(app().startupWindow.visible());
        const auto saved = records();
        ASSERT_EQ(saved.size(), c.saved ? 1U : 0U);
        if (c.saved) {
            // Missing values are written as their defaults.
            EXPECT_EQ(saved[0], (ConnectionRecord{"noname", "30", "0", "0", "0", "12", "09:00:00",
                                                  "00.00.00", "00:00:00", "00.00.00"}));
        }
    }
}

// A connection cut off on New Year's Eve is restored at the first start of the new year into
// the new year's file, which does not exist yet at that moment.
TEST_F(RecoveryTest, ConnectionOfThePreviousYearGoesIntoTheNewFile) {
    machine().time.setLocal(At(2000, 1, 2, 9, 0, 0));
    putAutosave({{"Tarif", "Ganztag"},
                 {"Zeit", "600"},
                 {"Einheiten", "10"},
                 {"Telegeb", "120"},
                 {"Provgeb", "0"},
                 {"Gesamt", "120"},
                 {"AZeit", "23:55:00"},
                 {"ADatum", "31.12.99"},
                 {"EZeit", "00:05:00"},
                 {"EDatum", "01.01.00"}});
    onModal("Form14", [&] { app().recoveryWindow.saveButton.click(); });
    ASSERT_TRUE(startProgram());
    const auto saved = records("RVDaten00.db");
    ASSERT_EQ(saved.size(), 1U);
    EXPECT_EQ(saved[0].startDate, "31.12.99");
    EXPECT_FALSE(autosaveExists());
}

// The program died after a connection's record was stored and before its autosave was deleted
// (in the summary's save, a split, or the recovery itself): the recovery deletes the autosave
// without storing the connection a second time. A connection of another start is stored.
TEST_F(RecoveryTest, ConnectionStoredBeforeItsAutosaveWentIsNotStoredTwice) {
    struct Case {
        const char* name;
        const char* storedIn;  // the file holding the connection's full record
        const char* storedStart;
        const char* today;    // the day of the start after the crash
        std::size_t records;  // in today's file afterwards
    };
    const std::vector<Case> cases = {
        {"stored today", "RVDaten00.db", "10:00:12", "02.01.00", 1},
        {"stored on New Year's Eve", "RVDaten99.db", "10:00:12", "01.01.00", 0},
        {"another connection stored", "RVDaten00.db", "09:00:00", "02.01.00", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        for (const char* name : {"RVDaten99.db", "RVDaten00.db"}) {
            std::filesystem::remove(directory() + name);
        }
        const std::string day = c.storedIn == std::string("RVDaten99.db") ? "31.12.99" : "02.01.00";
        AppendRecord(directory() + c.storedIn, {"Ganztag", "600", "10", "120", "0", "120",
                                                c.storedStart, day, "10:10:12", day});
        putAutosave({{"Tarif", "Ganztag"},
                     {"Zeit", "540"},
                     {"Einheiten", "10"},
                     {"Telegeb", "120"},
                     {"Provgeb", "0"},
                     {"Gesamt", "120"},
                     {"AZeit", "10:00:12"},
                     {"ADatum", day},
                     {"EZeit", "10:09:12"},
                     {"EDatum", day}});
        machine().time.setLocal(c.today == std::string("01.01.00") ? At(2000, 1, 1, 12)
                                                                   : At(2000, 1, 2, 12));
        onModal("Form14", [&] { app().recoveryWindow.saveButton.click(); });
        ASSERT_TRUE(startProgram());
        EXPECT_FALSE(autosaveExists());
        EXPECT_EQ(records("RVDaten00.db").size(), c.records);
    }
}

// A recovered record that cannot be written is kept in the settings, the user is told, and it
// reaches the database once the database can be written.
TEST_F(RecoveryTest, RecordThatCannotBeWrittenIsKeptUntilTheDatabaseCanBeWritten) {
    putAutosave({{"Tarif", "Ganztag"},
                 {"Zeit", "30"},
                 {"Gesamt", "12"},
                 {"AZeit", "09:00:00"},
                 {"ADatum", "07.12.99"}});
    // A folder where the database file should be: nothing can be appended.
    std::filesystem::create_directory(directory() + "RVDaten99.db");
    onModal("Form14", [&] { app().recoveryWindow.saveButton.click(); });
    startSettled();
    EXPECT_FALSE(autosaveExists());
    EXPECT_TRUE(machine().registry.keyExists(platform::Hive::CurrentUser,
                                             SettingsStore::settingsKey() + "\\Ungespeichert"));
    EXPECT_EQ(messagesContaining("Die Verbindung vom 07.12.99 um 09:00:00 konnte noch nicht"), 1U);
    wait(60);
    std::filesystem::remove(directory() + "RVDaten99.db");
    wait(4);
    const auto saved = records();
    ASSERT_EQ(saved.size(), 1U);
    EXPECT_EQ(saved[0].durationSeconds, "30");
    EXPECT_EQ(saved[0].startTime, "09:00:00");
    EXPECT_FALSE(machine().registry.keyExists(platform::Hive::CurrentUser,
                                              SettingsStore::settingsKey() + "\\Ungespeichert"));
}

TEST_F(RecoveryTest, MissingTariffFileIsCreatedWithTheDefaultZone) {
    std::filesystem::remove(directory() + "Tarif.dat");
    startSettled();
    EXPECT_EQ(machine().windowSystem.messages().front().text,
              "Die Tarifdatei 'Tarif.dat' ist nicht vorhanden und wird deshalb neu angelegt.");
    EXPECT_EQ(file("Tarif.dat"),
              "0,0,1,\r\nGanztag\r\n0000\r\n0000\r\n0\r\n0\r\n0000\r\n0000\r\n0\r\n0\r\n0000\r\n"
              "0000\r\n0\r\n0");
    // With the default zone nothing is ever counted.
    connect();
    wait(30);
    EXPECT_EQ(app().counterWindow.zoneName.text(), "");
    EXPECT_EQ(app().counterWindow.totalText.text(), "0,00 DM");
}

TEST_F(RecoveryTest, TariffsThatWereNeverLoadedAreNeverSavedOverTheFile) {
    // The start-up is cut short before the tariffs are loaded: the first tick fails.
    machine().registry.writeBinary(platform::Hive::CurrentUser, SettingsStore::settingsKey(),
                                   "AskAutostartQuestion");
    const std::string before = file("Tarif.dat");
    ASSERT_TRUE(startProgram());
    wait(2);
    machine().windowSystem.setMessageHandler(
        [](const platform::MessageBox&) { return platform::MessageAnswer::Yes; });
    app().userAction([&] { app().quitProgram(); });
    EXPECT_EQ(file("Tarif.dat"), before);
}

TEST_F(RecoveryTest, BadTariffValueIsReportedOnceNotEverySecondAndCountedAsZero) {
    const struct {
        std::string pfPerUnit;
        std::string secPerUnit;
        std::string value;
        std::string fault;
    } cases[] = {
        {"zwölf", "60", "zwölf", "der keine ganze Zahl ist"},
        {"-12", "60", "-12", "der negativ ist"},
        {"12", "-60", "-60", "der negativ ist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        kill();
        std::filesystem::remove(directory() + "RVDaten99.db");
        useTariffs(Tariffs({{"Ganztag", "0000", "2400", c.pfPerUnit, c.secPerUnit}}));
        const std::size_t first = machine().windowSystem.messages().size();
        startSettled();
        connect();
        wait(120);
        const auto texts = machine().windowSystem.messageTexts();
        ASSERT_EQ(texts.size(), first + 2);  // once at loading, once for the connection
        EXPECT_EQ(texts[first],
                  "Die Tarifdatei 'Tarif.dat' enthält beim Tarif 'Ganztag' "
                  "(Werktag) den Wert '" +
                      c.value + "', " + c.fault +
                      ". Bitte korrigieren Sie ihn auf der Seite 'Telefon'.");
        EXPECT_EQ(texts[first + 1], "Der Tarif 'Ganztag' enthält den Wert '" + c.value + "', " +
                                        c.fault +
                                        ". Er wird als 0 gerechnet. Bitte korrigieren Sie ihn "
                                        "auf der Seite 'Telefon'.");
        EXPECT_TRUE(machine().windowSystem.errors().empty());
        EXPECT_EQ(app().counterWindow.telephoneText.text(), "0,00 DM");
        hangUp();
        app().userAction([&] { app().summaryWindow.ok.click(); });
        ASSERT_EQ(records().size(), 1U);
        EXPECT_EQ(records()[0].totalCharge, "0");
    }
}

TEST_F(RecoveryTest, EditedFeeIsSavedAndLoadedAgain) {
    startSettled();
    app().userAction([&] { app().mainWindow.providerFeePerMinute.enter("7"); });
    app().userAction([&] { app().mainWindow.freeMinutes.enter("10 Stunden"); });
    EXPECT_EQ(app().mainWindow.freeMinutes.text(), "0");
    EXPECT_EQ(file("Tarif.dat").substr(0, 8), "7,0,1,\r\n");
    kill();
    startSettled();
    EXPECT_EQ(app().mainWindow.providerFeePerMinute.text(), "7");
}

}  // namespace
}  // namespace ruvo::testing
