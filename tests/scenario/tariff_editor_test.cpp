// The tariff editor of the "Telefon" page, the zone-name editor and the tables view, run as a
// whole program on the fake platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/tariff_file.h"
#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

class TariffEditorTest : public ConnectionTest {
protected:
    TariffEditorTest() {
        useTariffs(
            Tariffs({{"Tag", "0800", "1800", "12", "90"}, {"Nacht", "1800", "2400", "6", "240"}}));
    }

    // Starts the program, opens the main window from the tray and goes to "Telefon".
    void openTelephonePage() {
        startSettled();
        machine().tray.click();
        ASSERT_TRUE(app().mainWindow.visible());
        act([&] { app().mainWindow.selectPage(MainPage::Telephone); });
    }

    void act(const std::function<void()>& action) { app().userAction(action); }

    // Picks a day class and a zone from the lists.
    void pick(int dayClass, int zone) {
        act([&] {
            app().mainWindow.telephoneDayClass.choose(dayClass);
            app().mainWindow.telephoneZone.choose(zone);
        });
    }

    std::vector<std::string> fields() {
        const MainWindow& w = app().mainWindow;
        return {w.telephonePfPerUnit.text(), w.telephoneSecPerUnit.text(),
                w.telephoneBeginHour.text(), w.telephoneBeginMinute.text(),
                w.telephoneEndHour.text(),   w.telephoneEndMinute.text()};
    }
    bool fieldsEnabled() {
        const MainWindow& w = app().mainWindow;
        return w.telephonePfPerUnit.enabled() && w.telephoneSecPerUnit.enabled() &&
               w.telephoneBeginHour.enabled() && w.telephoneBeginMinute.enabled() &&
               w.telephoneEndHour.enabled() && w.telephoneEndMinute.enabled();
    }
    bool fieldsDisabled() {
        const MainWindow& w = app().mainWindow;
        return !w.telephonePfPerUnit.enabled() && !w.telephoneSecPerUnit.enabled() &&
               !w.telephoneBeginHour.enabled() && !w.telephoneBeginMinute.enabled() &&
               !w.telephoneEndHour.enabled() && !w.telephoneEndMinute.enabled();
    }

    // The tables as the hidden save button writes them.
    TariffTables saved() {
        act([&] { app().mainWindow.saveTariffsButton.click(); });
        return ParseTariffFile(file("Tarif.dat")).tables;
    }

    void quitAnswering(platform::MessageAnswer answer) {
        machine().windowSystem.setMessageHandler(
            [answer](const platform::MessageBox&) { return answer; });
        act([&] { app().mainWindow.quitButton.click(); });
    }

    const std::vector<std::string> kReset = {"0", "0", "00", "00", "00", "00"};
};

TEST_F(TariffEditorTest, EditedPriceIsSavedOnLeavingThePageAndShownAfterARestart) {
    openTelephonePage();
    EXPECT_TRUE(fieldsDisabled());  // after the load no zone is selected
    EXPECT_EQ(app().mainWindow.telephoneZone.items(), (std::vector<std::string>{"Tag", "Nacht"}));
    EXPECT_EQ(app().mainWindow.telephoneZone.text(), "");

    pick(0, 1);
    EXPECT_TRUE(fieldsEnabled());
    EXPECT_EQ(fields(), (std::vector<std::string>{"6", "240", "18", "00", "24", "00"}));
    act([&] { app().mainWindow.telephonePfPerUnit.enter("8"); });
    const std::string before = file("Tarif.dat");
    act([&] { app().mainWindow.selectPage(MainPage::Info); });
    EXPECT_NE(file("Tarif.dat"), before);

    kill();
    openTelephonePage();
    pick(0, 1);
    EXPECT_EQ(fields(), (std::vector<std::string>{"8", "240", "18", "00", "24", "00"}));
    // Only the Werktag row of the zone changed.
    pick(1, 1);
    EXPECT_EQ(fields()[0], "6");
}

