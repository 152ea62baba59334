// ruvo-screenshots FOLDER: renders the program's windows with sample contents and writes one PNG
// per window (or page) into FOLDER. Runs without a display on the offscreen platform.
//
// To add a window: write a function that builds its model and view with sample data and gives
// back the grabbed picture, and add it to the table in main().
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMenu>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/identity.h"
#include "domain/database_file.h"
#include "domain/tariff_tables.h"
#include "domain/unreadable_records.h"
#include "features/connection_list.h"
#include "features/statistics.h"
#include "gui/connection_list_view.h"
#include "gui/dialog_screenshots.h"
#include "gui/german_qt_texts.h"
#include "gui/holidays_editor_view.h"
#include "gui/main_window_view.h"
#include "gui/startup_window_view.h"
#include "gui/statistics_window_view.h"
#include "gui/tariff_comparison_view.h"
#include "gui/tariff_name_editor_view.h"
#include "gui/tariff_tables_window_view.h"
#include "platform/fake/fake_platform.h"
#include "window_models/connection_list_window.h"
#include "window_models/holidays_editor.h"
#include "window_models/main_window.h"
#include "window_models/startup_window.h"
#include "window_models/statistics_window.h"
#include "window_models/tariff_comparison_window.h"
#include "window_models/tariff_name_editor.h"
#include "window_models/tariff_tables_view.h"

