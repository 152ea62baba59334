// The desktop notifications: a budget used up during a connection, a closure due, a connection
// that could not be saved; each can be switched off, and without a notification service the
// program does what it did before.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

class DesktopNoticesTest : public ConnectionTest {
protected:
    std::vector<std::string> summaries() {
        std::vector<std::string> seen;
        for (const platform::Notification& n : notifications().shown()) {
            seen.push_back(n.summary);
        }
        return seen;
    }
    fake::FakeNotifications& notifications() { return machine().notifications; }

    // A settled program's data and settings, nothing else: no record kept from an earlier case.
    void freshMachine() {
        kill();
        machine().time.setLocal(At(1999, 12, 7, 10, 0, 0));
        machine().registry.fromRegedit("REGEDIT4\n");
        for (const auto& entry : std::filesystem::directory_iterator(directory())) {
            std::filesystem::remove_all(entry.path());
        }
        prepareSettledSettings();
        const std::string holidays = SettingsStore::settingsKey() + "\\Feiertage";
        machine().registry.writeString(platform::Hive::CurrentUser, holidays, "0A", "24.12.99");
        machine().registry.writeString(platform::Hive::CurrentUser, holidays, "0B",
                                       "Heiliger Abend");
        useTariffs(Tariffs({{"Ganztag", "0000", "2400", "12", "60"}}));
    }
};

TEST_F(DesktopNoticesTest, EachEventIsToldOnceUnlessSwitchedOff) {
    struct Case {
        const char* name;
        const char* switchedOff;  // the setting stored as "0", or nullptr
        bool serviceRunning;
        std::vector<std::string> summaries;
        std::string firstBody;
    };
    const std::string usedUp = "Wochenbudget aufgebraucht";
    const std::string closure = "Budgetabschluss: Monatsbudget";
    const std::string notSaved = "Verbindung nicht gespeichert";
    const std::vector<Case> cases = {
        {"all on",
         nullptr,
         true,
         {closure, usedUp, notSaved},
         "Der letzte Monat vom 01.11.99 bis zum 30.11.99: verbraucht 0,00 DM von 20,00 DM."},
        {"budget notice off", "MeldungBudgetAufgebraucht", true, {closure, notSaved}, ""},
        {"closure notice off", "MeldungBudgetabschluss", true, {usedUp, notSaved}, ""},
        {"save notice off", "MeldungNichtGespeichert", true, {closure, usedUp}, ""},
        {"no notification service", nullptr, false, {}, ""},
    };
    std::vector<std::string> boxesWithService;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshMachine();
        notifications() = fake::FakeNotifications();
        notifications().setServiceRunning(c.serviceRunning);
        for (const char* flag :
             {"MeldungBudgetAufgebraucht", "MeldungBudgetabschluss", "MeldungNichtGespeichert"}) {
            putSetting(flag, c.switchedOff && std::string(c.switchedOff) == flag ? "0" : "1");
        }
        // A weekly budget of 1 DM; the monthly closure of November is due.
        putSetting("WochenBudget", "100");
        putSetting("WochenBudgetAN", "1");
        putSetting("MonatsBudget", "2000");
        putSetting("MonatsBudgetAN", "1");
        putSetting("MBFin", "30.11.99");
        onModal("Form3", [&] { app().budgetClosureWindow.ok.click(); });
        const std::size_t boxesBefore = machine().windowSystem.messages().size();
        startSettled();

        connect();
        // 12 Pf a minute: the ninth unit, in the ninth minute, passes the 1 DM.
        wait(7 * 60);
        EXPECT_EQ(app().counterWindow.weekLeft.red(), false);
        wait(3 * 60);
        EXPECT_EQ(app().counterWindow.weekLeft.red(), true);
        // The database cannot be written: the connection is kept for later.
        std::filesystem::remove(directory() + "RVDaten99.db");
        std::filesystem::create_directory(directory() + "RVDaten99.db");
        hangUp();
        app().userAction([&] { app().summaryWindow.ok.click(); });

        EXPECT_EQ(summaries(), c.summaries);
        if (!c.firstBody.empty()) {
            ASSERT_FALSE(notifications().shown().empty());
            EXPECT_EQ(notifications().shown().front().body, c.firstBody);
        }
        // The message boxes are the same, whether or not a notice was given.
        const auto texts = machine().windowSystem.messageTexts();
        const std::vector<std::string> boxes(texts.begin() + static_cast<long>(boxesBefore),
                                             texts.end());
        if (boxesWithService.empty()) {
            boxesWithService = boxes;
            EXPECT_EQ(messagesContaining("konnte noch nicht in der Datenbank", boxesBefore), 1U);
        } else {
            EXPECT_EQ(boxes, boxesWithService);
        }
    }
}

TEST_F(DesktopNoticesTest, TheBoxesOnTheWarnungenPageStoreTheirSetting) {
    const struct {
        CheckBox MainWindow::*box;
        const char* setting;
    } boxes[] = {
        {&MainWindow::notifyBudgetUsedUp, "MeldungBudgetAufgebraucht"},
        {&MainWindow::notifyClosureDue, "MeldungBudgetabschluss"},
        {&MainWindow::notifyNotSaved, "MeldungNichtGespeichert"},
    };
    startSettled();
    for (const auto& b : boxes) {
        CheckBox& box = app().mainWindow.*b.box;
        EXPECT_TRUE(box.checked()) << b.setting;  // on while nothing is stored
        EXPECT_EQ(setting(b.setting), "<absent>");
        app().userAction([&] { box.click(); });
        EXPECT_EQ(setting(b.setting), "0");
    }
    // Stored off, they start off.
    kill();
    startSettled();
    for (const auto& b : boxes) {
        EXPECT_FALSE((app().mainWindow.*b.box).checked()) << b.setting;
    }
}

}  // namespace
}  // namespace ruvo::testing