TEST_F(TariffEditorTest, InvalidSelectionDisablesAndResetsWithoutWriting) {
    openTelephonePage();
    const TariffTables before = saved();
    pick(0, 0);
    EXPECT_EQ(fields(), (std::vector<std::string>{"12", "90", "08", "00", "18", "00"}));

    // A typed day class that is none of the three.
    act([&] { app().mainWindow.telephoneDayClass.setText("Montag"); });
    EXPECT_TRUE(fieldsDisabled());
    EXPECT_EQ(fields(), kReset);
    EXPECT_EQ(saved(), before);

    // A valid day class with a typed zone that is none of the zones.
    act([&] { app().mainWindow.telephoneDayClass.choose(2); });
    EXPECT_TRUE(fieldsEnabled());
    act([&] { app().mainWindow.telephoneZone.setText("Mittag"); });
    EXPECT_TRUE(fieldsDisabled());
    EXPECT_EQ(fields(), kReset);
    EXPECT_EQ(saved(), before);

    // Typing a zone's name enables the fields again; the next pick shows the row.
    act([&] { app().mainWindow.telephoneZone.setText("Tag"); });
    EXPECT_TRUE(fieldsEnabled());
    act([&] { app().mainWindow.telephoneZone.choose(0); });
    EXPECT_EQ(fields(), (std::vector<std::string>{"12", "90", "08", "00", "18", "00"}));
    EXPECT_EQ(saved(), before);
}

TEST_F(TariffEditorTest, LeavingAFieldAppliesTheNumberRule) {
    openTelephonePage();
    pick(0, 0);
    MainWindow& w = app().mainWindow;
    const std::string price = "Der Preis einer Einheit kann nicht negativ sein; es bleibt bei ";
    const std::string length = "Die Länge einer Einheit kann nicht negativ sein; es bleibt bei ";
    struct Case {
        TextField* field;
        std::string typed;
        std::string shown;
        std::string TariffRow::*member;
        std::string stored;
        std::string refusal = "";  // the message that refuses the entry
    };
    const std::vector<Case> cases = {
        {&w.telephoneBeginHour, " 7", "07", &TariffRow::begin, "0700"},
        {&w.telephoneBeginHour, "+6", "06", &TariffRow::begin, "0600"},
        {&w.telephoneBeginHour, "8", "08", &TariffRow::begin, "0800"},
        {&w.telephoneBeginMinute, "x", "00", &TariffRow::begin, "0800"},
        {&w.telephoneBeginMinute, "5", "05", &TariffRow::begin, "0805"},
        {&w.telephoneEndHour, "99", "99", &TariffRow::end, "9900"},
        {&w.telephoneEndMinute, "", "00", &TariffRow::end, "9900"},
        {&w.telephonePfPerUnit, "-12", "12", &TariffRow::pfPerUnit, "12", price + "12 Pfennig."},
        {&w.telephonePfPerUnit, "12,1", "0", &TariffRow::pfPerUnit, "0"},
        {&w.telephonePfPerUnit, "15", "15", &TariffRow::pfPerUnit, "15"},
        {&w.telephonePfPerUnit, " -1", "15", &TariffRow::pfPerUnit, "15", price + "15 Pfennig."},
        {&w.telephonePfPerUnit, "-0", "-0", &TariffRow::pfPerUnit, "-0"},
        {&w.telephonePfPerUnit, "0", "0", &TariffRow::pfPerUnit, "0"},
        {&w.telephoneSecPerUnit, "-60", "90", &TariffRow::secPerUnit, "90",
         length + "90 Sekunden."},
        {&w.telephoneSecPerUnit, "abc", "0", &TariffRow::secPerUnit, "0"},
        {&w.telephoneSecPerUnit, "-60", "0", &TariffRow::secPerUnit, "0", length + "0 Sekunden."},
        {&w.telephoneSecPerUnit, "60", "60", &TariffRow::secPerUnit, "60"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field->name() + " " + c.typed);
        const std::size_t messages = machine().windowSystem.messages().size();
        act([&] { c.field->enter(c.typed); });
        EXPECT_EQ(c.field->text(), c.shown);
        EXPECT_EQ(saved().table(DayClass::Werktag)[0].*c.member, c.stored);
        if (c.refusal.empty()) {
            EXPECT_EQ(machine().windowSystem.messages().size(), messages);
        } else {
            ASSERT_EQ(machine().windowSystem.messages().size(), messages + 1);
            EXPECT_EQ(machine().windowSystem.messages().back().text, c.refusal);
        }
    }
    // Every change of a field's text reaches the row at once, before the field is left; a
    // negative number being typed does not.
    act([&] { w.telephonePfPerUnit.setText("7"); });
    EXPECT_EQ(saved().table(DayClass::Werktag)[0].pfPerUnit, "7");
    act([&] { w.telephonePfPerUnit.setText("-7"); });
    EXPECT_EQ(saved().table(DayClass::Werktag)[0].pfPerUnit, "7");
}