namespace {

using ruvo::MainPage;
using ruvo::gui::ActionRunner;

// Actions run as they come; nothing is wired behind the models.
const ActionRunner RunDirectly = [](const std::function<void()>& action) { action(); };

// Shows the view on the offscreen platform and takes its picture.
QPixmap Grab(QWidget& view) {
    view.show();
    QApplication::processEvents();
    return view.grab();
}

void FillMainWindow(ruvo::MainWindow& model) {
    model.versionLabel.setText(ruvo::VersionName);
    model.databaseLabel.setText("/home/anna/.local/share/Quelmar/Ruvometer 2.3/RVDaten99.db");
    model.statusLine.setText(" Dienstag    14:35");
    model.startMonitoringAtLogin.setCheckedQuietly(true);
    model.askAutostartQuestion.setCheckedQuietly(true);
    model.alwaysSaveOnDisconnect.setCheckedQuietly(true);

    model.providerFeePerMinute.setText("5");
    model.freeMinutes.setText("600");
    model.freeMinutesLeft.setText("312");

    model.useWeeklyBudget.setCheckedQuietly(true);
    model.weekCover.setVisible(false);
    model.weekAmount.setText("50,00 DM");
    model.weekUsed.setText("51,20 DM");
    model.weekLeft.setText("- 1,20 DM");
    model.weekLeft.setRed(true);
    model.useMonthlyBudget.setCheckedQuietly(true);
    model.monthCover.setVisible(false);
    model.monthAmount.setText("150,00 DM");
    model.monthUsed.setText("73,45 DM");
    model.monthLeft.setText("76,55 DM");
    model.monthForecast.setText("151,80 DM");
    model.monthForecast.setRed(true);
    model.monthOutlook.setText("aufgebraucht am 30.12.");

    model.warnInTray.setCheckedQuietly(true);
    model.warnBeep.setCheckedQuietly(true);
    model.leadSlider.setPosition(5);
    model.leadText.setText("10 Sekunden vor neuer Einheit.");
    model.chargesInTitle.setCheckedQuietly(true);
    model.onlineTimeInTitle.setCheckedQuietly(true);
}

QPixmap MainWindowPage(MainPage page) {
    ruvo::MainWindow model;
    FillMainWindow(model);
    model.setPageQuietly(page);
    model.shortHelp.setText(ruvo::MainWindow::helpText(page));
    ruvo::gui::MainWindowView view(model, RunDirectly, {});
    return Grab(view);
}

// The zones of a telephone company of the time, with their workday prices.
ruvo::TariffTables SampleTariffs() {
    ruvo::TariffTables tables;
    const struct {
        const char* name;
        const char* begin;
        const char* end;
        const char* workday;
        const char* weekend;
    } zones[] = {
        {"Vormittag", "0900", "1200", "150", "240"}, {"Nachmittag", "1200", "1800", "180", "240"},
        {"Freizeit", "1800", "2100", "240", "240"},  {"Mondschein", "2100", "0200", "240", "240"},
        {"Nacht", "0200", "0500", "480", "480"},     {"Morgen", "0500", "0900", "240", "240"},
    };
    for (const auto& zone : zones) {
        ruvo::AddZone(tables, zone.name, {zone.name, zone.begin, zone.end, "12", zone.workday});
        tables.tables[1].back().secPerUnit = zone.weekend;
        tables.tables[2].back().secPerUnit = zone.weekend;
    }
    return tables;
}

QPixmap TelephonePage() {
    ruvo::MainWindow model;
    FillMainWindow(model);
    model.setPageQuietly(MainPage::Telephone);
    model.shortHelp.setText(ruvo::MainWindow::helpText(MainPage::Telephone));
    model.telephoneZone.setItems(SampleTariffs().zoneList);
    model.telephoneDayClass.choose(0);
    model.telephoneZone.choose(1);
    model.telephonePfPerUnit.setText("12");
    model.telephoneSecPerUnit.setText("180");
    model.telephoneBeginHour.setText("12");
    model.telephoneBeginMinute.setText("00");
    model.telephoneEndHour.setText("18");
    model.telephoneEndMinute.setText("00");
    ruvo::gui::MainWindowView view(model, RunDirectly, {});
    return Grab(view);
}

QPixmap TariffNameEditor() {
    ruvo::TariffNameEditor model;
    ruvo::gui::TariffNameEditorView view(model, RunDirectly);
    model.open(SampleTariffs().zoneList);
    model.nameField.setText("Spätnacht");
    model.nameList.selectOnly(3);
    return Grab(view);
}

QPixmap TariffTables() {
    // The four zones the window has room for at its first size.
    ruvo::TariffTables tables = SampleTariffs();
    tables.zoneList.resize(4);
    for (ruvo::TariffTable& table : tables.tables) {
        table.resize(4);
    }
    ruvo::TariffTablesView model;
    model.showTables(tables);
    model.workdayTable.selectOnly(1);
    ruvo::gui::TariffTablesWindowView view(model, RunDirectly);
    return Grab(view);
}

QPixmap HolidaysEditor() {
    ruvo::HolidaysEditor model;
    model.holidayList.setRows({
        {"01.01.99", "Neujahr"},
        {"06.01.99", "Heilige Drei Könige"},
        {"02.04.99", "Karfreitag"},
        {"05.04.99", "Ostermontag"},
        {"01.05.99", "Tag der Arbeit"},
        {"13.05.99", "Christi Himmelfahrt"},
        {"24.05.99", "Pfingstmontag"},
        {"03.06.99", "Fronleichnam"},
        {"03.10.99", "Tag der Deutschen Einheit"},
        {"01.11.99", "Allerheiligen"},
        {"24.12.99", "Heiligabend"},
        {"25.12.99", "1. Weihnachtsfeiertag"},
        {"26.12.99", "2. Weihnachtsfeiertag"},
    });
    model.holidayList.selectOnly(4);
    model.dayField.setText("01");
    model.monthField.setText("05");
    model.yearField.setText("99");
    model.nameField.setText("Tag der Arbeit");
    ruvo::gui::HolidaysEditorView view(model, RunDirectly);
    return Grab(view);
}

QPixmap ConnectionList() {
    ruvo::ConnectionListWindow model;
    const std::vector<ruvo::ConnectionRow> rows = {
        {"01.12.99", "08:12", "08:31", 1143, 60, 95, 155, "5", "Vormittag"},
        {"02.12.99", "19:40", "21:02", 4921, 240, 410, 650, "20", "Freizeit"},
        {"03.12.99", "13:05", "13:09", 262, 24, 20, 44, "2", "Nachmittag"},
        {"05.12.99", "22:15", "23:58", 6180, 312, 515, 827, "26", "Mondschein"},
        {"06.12.99", "10:30", "10:52", 1320, 108, 110, 218, "9", "Vormittag"},
        {"07.12.99", "14:02", "14:49", 2833, 192, 240, 432, "16", "Nachmittag"},
        {"07.12.99", "20:11", "20:13", 95, 12, 10, 22, "1", "Freizeit"},
        {"08.12.99", "02:40", "03:35", 3312, 84, 280, 364, "7", "Nacht"},
    };
    std::vector<ruvo::ListControl::Row> shown;
    for (const ruvo::ConnectionRow& row : rows) {
        shown.push_back(ruvo::DisplayRow(row));
    }
    model.connectionTable.setRows(std::move(shown));
    ruvo::RowTotals totals;
    for (const std::size_t selected : {4U, 5U, 6U}) {
        model.connectionTable.setSelected(selected, true);
        ruvo::AddToTotals(totals, rows[selected]);
    }
    const std::array<std::string, 6> texts = ruvo::StatusPanelTexts(totals);
    ruvo::TextField* panels[] = {&model.countPanel,    &model.durationPanel, &model.telephonePanel,
                                 &model.providerPanel, &model.totalPanel,    &model.unitsPanel};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        panels[i]->setText(texts[i]);
    }
    ruvo::gui::ConnectionListView view(model, RunDirectly);
    return Grab(view);
}

