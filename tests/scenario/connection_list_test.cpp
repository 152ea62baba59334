// The connection list window: loading at every activation, the period views, the totals of the
// selection, printing and copying, run as a whole program on the fake platform.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "features/print_list.h"
#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

ConnectionRecord Record(const std::string& date, const std::string& seconds,
                        const std::string& total, const std::string& units = "1") {
    return {"Ganztag", seconds, units, total, "0", total, "10:00:12", date, "10:01:12", date};
}

std::string Database(const std::vector<ConnectionRecord>& records) {
    std::string bytes(kDatabaseHeader);
    for (const auto& r : records) {
        bytes += SerializeRecord(r);
    }
    return bytes;
}

class ConnectionListTest : public ConnectionTest {
protected:
    ConnectionListTest() {
        // Today is Tuesday 07.12.99.
        writeFile("RVDaten99.db",
                  Database({Record("30.11.99", "60", "12"), Record("06.12.99", "30", "24", "2"),
                            Record("07.12.99", "90", "36", "3")}));
    }

    void act(const std::function<void()>& action) { app().userAction(action); }

    void openList() {
        startSettled();
        act([&] { app().showConnectionList(); });
        ASSERT_TRUE(app().connectionListWindow.visible());
    }

    std::vector<std::string> shownDates() {
        std::vector<std::string> dates;
        for (const auto& row : app().connectionListWindow.connectionTable.rows()) {
            dates.push_back(row.at(0));
        }
        return dates;
    }

    std::vector<std::string> panels() {
        const ConnectionListWindow& w = app().connectionListWindow;
        return {w.countPanel.text(),    w.durationPanel.text(), w.telephonePanel.text(),
                w.providerPanel.text(), w.totalPanel.text(),    w.unitsPanel.text()};
    }
};

TEST_F(ConnectionListTest, ActivationReadsTheYearAndResetsThePeriod) {
    openList();
    ConnectionListWindow& w = app().connectionListWindow;
    EXPECT_EQ(w.caption(), "Quelmar Ruvometer - Verbindungen");
    EXPECT_EQ(w.periodBox.text(), "Gesamtes Jahr");
    EXPECT_EQ(shownDates(), (std::vector<std::string>{"30.11.99", "06.12.99", "07.12.99"}));
    EXPECT_EQ(w.connectionTable.rows()[1],
              (ListControl::Row{"06.12.99", "10:00", "10:01", "00:00:30", "0,24 DM", "0,00 DM",
                                "0,24 DM", "2", "Ganztag"}));
    EXPECT_EQ(panels()[0], "Anzahl: 0");

    act([&] { w.periodBox.choose(3); });  // "Heute"
    EXPECT_EQ(shownDates(), (std::vector<std::string>{"07.12.99"}));

    // A connection is saved; the next activation shows it at the bottom of the whole year.
    act([&] { w.hide(); });
    connect();
    wait(20);
    hangUp();
    act([&] { app().summaryWindow.ok.click(); });
    act([&] { w.activate(); });
    EXPECT_EQ(w.periodBox.text(), "Gesamtes Jahr");
    ASSERT_EQ(shownDates().size(), 4U);
    const ConnectionRecord saved = records().back();
    EXPECT_EQ(w.connectionTable.rows().back(),
              DisplayRow(ReadConnectionRows(Database({saved})).rows.at(0)));
    EXPECT_EQ(w.connectionTable.rows().back().at(0), "07.12.99");
}

TEST_F(ConnectionListTest, PeriodBoxFiltersOnEveryChangeOfItsText) {
    openList();
    ConnectionListWindow& w = app().connectionListWindow;
    using V = std::vector<std::string>;
    const std::vector<std::pair<std::string, V>> cases = {
        {"Aktueller Monat", V{"06.12.99", "07.12.99"}},
        {"Aktuelle Woche", V{"06.12.99", "07.12.99"}},
        {"Heute", V{"07.12.99"}},
        {"Letzter Monat", V{"30.11.99"}},
        {"Letzte Woche", V{"30.11.99"}},
        {"Gestern", V{"06.12.99"}},
        {"Gesamtes Jahr", V{"30.11.99", "06.12.99", "07.12.99"}},
        {"Heute ", V{"30.11.99", "06.12.99", "07.12.99"}},  // typed, names no period
    };
    for (const auto& [text, dates] : cases) {
        act([&] { w.periodBox.setText(text); });
        EXPECT_EQ(shownDates(), dates) << text;
    }
}