// A negative value from the file is shown as it is; a negative entry over it leaves 0, the value
// the counter takes it as.
TEST_F(TariffEditorTest, ANegativeEntryOverANegativeValueFromTheFileLeavesZero) {
    useTariffs(Tariffs({{"Tag", "0800", "1800", "-12", "90"}}));
    openTelephonePage();
    pick(0, 0);
    EXPECT_EQ(app().mainWindow.telephonePfPerUnit.text(), "-12");
    act([&] { app().mainWindow.telephonePfPerUnit.enter("-5"); });
    EXPECT_EQ(app().mainWindow.telephonePfPerUnit.text(), "0");
    EXPECT_EQ(saved().table(DayClass::Werktag)[0].pfPerUnit, "0");
    ASSERT_EQ(machine().windowSystem.messages().size(), 2U);  // the load's and the refusal
    EXPECT_EQ(machine().windowSystem.messages().back().text,
              "Der Preis einer Einheit kann nicht negativ sein; es bleibt bei 0 Pfennig.");
}

// An hour the field takes as a number (" 8"), stored before the field is left or by an earlier
// version that kept it as typed, is that hour.
TEST_F(TariffEditorTest, AnHourWithABlankInFrontApplies) {
    useTariffs(Tariffs({{"Tag", " 800", "1800", "12", "90"}}));
    startSettled();
    connect();
    EXPECT_EQ(app().counterWindow.zoneName.text(), "Tag");
    EXPECT_EQ(app().counterWindow.pfPerUnit.text(), "12");
}

TEST_F(TariffEditorTest, ZoneListChangeAnsweredNoChangesNothing) {
    openTelephonePage();
    const TariffTables before = saved();
    machine().windowSystem.setMessageHandler(
        [](const platform::MessageBox&) { return platform::MessageAnswer::No; });
    act([&] { app().mainWindow.changeZoneListButton.click(); });
    const auto& box = machine().windowSystem.messages().back();
    EXPECT_EQ(box.text,
              "Durch Änderung dieser Liste werden alle Tarifdaten gelöscht und Sie müssen alle "
              "Daten erneut eintragen!!! Wollen Sie wirklich fortfahren?");
    EXPECT_EQ(box.icon, platform::MessageIcon::Warning);
    EXPECT_EQ(box.buttons, platform::MessageButtons::YesNoDefaultNo);
    EXPECT_FALSE(app().tariffNamesWindow.visible());
    EXPECT_EQ(saved(), before);
}

TEST_F(TariffEditorTest, ZoneListOkResetsEveryRowEvenUnchanged) {
    openTelephonePage();
    pick(0, 0);
    onModal("Form7", [&] {
        EXPECT_EQ(app().tariffNamesWindow.names(), (std::vector<std::string>{"Tag", "Nacht"}));
        app().tariffNamesWindow.ok.click();
    });
    act([&] { app().mainWindow.changeZoneListButton.click(); });
    EXPECT_FALSE(app().tariffNamesWindow.visible());
    EXPECT_TRUE(fieldsDisabled());  // no zone is selected after the change
    EXPECT_EQ(saved(),
              Tariffs({{"Tag", "0000", "0000", "0", "0"}, {"Nacht", "0000", "0000", "0", "0"}}));
}

TEST_F(TariffEditorTest, NameEditorAddsDeletesAndCancels) {
    openTelephonePage();
    const TariffTables before = saved();
    TariffNameEditor& f = app().tariffNamesWindow;
    onModal("Form7", [&] {
        EXPECT_FALSE(f.deleteButton.enabled());  // nothing selected
        struct Case {
            std::string name;
            bool addable;
        };
        for (const Case& c : std::vector<Case>{{"", false},
                                               {"0", false},
                                               {"END", false},
                                               {"Mondschein12", false},  // 12 characters
                                               {"Zeit ✓", false},        // not in the code page
                                               {"Mondscheinä", true},
                                               {" Früh ", true}}) {
            f.nameField.setText(c.name);
            EXPECT_EQ(f.addButton.enabled(), c.addable) << c.name;
        }
        f.addButton.click();
        f.addButton.click();  // the field keeps its text: duplicates are allowed
        EXPECT_EQ(f.names(), (std::vector<std::string>{"Tag", "Nacht", " Früh ", " Früh "}));
        f.nameList.selectOnly(0);
        EXPECT_TRUE(f.deleteButton.enabled());
        f.deleteButton.click();
        EXPECT_EQ(f.names(), (std::vector<std::string>{"Nacht", " Früh ", " Früh "}));
        EXPECT_FALSE(f.deleteButton.enabled());
        f.cancel.click();
    });
    act([&] { app().mainWindow.changeZoneListButton.click(); });
    EXPECT_EQ(saved(), before);

    // The same editing confirmed: the new zones, equal names told apart by the pick.
    onModal("Form7", [&] {
        f.nameList.selectOnly(0);
        f.deleteButton.click();
        f.addButton.click();
        f.addButton.click();
        f.ok.click();
    });
    act([&] { app().mainWindow.changeZoneListButton.click(); });
    EXPECT_EQ(app().mainWindow.telephoneZone.items(),
              (std::vector<std::string>{"Nacht", " Früh ", " Früh "}));
    pick(1, 2);
    act([&] { app().mainWindow.telephonePfPerUnit.enter("9"); });
    const TariffTables after = saved();
    EXPECT_EQ(after.table(DayClass::Wochenende)[1].pfPerUnit, "0");
    EXPECT_EQ(after.table(DayClass::Wochenende)[2].pfPerUnit, "9");
    EXPECT_EQ(after.table(DayClass::Werktag)[2].pfPerUnit, "0");
}