// A year of evening and weekend connections up to 15 December 1999, with the statistics read
// from its database files as the program reads them.
QPixmap StatisticsWindow() {
    const QTemporaryDir folder;
    const std::string directory = folder.path().toStdString() + "/";
    std::string bytes98(ruvo::kDatabaseHeader);
    std::string bytes99(ruvo::kDatabaseHeader);
    unsigned seed = 1999;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245U + 12345U;
        return (seed >> 16) % range;
    };
    for (int monthsBack = 12; monthsBack >= 0; --monthsBack) {
        const int month = (12 - monthsBack + 11) % 12 + 1;
        const int year = monthsBack == 12 ? 98 : 99;
        const int lastDay = monthsBack == 0 ? 15 : 28;
        for (int day = 1; day <= lastDay; ++day) {
            for (unsigned count = next(3); count > 0; --count) {
                const int hour = static_cast<int>(std::array{19, 20, 21, 22, 9, 14}[next(6)]);
                const int seconds = static_cast<int>(300 + next(5400) + (month % 4) * 300);
                const int telephone = 12 * (seconds / 240 + 1);
                const int provider = 4 * (seconds / 60 + 1);
                char date[32];
                char start[32];
                std::snprintf(date, sizeof date, "%02d.%02d.%02d", day, month, year);
                std::snprintf(start, sizeof start, "%02d:%02d:00", hour,
                              static_cast<int>(next(60)));
                const ruvo::ConnectionRecord record{"Freizeit",
                                                    std::to_string(seconds),
                                                    std::to_string(telephone / 12),
                                                    std::to_string(telephone),
                                                    std::to_string(provider),
                                                    std::to_string(telephone + provider),
                                                    start,
                                                    date,
                                                    start,
                                                    date};
                (year == 98 ? bytes98 : bytes99) += ruvo::SerializeRecord(record);
            }
        }
    }
    ruvo::WriteFileAtomically(directory + "RVDaten98.db", bytes98);
    ruvo::WriteFileAtomically(directory + "RVDaten99.db", bytes99);

    ruvo::fake::FakeMachine machine({1999, 12, 15, 20, 30, 0}, directory);
    ruvo::fake::FakeProcess process(machine);
    ruvo::UnreadableRecords unreadable(process.platform().windowSystem);
    ruvo::StatisticsWindow model;
    ruvo::Statistics statistics(model, process.platform(), unreadable,
                                [] { return std::optional<std::int32_t>(15000); });
    ruvo::gui::StatisticsWindowView view(model, RunDirectly);
    statistics.activate();
    return Grab(view);
}

