// Start-up, settings, online detection and the autostart question, run as a whole program on the
// fake platform in virtual time.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/settings_table.h"
#include "tests/support/program_fixture.h"

namespace ruvo::testing {
namespace {

using platform::Hive;
using platform::TrayPicture;

const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const kMailStart = "Bitte senden Sie dem Autor dieses Programms";

class StartupTest : public ProgramTest {};

TEST_F(StartupTest, FirstStartOnAnEmptyRegistry) {
    std::vector<std::string> events;
    machine().windowSystem.setMessageHandler([&](const platform::MessageBox& box) {
        events.push_back("message " + std::to_string(machine().time.monotonicMs()) + " " +
                         box.text.substr(0, 20));
        return platform::MessageAnswer::Ok;
    });
    onModal("Form5", [&] {
        events.push_back("question " + std::to_string(machine().time.monotonicMs()));
        app().autostartQuestionWindow.no.click();
    });
    machine().hostAddresses.set(2);

    ASSERT_TRUE(startProgram());
    EXPECT_TRUE(app().startupWindow.visible());
    EXPECT_EQ(app().startupWindow.captionLabel.text(), "Ruvometer 2.3");
    EXPECT_EQ(app().startupWindow.dataDirectoryLabel.text(), directory());
    EXPECT_EQ(app().mainWindow.databaseLabel.text(), directory() + "RVDaten99.db");

    // Every value of the table, in its order, with the defaults of this moment.
    const std::vector<std::string> names =
        machine().registry.valueNames(Hive::CurrentUser, SettingsStore::settingsKey());
    ASSERT_EQ(names.size(), 22U);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], SettingsTable()[i].name);
    }
    EXPECT_EQ(setting("AktuellerMonat"), "12.99");
    EXPECT_EQ(setting("MBFin"), "07.12.99");
    EXPECT_EQ(setting("WBFin"), "07.12.99");
    EXPECT_EQ(setting("Offline IPs"), "2");
    EXPECT_EQ(setting("GebInWindows"), "1");
    EXPECT_EQ(setting("RESETALLSETTINGS"), "1");

    wait(3.999);
    EXPECT_TRUE(events.empty());
    wait(0.001);
    EXPECT_FALSE(app().startupWindow.visible());
    const std::vector<std::string> expected = {"message 4000 " + std::string(kMailStart, 20),
                                               "question 4000"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(setting("EMailQuestion"), "asked");
    // "Frage bei jedem Start stellen" was left ticked.
    EXPECT_EQ(setting("AskAutostartQuestion"), "1");

    wait(0.001);  // the first tick
    EXPECT_TRUE(machine().tray.present());
    EXPECT_EQ(machine().tray.picture(), TrayPicture::Offline);
    EXPECT_EQ(machine().tray.tip(), "Quelmar Ruvometer");
    EXPECT_FALSE(app().mainWindow.visible());
}