TEST_F(TariffEditorTest, EmptyZoneListLeavesNoZones) {
    openTelephonePage();
    onModal("Form7", [&] {
        TariffNameEditor& f = app().tariffNamesWindow;
        while (!f.names().empty()) {
            f.nameList.selectOnly(0);
            f.deleteButton.click();
        }
        f.ok.click();
    });
    act([&] { app().mainWindow.changeZoneListButton.click(); });
    act([&] { app().mainWindow.selectPage(MainPage::General); });
    EXPECT_EQ(file("Tarif.dat"), "0,0,1,\r\n");
    EXPECT_TRUE(app().mainWindow.telephoneZone.items().empty());
    act([&] { app().mainWindow.telephoneDayClass.choose(0); });
    EXPECT_TRUE(fieldsDisabled());
}

TEST_F(TariffEditorTest, HolidaySwitch) {
    TariffTables tables = Tariffs({{"Tag", "0000", "2400", "12", "60"}});
    tables.holidayTariffsOn = false;
    useTariffs(tables);
    openTelephonePage();
    const std::size_t messagesAtStart = machine().windowSystem.messages().size();
    EXPECT_FALSE(app().mainWindow.holidayTariffsOn.checked());  // the file's flag, shown quietly

    act([&] { app().mainWindow.holidayTariffsOn.click(); });
    ASSERT_EQ(machine().windowSystem.messages().size(), messagesAtStart + 1);
    const auto& box = machine().windowSystem.messages().back();
    EXPECT_EQ(box.text,
              "Wenn Ihr TELEFONANBIETER an Feiertagen keinen Sondertarif gewährt, dann "
              "deaktivieren Sie das Kontrollkästchen, sodaß kein Häckchen zusehen ist. "
              "Andernfalls aktivieren Sie es (normal).");
    EXPECT_EQ(box.icon, platform::MessageIcon::Question);
    EXPECT_TRUE(saved().holidayTariffsOn);

    // With the main window hidden the switch changes without the message.
    act([&] { app().hideToTray(); });
    act([&] { app().mainWindow.holidayTariffsOn.click(); });
    EXPECT_EQ(machine().windowSystem.messages().size(), messagesAtStart + 1);
    EXPECT_FALSE(saved().holidayTariffsOn);
}

TEST_F(TariffEditorTest, HolidaySwitchTakesEffectAtOnce) {
    machine().time.setLocal(At(1999, 12, 24, 10, 0, 0));  // a Friday, listed as a holiday
    useTariffs(Tariffs({{"Tag", "0000", "2400", "12", "60"}}));
    openTelephonePage();
    act([&] { app().mainWindow.holidayTariffsOn.click(); });
    act([&] { app().hideToTray(); });
    connect();
    EXPECT_EQ(app().counterWindow.dayLine.text(), "Freitag, 24.12.99, Werktag");
    hangUp();
    act([&] { app().summaryWindow.ok.click(); });
    act([&] { app().mainWindow.holidayTariffsOn.click(); });
    connect();
    EXPECT_EQ(app().counterWindow.dayLine.text(), "Freitag, 24.12.99, Feiertag");
}