TEST_F(ConnectionListTest, StatusBarTotalsTheSelectedRows) {
    openList();
    ConnectionListWindow& w = app().connectionListWindow;
    act([&] {
        w.connectionTable.setSelected(0, true);
        w.connectionTable.setSelected(1, true);
    });
    EXPECT_EQ(panels(), (std::vector<std::string>{
                            "Anzahl: 2", "Zeit: 00:01:30", "Telefongebüren: 0,36 DM",
                            "Providergebüren: 0,00 DM", "Gesamtgebüren: 0,36 DM", "Einheiten 3"}));

    int focused = 0;
    w.onFocusTable = [&] { ++focused; };
    act([&] { w.selectAllItem.click(); });
    EXPECT_EQ(w.connectionTable.selectedCount(), 3U);
    EXPECT_EQ(panels()[0], "Anzahl: 3");
    EXPECT_EQ(panels()[4], "Gesamtgebüren: 0,72 DM");
    EXPECT_EQ(focused, 1);

    // A new period clears the selection and with it the totals.
    act([&] { w.periodBox.setText("Heute"); });
    EXPECT_EQ(panels()[0], "Anzahl: 0");
    EXPECT_EQ(panels()[1], "Zeit: 00:00:00");
}

TEST_F(ConnectionListTest, PrintsTheShownRowsWithTheirTotals) {
    openList();
    ConnectionListWindow& w = app().connectionListWindow;
    act([&] { w.periodBox.setText("Aktueller Monat"); });
    act([&] { w.connectionTable.setSelected(0, true); });  // the selection plays no part
    act([&] { w.printItem.click(); });
    ASSERT_EQ(machine().printing.jobs().size(), 1U);
    const platform::PrintJob& job = machine().printing.jobs()[0];
    ASSERT_EQ(job.pages.size(), 1U);
    const auto& page = job.pages[0];
    EXPECT_EQ(page[3].text,
              "   Verbindungen : Aktueller Monat (12.99)" + std::string(44, ' ') + "Blatt : 1");
    ASSERT_EQ(page.size(), 5U + 2U + 2U);
    EXPECT_EQ(page[5].text, RowLine(w.connectionTable.rows()[0]));
    EXPECT_EQ(page[6].y, 410);
    EXPECT_EQ(page[7].y, 480);
    EXPECT_EQ(page[8].y, 550);
    EXPECT_EQ(page[8].text,
              "         2 Verbindungen:   00:02:00     0,60 DM     0,00 DM     0,60 DM       5");

    act([&] { w.printerSetupItem.click(); });
    EXPECT_EQ(machine().printing.setupCount(), 1);
}