TEST_F(StartupTest, ResetByHandKeepsHolidaysAutostartAndAutosave) {
    prepareSettledSettings();
    putSetting("WochenBudget", "5000");
    putSetting("Offline IPs", "3");
    putSetting("Unbekannt", "bleibt");
    putSetting("RESETALLSETTINGS", "0");
    machine().registry.writeString(Hive::CurrentUser, SettingsStore::settingsKey() + "\\Feiertage",
                                   "0A", "24.12.99");
    machine().registry.writeString(Hive::LocalMachine, kRunKey, "Ruvometer 2.3", "/x/ruvometer");

    ASSERT_TRUE(startProgram());
    EXPECT_EQ(setting("WochenBudget"), "0");
    EXPECT_EQ(setting("Offline IPs"), "1");
    EXPECT_EQ(setting("EMailQuestion"), "not asked");
    EXPECT_EQ(setting("Unbekannt"), "bleibt");
    EXPECT_EQ(setting("RESETALLSETTINGS"), "1");
    EXPECT_TRUE(machine().registry.valueExists(Hive::CurrentUser,
                                               SettingsStore::settingsKey() + "\\Feiertage", "0A"));
    EXPECT_TRUE(machine().registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 2.3"));
}

TEST_F(StartupTest, OlderVersionsAreRemovedNewerOnesNot) {
    prepareSettledSettings();
    for (const char* version :
         {"Ruvometer 1.4", "Ruvometer 2.0", "Ruvometer 2.4", "Ruvometer 3.0"}) {
        machine().registry.writeString(
            Hive::CurrentUser, std::string("Software\\Quelmar\\") + version + "\\Temp", "x", "1");
        machine().registry.writeString(Hive::LocalMachine, kRunKey, version, "/old");
    }
    // A Run value of an older version whose key is gone is not looked at.
    machine().registry.writeString(Hive::LocalMachine, kRunKey, "Ruvometer 1.9", "/old");

    ASSERT_TRUE(startProgram());
    wait(4.001);
    std::vector<std::string> texts;
    for (const auto& text : machine().windowSystem.messageTexts()) {
        if (text.find("alte Version") != std::string::npos) {
            texts.push_back(text);
        }
    }
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0],
              "Ruvometer 2.3 hat eine alte Version des Ruvometers in der "
              "Windowsregistrierdatenbank gefunden.\n\nDie Einträge dieser alten Version werden "
              "jetzt gelöscht, da sie überflüssig sind.");
    auto& registry = machine().registry;
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, "Software\\Quelmar\\Ruvometer 1.4"));
    EXPECT_FALSE(registry.keyExists(Hive::CurrentUser, "Software\\Quelmar\\Ruvometer 2.0"));
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, "Software\\Quelmar\\Ruvometer 2.4\\Temp"));
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, "Software\\Quelmar\\Ruvometer 3.0"));
    EXPECT_FALSE(registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 1.4"));
    EXPECT_FALSE(registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 2.0"));
    EXPECT_TRUE(registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 1.9"));
    EXPECT_TRUE(registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 2.4"));
    EXPECT_TRUE(registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 3.0"));
}

TEST_F(StartupTest, SecondInstanceOnlyTellsAndEnds) {
    prepareSettledSettings();
    ASSERT_TRUE(startProgram());
    wait(5);
    const auto messagesBefore = machine().windowSystem.messages().size();

    fake::FakeProcess second(machine());
    Ruvometer secondCopy(second.platform());
    EXPECT_FALSE(secondCopy.start());
    ASSERT_EQ(machine().windowSystem.messages().size(), messagesBefore + 1);
    const auto& box = machine().windowSystem.messages().back();
    EXPECT_EQ(box.text, "Another Instance of this Program is still running.");
    EXPECT_EQ(box.caption, "Quelmar Ruvometer");
    EXPECT_EQ(box.icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(machine().windowSystem.quitRequested());
    EXPECT_EQ(machine().windowSystem.exitCode(), 0);
    for (WindowModel* window : secondCopy.windows()) {
        EXPECT_FALSE(window->visible()) << window->windowName();
    }
    // The first copy goes on undisturbed.
    wait(8);
    EXPECT_EQ(machine().tray.picture(), TrayPicture::Offline);

    // Once the first copy died, a new start succeeds.
    kill();
    EXPECT_TRUE(startProgram());
}

// The count measured at the start is the reference: the same count stays offline, one more is
// online. A machine whose only link is the modem counts 0 offline.
// A lock that cannot be taken leaves it open whether another copy runs: the start ends with the
// reason and exit code 1, before any window or setting is touched; once the lock works again the
// program starts.
TEST_F(StartupTest, LockThatCannotBeTakenEndsTheStart) {
    prepareSettledSettings();
    const std::string settingsBefore = machine().registry.toRegedit();
    machine().locks.setFailure("An der Stelle der Sperrdatei steht ein Ordner.");

    EXPECT_FALSE(startProgram());
    ASSERT_EQ(machine().windowSystem.messages().size(), 1U);
    const auto& box = machine().windowSystem.messages().back();
    EXPECT_EQ(box.text,
              "Ruvometer kann nicht sicherstellen, dass es nur einmal läuft, und wird deshalb "
              "beendet.\n\nAn der Stelle der Sperrdatei steht ein Ordner.");
    EXPECT_EQ(box.caption, "Quelmar Ruvometer");
    EXPECT_EQ(box.icon, platform::MessageIcon::Error);
    EXPECT_TRUE(machine().windowSystem.quitRequested());
    EXPECT_EQ(machine().windowSystem.exitCode(), 1);
    EXPECT_TRUE(app().ended());
    for (WindowModel* window : app().windows()) {
        EXPECT_FALSE(window->visible()) << window->windowName();
    }
    wait(10);
    EXPECT_EQ(machine().time.enabledTimerCount(), 0);
    EXPECT_FALSE(machine().tray.present());
    EXPECT_EQ(machine().registry.toRegedit(), settingsBefore);

    kill();
    machine().locks.setFailure(std::nullopt);
    EXPECT_TRUE(startProgram());
}

TEST_F(StartupTest, EmptyOfflineReferenceIsMeasuredBeforeTheMonitorStarts) {
    struct Case {
        int offlineCount;
        const char* stored;
    };
    for (const Case& c : {Case{2, "2"}, Case{0, "0"}}) {
        SCOPED_TRACE(c.offlineCount);
        kill();
        prepareSettledSettings();
        putSetting("Offline IPs", "");
        machine().hostAddresses.set(c.offlineCount);
        ASSERT_TRUE(startProgram());
        EXPECT_EQ(setting("Offline IPs"), c.stored);
        wait(20);
        EXPECT_FALSE(app().mainWindow.online.checked());
        machine().hostAddresses.set(c.offlineCount + 1);
        wait(4);
        EXPECT_TRUE(app().mainWindow.online.checked());
    }
}

TEST_F(StartupTest, PollFollowsTheAddressCount) {
    prepareSettledSettings();
    ASSERT_TRUE(startProgram());
    wait(4.001);  // start-up window gone, first tick done
    struct Step {
        std::optional<int> addresses;
        bool online;
    };
    const std::vector<Step> steps = {
        {2, true}, {1, false}, {3, true}, {std::nullopt, false}, {5, true}, {0, false},
    };
    for (const Step& step : steps) {
        machine().hostAddresses.set(step.addresses);
        wait(4);
        EXPECT_EQ(app().mainWindow.online.checked(), step.online)
            << "addresses " << step.addresses.value_or(-1);
    }
}

TEST_F(StartupTest, RecalibrateWhileOnlineEndsTheConnectionAtTheNextPoll) {
    prepareSettledSettings();
    ASSERT_TRUE(startProgram());
    wait(4.001);
    machine().hostAddresses.set(2);
    wait(4);
    ASSERT_TRUE(app().mainWindow.online.checked());
    app().userAction([&] { app().mainWindow.repairButton.click(); });
    EXPECT_EQ(setting("Offline IPs"), "2");
    EXPECT_EQ(machine().windowSystem.messages().back().text,
              "Die Konfiguration wurde aktualisiert.");
    wait(4);
    EXPECT_FALSE(app().mainWindow.online.checked());
}

// The autostart question across two starts: what it writes, and whether it comes again.
TEST_F(StartupTest, AutostartQuestionAcrossTwoStarts) {
    struct Case {
        const char* name;
        bool pressYes;
        bool askAgain;
        bool entryAfter;
        const char* askSettingAfterFirst;  // after the first tick of the first start
        bool askedAtSecondStart;
    };
    const std::vector<Case> cases = {
        {"Ja, ask again", true, true, true, "0", false},
        {"Ja, do not ask", true, false, true, "0", false},
        {"Nein, ask again", false, true, false, "1", true},
        {"Nein, do not ask", false, false, false, "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        machine().registry.fromRegedit("REGEDIT4\n");
        prepareSettledSettings();
        putSetting("AskAutostartQuestion", "1");
        int asked = 0;
        onModal("Form5", [&] {
            ++asked;
            EXPECT_TRUE(app().autostartQuestionWindow.askAtEveryStart.checked());
            app().autostartQuestionWindow.askAtEveryStart.setChecked(c.askAgain);
            (c.pressYes ? app().autostartQuestionWindow.yes : app().autostartQuestionWindow.no)
                .click();
        });
        ASSERT_TRUE(startProgram());
        wait(4.001);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(
            machine().registry.readString(Hive::LocalMachine, kRunKey, "Ruvometer 2.3"),
            c.entryAfter ? std::optional<std::string>(directory() + "ruvometer") : std::nullopt);
        EXPECT_EQ(setting("AskAutostartQuestion"), c.askSettingAfterFirst);
        EXPECT_EQ(app().mainWindow.startMonitoringAtLogin.checked(), c.entryAfter);
        EXPECT_EQ(app().mainWindow.askAutostartQuestion.enabled(), !c.entryAfter);

        kill();
        asked = 0;
        ASSERT_TRUE(startProgram());
        wait(4.001);
        EXPECT_EQ(asked, c.askedAtSecondStart ? 1 : 0);
    }
}

// At every start at which the autostart entry exists, it is written again with the path the
// program runs from now, so a moved program file starts from its new place; no entry is made
// where there was none.
TEST_F(StartupTest, AutostartEntryFollowsTheProgramAtEveryStart) {
    struct Case {
        const char* name;
        std::optional<std::string> entry;  // before each start
        bool entryAfter;
    };
    const std::vector<Case> cases = {
        {"moved program", "/alte/Stelle/ruvometer", true},
        {"empty entry", "", true},
        {"no entry", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        machine().registry.fromRegedit("REGEDIT4\n");
        prepareSettledSettings();
        for (int start = 1; start <= 2; ++start) {
            SCOPED_TRACE(start);
            kill();
            if (c.entry) {
                machine().registry.writeString(Hive::LocalMachine, kRunKey, "Ruvometer 2.3",
                                               *c.entry);
            }
            ASSERT_TRUE(startProgram());
            wait(4.001);
            EXPECT_EQ(machine().registry.readString(Hive::LocalMachine, kRunKey, "Ruvometer 2.3"),
                      c.entryAfter ? std::optional<std::string>(directory() + "ruvometer")
                                   : std::nullopt);
            EXPECT_EQ(app().mainWindow.startMonitoringAtLogin.checked(), c.entryAfter);
        }
    }
}

TEST_F(StartupTest, AutostartBoxesOfTheMainWindow) {
    prepareSettledSettings();
    ASSERT_TRUE(startProgram());
    wait(4.001);
    auto& main = app().mainWindow;
    app().userAction([&] { main.askAutostartQuestion.click(); });
    EXPECT_EQ(setting("AskAutostartQuestion"), "1");
    app().userAction([&] { main.startMonitoringAtLogin.click(); });
    EXPECT_TRUE(machine().registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 2.3"));
    EXPECT_FALSE(main.askAutostartQuestion.checked());
    EXPECT_FALSE(main.askAutostartQuestion.enabled());
    EXPECT_EQ(setting("AskAutostartQuestion"), "0");
    app().userAction([&] { main.startMonitoringAtLogin.click(); });
    EXPECT_FALSE(machine().registry.valueExists(Hive::LocalMachine, kRunKey, "Ruvometer 2.3"));
    EXPECT_TRUE(main.askAutostartQuestion.enabled());
    EXPECT_FALSE(main.askAutostartQuestion.checked());
}

// A migration message left open for four seconds: the monitor's first tick runs meanwhile.
TEST_F(StartupTest, MigrationMessageLeftOpenWhileTheMonitorTicks) {
    prepareSettledSettings();
    machine().registry.createKey(Hive::CurrentUser, "Software\\Quelmar\\Ruvometer 2.2");
    bool polledWhileOpen = false;
    machine().windowSystem.setMessageHandler([&](const platform::MessageBox& box) {
        if (box.text.find("alte Version") != std::string::npos) {
            machine().hostAddresses.set(2);
            wait(4.5);
            polledWhileOpen = app().mainWindow.online.checked();
        }
        return platform::MessageAnswer::Ok;
    });
    ASSERT_TRUE(startProgram());
    wait(4.001);
    EXPECT_TRUE(polledWhileOpen) << ::testing::PrintToString(machine().windowSystem.errors());
    // The rest of the first tick ran after the box closed.
    EXPECT_TRUE(app().mainWindow.chargesInTitle.checked());
}

// A settings value that cannot be read at the very start (a damaged settings file): the error
// box says so, and the start goes on to the tray icon and the monitor.
TEST_F(StartupTest, UnreadableSettingAtTheStartDoesNotStopTheStart) {
    prepareSettledSettings();
    machine().registry.writeBinary(Hive::CurrentUser, SettingsStore::settingsKey(),
                                   "RESETALLSETTINGS");
    ASSERT_TRUE(startProgram());
    EXPECT_EQ(machine().windowSystem.errors().size(), 1U);
    wait(8.001);
    EXPECT_FALSE(app().startupWindow.visible());
    EXPECT_EQ(machine().tray.picture(), TrayPicture::Offline);
    machine().hostAddresses.set(2);
    wait(4);
    EXPECT_TRUE(app().counterWindow.visible());
}

// A stored option that is not a number is reported and taken as its default; the remaining
// options are still applied.
TEST_F(StartupTest, BadStoredOptionDoesNotSkipTheRestOfTheFirstTick) {
    prepareSettledSettings();
    putSetting("SekInWindows", "x");
    putSetting("ZeitInWindows", "01");
    putSetting("WochenBudgetAN", "yes");
    putSetting("MonatsBudgetAN", "0");
    putSetting("EinheitenWarnung", "7");
    machine().registry.deleteValue(Hive::CurrentUser, SettingsStore::settingsKey(),
                                   "HideCounterWindow");
    ASSERT_TRUE(startProgram());
    wait(4.001);
    ASSERT_EQ(machine().windowSystem.errors().size(), 1U);
    EXPECT_EQ(machine().windowSystem.errors()[0], "'x' ist kein gültiger Integerwert");
    auto& main = app().mainWindow;
    EXPECT_FALSE(main.secondsLeftInTitle.checked());
    EXPECT_EQ(setting("SekInWindows"), "x");  // unchanged until the user sets the box
    EXPECT_TRUE(main.onlineTimeInTitle.checked());
    EXPECT_EQ(setting("ZeitInWindows"), "1");
    EXPECT_TRUE(main.useWeeklyBudget.checked());
    EXPECT_EQ(setting("WochenBudgetAN"), "1");
    EXPECT_FALSE(main.useMonthlyBudget.checked());
    EXPECT_EQ(main.leadSlider.position(), 7);
    EXPECT_EQ(main.leadText.text(), "14 Sekunden vor neuer Einheit.");
    // Absent flags tick their boxes.
    EXPECT_TRUE(main.hideCounterOnDialIn.checked());
    EXPECT_EQ(setting("HideCounterWindow"), "1");
}

TEST_F(StartupTest, BadOfflineReferenceIsReportedOnce) {
    prepareSettledSettings();
    putSetting("Offline IPs", "x");
    ASSERT_TRUE(startProgram());
    wait(60);
    EXPECT_EQ(machine().windowSystem.errors().size(), 1U);
    // Repaired by the user: polling works again.
    app().userAction([&] { app().mainWindow.repairButton.click(); });
    machine().hostAddresses.set(2);
    wait(4);
    EXPECT_TRUE(app().mainWindow.online.checked());
}

TEST_F(StartupTest, QuitAsksFirstAndEndsOnYes) {
    prepareSettledSettings();
    ASSERT_TRUE(startProgram());
    wait(4.001);
    machine().windowSystem.setMessageHandler(
        [](const platform::MessageBox&) { return platform::MessageAnswer::No; });
    app().userAction([&] { app().mainWindow.quitButton.click(); });
    EXPECT_FALSE(app().ended());
    machine().windowSystem.setMessageHandler(
        [](const platform::MessageBox&) { return platform::MessageAnswer::Yes; });
    app().userAction([&] { app().mainWindow.quitButton.click(); });
    EXPECT_TRUE(app().ended());
    EXPECT_TRUE(machine().windowSystem.quitRequested());
    EXPECT_FALSE(machine().tray.present());
    EXPECT_EQ(machine().time.enabledTimerCount(), 0);
}

}  // namespace
}  // namespace ruvo::testing

namespace ruvo::testing {
namespace {

// Log-off while the start-up window is still up: the program ends without asking and without
// writing the tariff file.
TEST_F(StartupTest, SystemClosingTheStartupWindowEndsTheProgram) {
    prepareSettledSettings();
    writeFile("Tarif.dat", "0,0,1,\r\n");
    ASSERT_TRUE(startProgram());
    wait(2);
    const auto questionsBefore = machine().windowSystem.messages().size();
    app().userAction([&] { app().closeRequestedBySystem(); });
    EXPECT_TRUE(app().ended());
    EXPECT_EQ(machine().windowSystem.messages().size(), questionsBefore);
    EXPECT_EQ(machine().time.enabledTimerCount(), 0);
    wait(10);
    EXPECT_EQ(file("Tarif.dat"), "0,0,1,\r\n");
    EXPECT_FALSE(app().startupWindow.visible());
}

}  // namespace
}  // namespace ruvo::testing