// The tariff tables reach the file when the user ends the program, minimises the main window or
// switches monitoring off, with the edit in the fields as it stands, not only on leaving the page.
TEST_F(TariffEditorTest, TablesAreSavedWhenTheMainWindowIsLeft) {
    struct Case {
        const char* name;
        std::function<void()> leave;
        bool saved;
    };
    const std::vector<Case> cases = {
        {"&Beenden, Ja", [this] { quitAnswering(platform::MessageAnswer::Yes); }, true},
        {"&Beenden, Nein", [this] { quitAnswering(platform::MessageAnswer::No); }, false},
        {"&Minimieren", [this] { act([&] { app().mainWindow.minimizeButton.click(); }); }, true},
        {"&Deaktivieren", [this] { act([&] { app().mainWindow.monitoringButton.click(); }); },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        useTariffs(
            Tariffs({{"Tag", "0800", "1800", "12", "90"}, {"Nacht", "1800", "2400", "6", "240"}}));
        openTelephonePage();
        pick(0, 1);
        act([&] { app().mainWindow.telephonePfPerUnit.setText("8"); });
        const std::string before = file("Tarif.dat");
        c.leave();
        if (c.saved) {
            EXPECT_EQ(
                ParseTariffFile(file("Tarif.dat")).tables.table(DayClass::Werktag)[1].pfPerUnit,
                "8");
        } else {
            EXPECT_EQ(file("Tarif.dat"), before);
        }
        machine().windowSystem.setMessageHandler(nullptr);
    }
}

// A connection that starts while an editor window of the "Telefon" page is open closes the
// editor, unconfirmed, and hides the main window; the counter takes their place.
TEST_F(TariffEditorTest, ConnectionStartClosesAnOpenEditorAndTheMainWindow) {
    struct Case {
        const char* name;
        const char* window;
        Button MainWindow::*opener;
    };
    const std::vector<Case> cases = {
        {"tariff-name list", "Form7", &MainWindow::changeZoneListButton},
        {"holidays", "Form13", &MainWindow::holidaysButton},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kill();
        machine().hostAddresses.set(1);
        openTelephonePage();
        const TariffTables tablesBefore = saved();
        const std::vector<std::string> holidaysBefore = machine().registry.valueNames(
            platform::Hive::CurrentUser, SettingsStore::settingsKey() + "\\Feiertage");
        bool closedByTheConnection = false;
        onModal(c.window, [&] {
            if (c.window == std::string("Form7")) {
                app().tariffNamesWindow.nameField.setText("Neu");
                app().tariffNamesWindow.addButton.click();
            } else {
                app().holidaysWindow.nameField.setText("Neu");
                app().holidaysWindow.addButton.click();
            }
            connect();
            closedByTheConnection =
                !app().tariffNamesWindow.visible() && !app().holidaysWindow.visible();
        });
        act([&] { (app().mainWindow.*c.opener).click(); });
        EXPECT_TRUE(closedByTheConnection);
        EXPECT_FALSE(app().mainWindow.visible());
        EXPECT_TRUE(app().counterWindow.visible());
        EXPECT_TRUE(app().mainWindow.online.checked());
        EXPECT_EQ(saved(), tablesBefore);
        EXPECT_EQ(machine().registry.valueNames(platform::Hive::CurrentUser,
                                                SettingsStore::settingsKey() + "\\Feiertage"),
                  holidaysBefore);
    }
}

TEST_F(TariffEditorTest, TablesViewShowsTheTablesAsTheyAre) {
    openTelephonePage();
    pick(2, 1);
    act([&] { app().mainWindow.telephoneSecPerUnit.enter("120"); });
    EXPECT_FALSE(app().mainWindow.tablesViewButton.visible());
    EXPECT_FALSE(app().mainWindow.saveTariffsButton.visible());
    act([&] { app().mainWindow.tablesViewButton.click(); });
    EXPECT_TRUE(app().tariffTablesWindow.visible());
    EXPECT_EQ(app().tariffTablesWindow.workdayTable.rows(),
              (std::vector<ListControl::Row>{{"Tag", "0800", "1800", "12", "90"},
                                             {"Nacht", "1800", "2400", "6", "240"}}));
    EXPECT_EQ(app().tariffTablesWindow.holidayTable.rows()[1],
              (ListControl::Row{"Nacht", "1800", "2400", "6", "120"}));
}

// The hidden "TarifSuche" button looks up the tariff in force now, as a connection's start does:
// the counter window, not shown, holds the zone and the day line.
TEST_F(TariffEditorTest, HiddenTariffLookupShowsTheTariffInForceNow) {
    openTelephonePage();
    EXPECT_FALSE(app().mainWindow.tariffLookupButton.visible());
    EXPECT_EQ(app().counterWindow.zoneName.text(), "");
    machine().time.setLocal(At(1999, 12, 7, 19, 0, 0));
    act([&] { app().mainWindow.tariffLookupButton.click(); });
    EXPECT_EQ(app().counterWindow.zoneName.text(), "Nacht");
    EXPECT_EQ(app().counterWindow.dayLine.text(), "Dienstag, 07.12.99, Werktag");
    EXPECT_FALSE(app().counterWindow.visible());
}

}  // namespace
}  // namespace ruvo::testing
