// The holidays window: opening with the stored list, adding, changing, deleting, importing,
// storing and cancelling, run as a whole program on the fake platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

const char* const kYearMessage =
    "Es wurde festgestellt, daß sich unter den Feiertagen, Tage befinden, die nicht zum "
    "aktuellen Jahr gehören.\n\nBitte überprüfen Sie dies oder laden Sie ggf. eine neue "
    "Feiertagsdatei aus dem Internet herunter.";

class HolidaysEditorTest : public ConnectionTest {
protected:
    explicit HolidaysEditorTest(platform::LocalDateTime start = At(1999, 12, 7, 10, 0, 0))
        : ConnectionTest(start) {}

    void act(const std::function<void()>& action) { app().userAction(action); }

    // Opens the window from the "Telefon" page; `inWindow` acts in it and closes it.
    void openWith(std::function<void()> inWindow) {
        onModal("Form13", std::move(inWindow));
        act([&] { app().mainWindow.telefonFeiertage.click(); });
        EXPECT_FALSE(app().holidaysWindow.visible());
    }

    std::vector<ListControl::Row> shown() { return app().holidaysWindow.listView1.rows(); }

    std::vector<std::string> stored() {
        const std::string key = SettingsStore::SettingsKey() + "\\Feiertage";
        std::vector<std::string> values;
        for (const auto& name : machine().registry.valueNames(platform::Hive::CurrentUser, key)) {
            values.push_back(
                name + "=" +
                machine().registry.readString(platform::Hive::CurrentUser, key, name).value_or(""));
        }
        return values;
    }

    std::size_t messageCount() { return machine().windowSystem.messages().size(); }
};

TEST_F(HolidaysEditorTest, AddChangeDeleteAndStore) {
    startSettled();
    HolidaysEditor& f = app().holidaysWindow;
    openWith([&] {
        EXPECT_EQ(f.edit4.text(), "99");
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"24.12.99", "Heiliger Abend"}}));
        EXPECT_FALSE(f.button3.enabled());
        EXPECT_FALSE(f.button4.enabled());

        f.edit2.enter("1");
        EXPECT_EQ(f.edit2.text(), "01");
        f.edit3.enter("05");
        f.edit4.enter("99");
        f.edit1.setText("   ");
        EXPECT_FALSE(f.button2.enabled());  // blanks only
        f.edit1.setText("Tag der Arbeit");
        EXPECT_TRUE(f.button2.enabled());
        f.button2.click();
        f.edit1.setText("Neujahr ");  // the trailing blank is kept
        f.edit2.enter(" 1");          // the number 1, as the field takes it
        f.edit3.enter("x");
        f.edit4.enter("");
        EXPECT_EQ(f.edit2.text(), "01");
        EXPECT_EQ(f.edit3.text(), "01");
        EXPECT_EQ(f.edit4.text(), "99");
        f.button2.click();
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"24.12.99", "Heiliger Abend"},
                                                          {"01.05.99", "Tag der Arbeit"},
                                                          {"01.01.99", "Neujahr "}}));

        // Selecting a line fills the fields; "ä&ndern" writes them back into that line.
        f.listView1.selectOnly(0);
        EXPECT_TRUE(f.button3.enabled());
        EXPECT_TRUE(f.button4.enabled());
        EXPECT_EQ(f.edit1.text(), "Heiliger Abend");
        EXPECT_EQ(f.edit2.text(), "24");
        EXPECT_EQ(f.edit3.text(), "12");
        EXPECT_EQ(f.edit4.text(), "99");
        f.edit2.enter("31");
        f.edit3.enter("2");  // impossible dates are accepted
        f.edit1.setText("Silvester?");
        f.button4.click();
        EXPECT_EQ(shown()[0], (ListControl::Row{"31.02.99", "Silvester?"}));
        EXPECT_TRUE(f.listView1.selected(0));

        f.listView1.selectOnly(1);
        f.button3.click();
        EXPECT_EQ(f.listView1.selectedCount(), 0U);
        // The whole list is one change of the settings, not one per value: each change rewrites
        // the settings file.
        int changes = 0;
        machine().registry.setChangeHandler([&] { ++changes; });
        f.button5.click();
        machine().registry.setChangeHandler(nullptr);
        EXPECT_EQ(changes, 1);
    });
    EXPECT_EQ(stored(), (std::vector<std::string>{"0A=31.02.99", "0B=Silvester?", "1A=01.01.99",
                                                  "1B=Neujahr "}));
}