// Every way a print can go: with no printer the user is offered a PDF file, a job that went into
// a PDF file is told with its path, and a failure is told with its reason.
TEST_F(ConnectionListTest, EveryPrintThatDidNotReachAPrinterIsTold) {
    const std::string question =
        "Es ist kein Drucker eingerichtet.\n\nMöchten Sie die Verbindungsliste in eine "
        "PDF-Datei drucken?";
    const struct {
        const char* what;
        bool printer;
        std::optional<std::string> printerFailure;
        platform::MessageAnswer answer;
        std::optional<std::string> pdfFile;  // the file dialog's answer
        std::vector<std::string> messages;
        std::string printedInto;  // "-": nothing printed
    } cases[] = {
        {"a printer", true, std::nullopt, platform::MessageAnswer::Yes, std::nullopt, {}, ""},
        {"a printer that refuses",
         true,
         "Der Drucker 'Büro' nimmt keinen Auftrag an.",
         platform::MessageAnswer::Yes,
         std::nullopt,
         {"Die Verbindungsliste konnte nicht gedruckt werden. Der Drucker 'Büro' nimmt keinen "
          "Auftrag an."},
         "-"},
        {"no printer, no PDF wanted",
         false,
         std::nullopt,
         platform::MessageAnswer::No,
         "/home/u/Liste.pdf",
         {question},
         "-"},
        {"no printer, file dialog cancelled",
         false,
         std::nullopt,
         platform::MessageAnswer::Yes,
         std::nullopt,
         {question},
         "-"},
        {"no printer, into a PDF file",
         false,
         std::nullopt,
         platform::MessageAnswer::Yes,
         "/home/u/Liste.pdf",
         {question, "Die Verbindungsliste wurde in die PDF-Datei '/home/u/Liste.pdf' gedruckt."},
         "/home/u/Liste.pdf"},
        {"no printer, a PDF file that cannot be written",
         false,
         std::nullopt,
         platform::MessageAnswer::Yes,
         "/nur/lesen.pdf",
         {question,
          "Die Verbindungsliste konnte nicht gedruckt werden: Die PDF-Datei '/nur/lesen.pdf' kann "
          "nicht geschrieben werden (keine Berechtigung)."},
         "-"},
    };
    openList();
    ConnectionListWindow& w = app().connectionListWindow;
    fake::FakePrinting& printing = machine().printing;
    printing.refuseFile("/nur/lesen.pdf", EACCES);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        printing.setPrinterSetUp(c.printer);
        printing.setPrinterFailure(c.printerFailure);
        printing.setPdfFileAnswer(c.pdfFile);
        machine().windowSystem.setMessageHandler(
            [&c](const platform::MessageBox&) { return c.answer; });
        const std::size_t firstMessage = machine().windowSystem.messages().size();
        const std::size_t jobsBefore = printing.jobs().size();
        const std::size_t dialogsBefore = printing.suggestedNames().size();
        act([&] { w.printItem.click(); });

        const auto& boxes = machine().windowSystem.messages();
        std::vector<std::string> told;
        for (std::size_t i = firstMessage; i < boxes.size(); ++i) {
            told.push_back(boxes[i].text);
        }
        EXPECT_EQ(told, c.messages);
        if (!told.empty() && told[0] == question) {
            EXPECT_EQ(boxes[firstMessage].buttons, platform::MessageButtons::YesNo);
        }
        const bool dialogShown = !c.printer && c.answer == platform::MessageAnswer::Yes;
        EXPECT_EQ(printing.suggestedNames().size() - dialogsBefore, dialogShown ? 1U : 0U);
        if (c.printedInto == "-") {
            EXPECT_EQ(printing.jobs().size(), jobsBefore);
        } else {
            ASSERT_EQ(printing.jobs().size(), jobsBefore + 1);
            EXPECT_EQ(printing.destinations().back(), c.printedInto);
        }
    }
    EXPECT_EQ(printing.suggestedNames().back(), "Verbindungen.pdf");

    // A PDF file chosen in the setup dialog takes every job from then on, and each is told.
    printing.setSetupChoosesPdf("/home/u/Drucker.pdf");
    act([&] { w.printerSetupItem.click(); });
    const std::size_t firstMessage = machine().windowSystem.messages().size();
    act([&] { w.printItem.click(); });
    act([&] { w.printItem.click(); });
    EXPECT_EQ(messagesContaining("in die PDF-Datei '/home/u/Drucker.pdf' gedruckt", firstMessage),
              2U);
    EXPECT_EQ(printing.destinations().back(), "/home/u/Drucker.pdf");
}

