// The holidays window: opening with the stored list, adding, changing, deleting, importing,
// storing and cancelling, run as a whole program on the fake platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
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
        act([&] { app().mainWindow.holidaysButton.click(); });
        EXPECT_FALSE(app().holidaysWindow.visible());
    }

    std::vector<ListControl::Row> shown() { return app().holidaysWindow.holidayList.rows(); }

    std::vector<std::string> stored() {
        const std::string key = SettingsStore::settingsKey() + "\\Feiertage";
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
        EXPECT_EQ(f.yearField.text(), "99");
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"24.12.99", "Heiliger Abend"}}));
        EXPECT_FALSE(f.deleteButton.enabled());
        EXPECT_FALSE(f.changeButton.enabled());

        f.dayField.enter("1");
        EXPECT_EQ(f.dayField.text(), "01");
        f.monthField.enter("05");
        f.yearField.enter("99");
        f.nameField.setText("   ");
        EXPECT_FALSE(f.addButton.enabled());  // blanks only
        f.nameField.setText("Tag der Arbeit");
        EXPECT_TRUE(f.addButton.enabled());
        f.addButton.click();
        f.nameField.setText("Neujahr ");  // the trailing blank is kept
        f.dayField.enter(" 1");           // the number 1, as the field takes it
        f.monthField.enter("x");
        f.yearField.enter("");
        EXPECT_EQ(f.dayField.text(), "01");
        EXPECT_EQ(f.monthField.text(), "01");
        EXPECT_EQ(f.yearField.text(), "99");
        f.addButton.click();
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"24.12.99", "Heiliger Abend"},
                                                          {"01.05.99", "Tag der Arbeit"},
                                                          {"01.01.99", "Neujahr "}}));

        // Selecting a line fills the fields; "ä&ndern" writes them back into that line.
        f.holidayList.selectOnly(0);
        EXPECT_TRUE(f.deleteButton.enabled());
        EXPECT_TRUE(f.changeButton.enabled());
        EXPECT_EQ(f.nameField.text(), "Heiliger Abend");
        EXPECT_EQ(f.dayField.text(), "24");
        EXPECT_EQ(f.monthField.text(), "12");
        EXPECT_EQ(f.yearField.text(), "99");
        f.dayField.enter("31");
        f.monthField.enter("2");  // impossible dates are accepted
        f.nameField.setText("Silvester?");
        f.changeButton.click();
        EXPECT_EQ(shown()[0], (ListControl::Row{"31.02.99", "Silvester?"}));
        EXPECT_TRUE(f.holidayList.selected(0));

        f.holidayList.selectOnly(1);
        f.deleteButton.click();
        EXPECT_EQ(f.holidayList.selectedCount(), 0U);
        // The whole list is one change of the settings, not one per value: each change rewrites
        // the settings file.
        int changes = 0;
        machine().registry.setChangeHandler([&] { ++changes; });
        f.ok.click();
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
        app().holidaysWindow.importButton.click();
        EXPECT_EQ(machine().windowSystem.messages().back().text,
                  "Die Datei 'Feiertage.dat' wurde erfolgreich in das Programm geladen.");
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"07.12.99", "Testtag"}}));
        app().holidaysWindow.cancel.click();
    });
    EXPECT_EQ(stored(), (std::vector<std::string>{"0A=24.12.99", "0B=Heiliger Abend"}));

    act([&] { app().hideToTray(); });
    connect();
    EXPECT_EQ(app().counterWindow.dayLine.text(), "Dienstag, 07.12.99, Feiertag");
    hangUp();
    act([&] { app().summaryWindow.ok.click(); });

    // Opening again reloads the stored list.
    openWith([&] {
        EXPECT_EQ(shown(), (std::vector<ListControl::Row>{{"24.12.99", "Heiliger Abend"}}));
        app().holidaysWindow.cancel.click();
    });
    connect();
    EXPECT_EQ(app().counterWindow.dayLine.text(), "Dienstag, 07.12.99, Werktag");
}

TEST_F(HolidaysEditorTest, DeletingTheLastLineEmptiesTheStoreAndTheNextOpeningSaysSo) {
    startSettled();
    openWith([&] {
        app().holidaysWindow.holidayList.selectOnly(0);
        app().holidaysWindow.deleteButton.click();
        app().holidaysWindow.ok.click();
    });
    EXPECT_TRUE(stored().empty());
    const std::size_t before = messageCount();
    openWith([&] { app().holidaysWindow.cancel.click(); });
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(machine().windowSystem.messages().back().text.substr(0, 36),
              "Es sind keine Feiertage eingetragen.");
}

TEST_F(HolidaysEditorTest, MenuEntrySwitchesToTheTelephonePageFirst) {
    startSettled();
    machine().tray.click();
    onModal("Form13", [&] {
        EXPECT_EQ(app().mainWindow.page(), MainPage::Telephone);
        app().holidaysWindow.cancel.click();
    });
    act([&] { app().showHolidaysEditor(); });
    EXPECT_EQ(app().mainWindow.page(), MainPage::Telephone);
    EXPECT_EQ(app().mainWindow.shortHelp.text(), MainWindow::helpText(MainPage::Telephone));
}