TEST_F(HolidaysEditorTest, CancelStoresNothingButTheListInMemoryKeepsTheChanges) {
    // Today, 07.12.99, is a holiday only in the file.
    writeFile("Feiertage.dat", "07.12.99\r\nTesttag\r\n0\r\n");
    startSettled();
    openWith([&] {
        app().holidaysWindow.bitBtn1.click();
        EXPECT_EQ(machine().windowSystem.messages().back().text,
                  "Die Datei 'Feiertage.dat' wurde erfolgreich in das Programm geladen.");
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"07.12.99", "Testtag"}}));
        app().holidaysWindow.button1.click();
    });
    EXPECT_EQ(stored(), (std::vector<std::string>{"0A=24.12.99", "0B=Heiliger Abend"}));

    act([&] { app().Minimise(); });
    connect();
    EXPECT_EQ(app().counterWindow.dayLine.text(), "Dienstag, 07.12.99, Feiertag");
    hangUp();
    act([&] { app().summaryWindow.ok.click(); });

    // Opening again reloads the stored list.
    openWith([&] {
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"24.12.99", "Heiliger Abend"}}));
        app().holidaysWindow.button1.click();
    });
    connect();
    EXPECT_EQ(app().counterWindow.dayLine.text(), "Dienstag, 07.12.99, Werktag");
}

TEST_F(HolidaysEditorTest, DeletingTheLastLineEmptiesTheStoreAndTheNextOpeningSaysSo) {
    startSettled();
    openWith([&] {
        app().holidaysWindow.listView1.selectOnly(0);
        app().holidaysWindow.button3.click();
        app().holidaysWindow.button5.click();
    });
    EXPECT_TRUE(stored().empty());
    const std::size_t before = messageCount();
    openWith([&] { app().holidaysWindow.button1.click(); });
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(machine().windowSystem.messages().back().text.substr(0, 36),
              "Es sind keine Feiertage eingetragen.");
}

TEST_F(HolidaysEditorTest, MenuEntrySwitchesToTheTelefonPageFirst) {
    startSettled();
    machine().tray.click();
    onModal("Form13", [&] {
        EXPECT_EQ(app().mainWindow.page(), MainPage::Telefon);
        app().holidaysWindow.button1.click();
    });
    act([&] { app().ShowHolidaysEditor(); });
    EXPECT_EQ(app().mainWindow.page(), MainPage::Telefon);
    EXPECT_EQ(app().mainWindow.shortHelp.text(), MainWindow::HelpText(MainPage::Telefon));
}

class HolidaysEditorInNewYearTest : public HolidaysEditorTest {
protected:
    HolidaysEditorInNewYearTest() : HolidaysEditorTest(At(2000, 1, 3, 10, 0, 0)) {}
};

TEST_F(HolidaysEditorInNewYearTest, ListOfLastYearIsReportedAndTheYearFieldIsThisYear) {
    startSettled();
    const std::size_t before = messageCount();
    openWith([&] {
        EXPECT_EQ(app().holidaysWindow.edit4.text(), "00");
        app().holidaysWindow.edit4.enter("zz");
        EXPECT_EQ(app().holidaysWindow.edit4.text(), "00");
        app().holidaysWindow.button1.click();
    });
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(machine().windowSystem.messages().back().text, kYearMessage);
}

}  // namespace
}  // namespace ruvo::testing