// The window's size and column widths are kept in the settings: what the user left is taken at
// the next start; a stored text that is not a size or not one width per column is passed over.
TEST_F(ConnectionListTest, TheListKeepsItsSizeAndColumnWidthsAcrossStarts) {
    const std::vector<int> widths = {90, 50, 50, 70, 100, 100, 110, 60, 120};
    const struct {
        std::string size;
        std::string columns;
        std::optional<ListLayout> taken;
    } cases[] = {
        {"<absent>", "<absent>", std::nullopt},
        {"700,500", "90,50,50,70,100,100,110,60,120", ListLayout{700, 500, widths}},
        {"700,500", "90,50,50", ListLayout{700, 500, {}}},
        {"700,500", "90,50,50,70,100,100,110,60,120,5", ListLayout{700, 500, {}}},
        {"700", "90,50,50,70,100,100,110,60,120", ListLayout{0, 0, widths}},
        {"700,-5", "<absent>", std::nullopt},
        {"99999999,500", "90,,50,70,100,100,110,60,120", std::nullopt},
        {"700,500x", "neunzig", std::nullopt},
        {"50,500", "<absent>", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size + " / " + c.columns);
        kill();
        for (const auto& [name, text] : {std::pair{"VerbindungenFenster", c.size},
                                         std::pair{"VerbindungenSpalten", c.columns}}) {
            if (text == "<absent>") {
                machine().registry.deleteValue(platform::Hive::CurrentUser,
                                               SettingsStore::settingsKey(), name);
            } else {
                putSetting(name, text);
            }
        }
        startSettled();
        EXPECT_EQ(app().connectionListWindow.layout(), c.taken);
    }

    // The user's change is written at once, and only a change.
    const ListLayout made{640, 480, widths};
    app().connectionListWindow.userChangedLayout(made);
    EXPECT_EQ(setting("VerbindungenFenster"), "640,480");
    EXPECT_EQ(setting("VerbindungenSpalten"), "90,50,50,70,100,100,110,60,120");
    kill();
    startSettled();
    EXPECT_EQ(app().connectionListWindow.layout(), made);
}

TEST_F(ConnectionListTest, CopiesTheSelectedRows) {
    openList();
    ConnectionListWindow& w = app().connectionListWindow;
    act([&] { w.copyItem.click(); });
    EXPECT_EQ(machine().clipboard.text(), "");
    act([&] {
        w.connectionTable.setSelected(2, true);
        w.connectionTable.setSelected(0, true);
    });
    act([&] { w.copyItem.click(); });
    EXPECT_EQ(machine().clipboard.text(),
              "30.11.99   10:00   10:01   00:01:00     0,12 DM     0,00 DM     0,12 DM       1   "
              "Ganztag \r\n"
              "07.12.99   10:00   10:01   00:01:30     0,36 DM     0,00 DM     0,36 DM       3   "
              "Ganztag \r\n");
}

TEST_F(ConnectionListTest, BadRecordIsLeftOutAndToldOnce) {
    writeFile("RVDaten99.db",
              Database({Record("30.11.99", "60", "12"), Record("06.12.99", "30", "2,40"),
                        Record("07.12.99", "90", "36")}));
    startSettled();
    act([&] { app().showConnectionList(); });
    EXPECT_EQ(shownDates(), (std::vector<std::string>{"30.11.99", "07.12.99"}));
    act([&] { app().connectionListWindow.activate(); });
    EXPECT_EQ(messagesContaining("'2,40'"), 1U);
    EXPECT_EQ(machine().sound.count(platform::Beep::Default), 0);
}

TEST_F(ConnectionListTest, MissingFileKeepsTheLists) {
    openList();
    std::filesystem::remove(directory() + "RVDaten99.db");
    act([&] { app().connectionListWindow.periodBox.setText("Heute"); });
    act([&] { app().connectionListWindow.activate(); });
    EXPECT_EQ(app().connectionListWindow.periodBox.text(), "Gesamtes Jahr");
    EXPECT_EQ(shownDates().size(), 3U);
    EXPECT_EQ(machine().sound.count(platform::Beep::Default), 0);
}

TEST_F(ConnectionListTest, UnitsThatAreNoNumberEndTheTotalsWithTheErrorBox) {
    writeFile("RVDaten99.db", Database({Record("07.12.99", "60", "12", "x")}));
    openList();
    act([&] { app().connectionListWindow.connectionTable.selectAll(); });
    ASSERT_EQ(machine().windowSystem.errors().size(), 1U);
    EXPECT_EQ(machine().windowSystem.errors()[0], "'x' ist kein gültiger Integerwert");
}

}  // namespace
}  // namespace ruvo::testing
