// The monitor: the 4-second housekeeping tick that keeps the date-dependent state up to date and
// polls the online state, and the start, end and split of a connection.
#include "base/messages.h"
#include "base/money.h"
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "features/current_tariff.h"
#include "features/warning_options.h"
#include "program/application.h"

namespace ruvo {

void Ruvometer::HousekeepingTick() {
    mainWindow.statusLine.setText(StatusLine());
    budgets_.MonthlyClosureCheck();
    budgets_.WeeklyClosureCheck();
    budgets_.RecomputeConsumption();

    const std::string name = DatabaseFileName(CurrentYearText(now()));
    if (name != rememberedDatabaseName_) {
        const bool yearChanged = !rememberedDatabaseName_.empty();
        // Remember first: a tick nested in the message below must not show it again.
        rememberedDatabaseName_ = name;
        if (yearChanged) {
            Inform(platform_.windowSystem,
                   "Jahreswechsel! \n\nSie sollten die aktuelle Feiertagsdatei für das jetzige "
                   "Jahr aus dem Internet herunterladen und unter Telefon->Feiertage mit der "
                   "Schaltfläche 'Feiertagsdatei laden' in das Programm laden, um die Feiertage "
                   "zu aktualisieren!");
        }
    }
    mainWindow.databaseLabel.setText(DatabasePath());
    EnsureDatabaseFile();
    if (databaseWriter_.WriteKept()) {
        RecomputeConsumption();
        UpdateMonthlyMinutes();
    }

    if (mainWindow.active.checked()) {
        onlineDetection_.PollOnlineState();
    }
}

void Ruvometer::OnlineClicked() {
    if (mainWindow.online.checked()) {
        ConnectionStart();
    } else {
        ConnectionEnd();
    }
}

void Ruvometer::ConnectionOpening() {
    counterWindow.monthSeconds.setText(IntToStr(MonthOnlineSeconds(
        DatabasePath(), TodayText(now()), platform_.sound, &unreadableRecords_)));
    unreadableRecords_.TellNew();
    providerMinutes_.MonthRollover();
    tray_.Renew();
}

void Ruvometer::ConnectionStart() {
    ConnectionOpening();
    mainWindow.databaseLabel.setText(DatabasePath());
    CopyWarningOptions(mainWindow, counterWindow);

    // A summary still open settles the previous connection with its own figures first.
    if (summaryWindow.visible()) {
        try {
            ConfirmSummary();
        } catch (const std::runtime_error&) {
        }
    }
    for (WindowModel* window :
         std::initializer_list<WindowModel*>{&summaryWindow, &holidaysWindow, &connectionListWindow,
                                             &tariffNamesWindow, &newBudgetWindow}) {
        window->hide();
    }

    counter_.Start();
    PrepareCounterBudgets();
    const platform::LocalDateTime t = now();
    summaryWindow.SetStart(NowTimeTextLong(t), TodayText(t));
    if (mainWindow.visible()) {
        mainWindow.hide();
    }
    ShowCurrentTariff();
    counterWindow.show();
    if (mainWindow.hideCounterOnDialIn.checked()) {
        counterWindow.hide();
    }
}

void Ruvometer::ConnectionEnd() {
    ConnectionOpening();
    counter_.Stop();
    const platform::LocalDateTime t = now();
    summaryWindow.SetEnd(NowTimeTextLong(t), TodayText(t));
    summaryWindow.pending.durationSeconds = IntToStr(counter_.elapsedSeconds());
    summaryWindow.pending.units = counterWindow.unitText.text();
    summaryWindow.pending.tariffName = counterWindow.zoneName.text();
    summaryWindow.durationText.setText(counterWindow.durationText.text());
    summaryWindow.unitsText.setText(counterWindow.unitText.text());
    summaryWindow.telephoneText.setText(counterWindow.telephoneText.text());
    summaryWindow.providerText.setText(counterWindow.providerText.text());
    summaryWindow.totalText.setText(counterWindow.totalText.text());
    summaryWindow.hide();

    if (mainWindow.splittingAtZoneChange) {
        ConfirmSummary(true);
        ShowCurrentTariff();
        return;
    }
    summaryWindow.show();
    if (mainWindow.alwaysSaveOnDisconnect.checked()) {
        ConfirmSummary();
    }
}

void Ruvometer::SegmentSplit() {
    mainWindow.splittingAtZoneChange = true;
    mainWindow.online.setChecked(false);
    mainWindow.splittingAtZoneChange = false;
    mainWindow.online.setChecked(true);
}

void Ruvometer::SummaryShown() {
    counterWindow.hide();
    summaryWindow.saveConnection.setChecked(true);
}

void Ruvometer::ConfirmSummary(bool split) {
    const bool save = split || summaryWindow.saveConnection.checked();
    // The summary closes first: should anything below fail, the same connection is never
    // offered for saving a second time (the next connection's start settles an open summary).
    summaryWindow.hide();
    // A record that cannot be written is kept until it can; only one that could be neither
    // written nor kept (the error ends this handler) leaves its autosave for the next start.
    if (save) {
        databaseWriter_.Save(summaryWindow.pending);
    }
    autosave_.Remove();
    RecomputeConsumption();
    UpdateMonthlyMinutes();
}

void Ruvometer::ShowCurrentTariff() {
    ruvo::ShowCurrentTariff(tariffs_, holidays_, now(), mainWindow.providerFeePerMinute.text(),
                            counterWindow);
}

bool Ruvometer::FreeMinutesUsedUp(std::int32_t runningSeconds) {
    return providerMinutes_.FreeMinutesUsedUp(
        ToInteger(counterWindow.monthSeconds.text()).value_or(0), runningSeconds);
}

std::string Ruvometer::CurrentZoneIndex() {
    return ruvo::CurrentZoneIndex(tariffs_, holidays_, now(), counterWindow);
}

void Ruvometer::WriteAutosave(const ConnectionRecord& running) {
    // Counting goes on without the autosave; the record is still saved at the summary. The user
    // is told once, not at every new unit, and again only after an autosave worked meanwhile.
    try {
        autosave_.Write(running);
        autosaveFailureTold_ = false;
    } catch (const platform::RegistryError& error) {
        if (!autosaveFailureTold_) {
            autosaveFailureTold_ = true;
            Inform(platform_.windowSystem,
                   std::string("Die laufende Verbindung kann nicht zwischengespeichert werden; "
                               "nach einem Absturz ginge sie verloren.\n\n") +
                       error.what() +
                       "\n\nRuvometer zählt weiter und speichert die Verbindung beim Auflegen.",
                   platform::MessageIcon::Warning);
        }
    }
}

void Ruvometer::ShowInTitle(std::int32_t totalPfennig, std::int32_t elapsedSeconds,
                            std::int32_t secondsLeft) {
    const TitleOptions options{mainWindow.chargesInTitle.checked(),
                               mainWindow.onlineTimeInTitle.checked(),
                               mainWindow.secondsLeftInTitle.checked()};
    titleSuffix_ = TitleSuffix(options, totalPfennig, elapsedSeconds, secondsLeft);
    mainWindow.windowsTrigger.setChecked(true);
}

std::int32_t Ruvometer::WarningLeadSeconds() {
    return 2 * ToInteger(mainWindow.leadField.text()).value_or(0);
}

void Ruvometer::RefreshTrayPicture() {
    tray_.UpdateTrayIcon(TrayOperation::Modify);
}

void Ruvometer::ReportBadTariffValue(const std::string& zone, const std::string& value,
                                     TariffValueFault fault) {
    Inform(platform_.windowSystem,
           "Der Tarif '" + zone + "' enthält den Wert '" + value + "', " +
               TariffValueFaultText(fault) +
               ". Er wird als 0 gerechnet. Bitte korrigieren Sie ihn auf der Seite 'Telefon'.",
           platform::MessageIcon::Warning);
}

std::string Ruvometer::DatabasePath() const {
    return platform_.paths.programDirectory() + DatabaseFileName(CurrentYearText(now()));
}

}  // namespace ruvo