// The comparison as it stands after "&Vergleichen": a month's connections, cost and what they
// would have cost under another provider's tariff file.
QPixmap TariffComparison() {
    ruvo::TariffComparisonWindow model;
    model.tariffFile.setText("/home/anna/Downloads/Tarif-Sparfon.dat");
    model.periodBox.setText("Aktueller Monat");
    model.table.setRows({
        {"01.12.99", "08:12:05", "00:19:03", "Vormittag", "1,55 DM", "Tag", "1,32 DM", "- 0,23 DM"},
        {"02.12.99", "19:40:30", "01:22:01", "Freizeit", "6,50 DM", "Abend, Nacht", "4,10 DM",
         "- 2,40 DM"},
        {"03.12.99", "13:05:12", "00:04:22", "Nachmittag", "0,44 DM", "Tag", "0,48 DM",
         "+ 0,04 DM"},
        {"05.12.99", "22:15:40", "01:43:00", "Mondschein", "8,27 DM", "Nacht", "5,16 DM",
         "- 3,11 DM"},
        {"06.12.99", "10:30:02", "00:22:00", "Vormittag", "2,18 DM", "Tag", "1,76 DM", "- 0,42 DM"},
        {"07.12.99", "14:02:44", "00:47:13", "Nachmittag", "4,32 DM", "Tag", "3,84 DM",
         "- 0,48 DM"},
    });
    model.summary.setText(
        "6 Verbindungen, 04:37:39: bisher 23,26 DM, mit der anderen Tarifdatei 16,66 DM, "
        "Differenz - 6,60 DM");
    ruvo::gui::TariffComparisonView view(model, RunDirectly);
    return Grab(view);
}

QPixmap StartupWindow() {
    ruvo::StartupWindow model;
    model.captionLabel.setText(ruvo::VersionName);
    model.dataDirectoryLabel.setText("/home/anna/.local/share/Quelmar/Ruvometer 2.3/");
    ruvo::gui::StartupWindowView view(model, RunDirectly, {});
    return Grab(view);
}

// Qt's own dialog behind "Drucker &Einrichten...", in the language the program gives it, with
// its settings opened: the button of its button box that neither prints nor cancels.
QPixmap PrinterSetupDialog() {
    QPrinter printer;
    printer.setOutputFileName("/home/anna/Verbindungen.pdf");
    QPrintDialog dialog(&printer);
    dialog.show();
    QApplication::processEvents();
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* button : box->buttons()) {
            const QDialogButtonBox::ButtonRole role = box->buttonRole(button);
            if (role != QDialogButtonBox::AcceptRole && role != QDialogButtonBox::RejectRole) {
                button->click();
            }
        }
    }
    QApplication::processEvents();
    dialog.adjustSize();
    return Grab(dialog);
}

// The tray icon's context menu while monitoring is on.
QPixmap TrayMenu() {
    QMenu menu;
    for (const char* item : {"Öffnen", "Verbindungen...", "Überwachung deaktivieren", "Beenden"}) {
        menu.addAction(QString::fromUtf8(item));
    }
    menu.adjustSize();
    return Grab(menu);
}

struct Screenshot {
    std::string name;
    std::function<QPixmap()> render;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ruvo-screenshots FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const ruvo::gui::GermanQtTexts germanQt(ruvo::gui::QtTranslationsFolder());
    if (!germanQt.loaded()) {
        std::fprintf(stderr, "Qt's German translations are not in %s: Qt's dialogs stay English\n",
                     qPrintable(ruvo::gui::QtTranslationsFolder()));
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<Screenshot> screenshots = {
        {"form1-allgemein", [] { return MainWindowPage(MainPage::General); }},
        {"form1-telefon", [] { return TelephonePage(); }},
        {"form1-provider", [] { return MainWindowPage(MainPage::Provider); }},
        {"form1-budgets", [] { return MainWindowPage(MainPage::Budgets); }},
        {"form1-warnungen", [] { return MainWindowPage(MainPage::Warnings); }},
        {"form1-info", [] { return MainWindowPage(MainPage::Info); }},
        {"form2", [] { return StartupWindow(); }},
        {"form7", [] { return TariffNameEditor(); }},
        {"form8", [] { return TariffTables(); }},
        {"form10", [] { return ConnectionList(); }},
        {"form13", [] { return HolidaysEditor(); }},
        {"form15", [] { return StatisticsWindow(); }},
        {"tarifvergleich", [] { return TariffComparison(); }},
        {"drucker-einrichten", [] { return PrinterSetupDialog(); }},
        {"tray-menue", [] { return TrayMenu(); }},
    };

    int failures = 0;
    for (const Screenshot& shot : screenshots) {
        const QString path = folder.filePath(QString::fromStdString(shot.name) + ".png");
        if (!shot.render().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    // The counter and the dialogs.
    if (!ruvo::gui::RenderDialogScreenshots(folder.path().toStdString())) {
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