TEST_F(HolidaysEditorTest, ComputesTheHolidaysOfTheYearFieldForTheLandChosenOnce) {
    startSettled();
    HolidaysEditor& f = app().holidaysWindow;
    openWith([&] {
        EXPECT_EQ(f.landChoice.text(), "nur bundesweite Feiertage");
        f.landChoice.choose(2);  // after the nationwide entry: Baden-Württemberg, Bayern
        EXPECT_EQ(setting("FeiertageLand"), "BY");
        f.yearField.enter("8");
        f.computeButton.click();
        EXPECT_EQ(machine().windowSystem.messages().back().text,
                  "Die gesetzlichen Feiertage des Jahres 2008 für Bayern wurden berechnet. "
                  "Drücken Sie auf Ok, um sie zu speichern.");
        ASSERT_EQ(shown().size(), 12U);
        EXPECT_EQ(shown()[1], (ListControl::Row{"06.01.08", "Heilige Drei Könige"}));
        EXPECT_EQ(shown()[7], (ListControl::Row{"22.05.08", "Fronleichnam"}));
        f.ok.click();
    });
    EXPECT_EQ(stored().size(), 24U);
    openWith([&] {
        EXPECT_EQ(f.landChoice.text(), "Bayern");
        f.landChoice.choose(0);
        f.cancel.click();
    });
    EXPECT_EQ(setting("FeiertageLand"), "");
}

TEST_F(HolidaysEditorTest, ChosenFileIsCopiedIntoTheDataFolderBeforeItIsImported) {
    const std::string oldFile = "24.12.99\r\nHeiliger Abend\r\n";
    const std::string chosenFile = "07.12.99\r\nTesttag\r\n";
    std::filesystem::create_directory(directory() + "woanders");
    writeFile("woanders/Feiertage 1999.dat", chosenFile);
    writeFile("woanders/leer.dat", "");
    startSettled();
    struct Case {
        const char* name;
        std::string dataFileBefore;         // "Feiertage.dat"
        std::optional<std::string> chosen;  // nothing: the chooser is cancelled
        std::string dataFile;               // "Feiertage.dat" afterwards
        std::vector<ListControl::Row> shownAfter;
        std::size_t newMessages;
    };
    const std::vector<Case> cases = {
        {"cancelled", oldFile, std::nullopt, oldFile, {{"24.12.99", "Heiliger Abend"}}, 0},
        {"a file that cannot be imported",
         oldFile,
         directory() + "woanders/leer.dat",
         oldFile,
         {{"24.12.99", "Heiliger Abend"}},
         1},
        {"a file elsewhere",
         oldFile,
         directory() + "woanders/Feiertage 1999.dat",
         chosenFile,
         {{"07.12.99", "Testtag"}},
         1},
        {"the file in the data folder",
         chosenFile,
         directory() + "Feiertage.dat",
         chosenFile,
         {{"07.12.99", "Testtag"}},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("Feiertage.dat", c.dataFileBefore);
        std::string folderShown;
        machine().windowSystem.setFileHandler(
            [&](const std::string& folder, const std::string& name) {
                folderShown = folder + name;
                return c.chosen;
            });
        const std::size_t before = messageCount();
        openWith([&] {
            app().holidaysWindow.importButton.click();
            EXPECT_EQ(shown(), c.shownAfter);
            app().holidaysWindow.cancel.click();
        });
        EXPECT_EQ(folderShown, directory() + "Feiertage.dat");
        EXPECT_EQ(messageCount(), before + c.newMessages);
        EXPECT_EQ(file("Feiertage.dat"), c.dataFile);
    }
    // The file it replaced is kept.
    EXPECT_EQ(file("Feiertage.dat.alt"), oldFile);
    machine().windowSystem.setFileHandler(nullptr);
}

class HolidaysEditorAtNewYearTest : public HolidaysEditorTest {
protected:
    HolidaysEditorAtNewYearTest() : HolidaysEditorTest(At(1999, 12, 31, 23, 59, 40)) {}
};

// At the change of year the program offers the new year's holidays for the chosen Land.
TEST_F(HolidaysEditorAtNewYearTest, NewYearOffersTheComputedHolidays) {
    putSetting("FeiertageLand", "SN");
    for (const bool accepted : {false, true}) {
        SCOPED_TRACE(accepted ? "Ja" : "Nein");
        kill();
        machine().time.setLocal(At(1999, 12, 31, 23, 59, 40));
        std::string question;
        machine().windowSystem.setMessageHandler([&](const platform::MessageBox& box) {
            if (box.text.rfind("Jahreswechsel! \n\n", 0) == 0) {
                question = box.text;
                EXPECT_EQ(box.buttons, platform::MessageButtons::YesNo);
                return accepted ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
            }
            return platform::MessageAnswer::Ok;
        });
        startSettled();
        wait(30);
        EXPECT_EQ(question.substr(0, 70),
                  "Jahreswechsel! \n\nSollen die gesetzlichen Feiertage für 2000 (Sachsen)");
        const std::vector<std::string> values = stored();
        if (accepted) {
            ASSERT_EQ(values.size(), 22U);
            EXPECT_EQ(values[0], "0A=01.01.00");
            EXPECT_EQ(values[17], "8B=Buß- und Bettag");
        } else {
            EXPECT_EQ(values, (std::vector<std::string>{"0A=24.12.99", "0B=Heiliger Abend"}));
        }
        machine().windowSystem.setMessageHandler(nullptr);
    }
}

class HolidaysEditorInNewYearTest : public HolidaysEditorTest {
protected:
    HolidaysEditorInNewYearTest() : HolidaysEditorTest(At(2000, 1, 3, 10, 0, 0)) {}
};

TEST_F(HolidaysEditorInNewYearTest, ListOfLastYearIsReportedAndTheYearFieldIsThisYear) {
    startSettled();
    const std::size_t before = messageCount();
    openWith([&] {
        EXPECT_EQ(app().holidaysWindow.yearField.text(), "00");
        app().holidaysWindow.yearField.enter("zz");
        EXPECT_EQ(app().holidaysWindow.yearField.text(), "00");
        app().holidaysWindow.cancel.click();
    });
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(machine().windowSystem.messages().back().text, kYearMessage);
}

}  // namespace
}  // namespace ruvo::testing
