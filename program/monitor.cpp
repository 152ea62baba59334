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

void Ruvometer::housekeepingTick() {
    // The online state is polled even when the bookkeeping fails: settings or records that
    // cannot be written must not hide a connection. A failure is told once, not every 4 seconds,
    // and again only after a tick went well or the failure changed.
    try {
        keepBooks();
        lastBookkeepingError_.clear();
    } catch (const std::runtime_error& error) {
        if (error.what() != lastBookkeepingError_) {
            lastBookkeepingError_ = error.what();  // first: a tick nested in the box is quiet
            guard_.report(error);
        }
    }
    if (mainWindow.active.checked()) {
        onlineDetection_.pollOnlineState();
    }
}

void Ruvometer::keepBooks() {
    mainWindow.statusLine.setText(statusLine());
    budgets_.monthlyClosureCheck();
    budgets_.weeklyClosureCheck();
    budgets_.recomputeConsumption();

    const std::string name = DatabaseFileName(CurrentYearText(now()));
    if (name != rememberedDatabaseName_) {
        const bool yearChanged = !rememberedDatabaseName_.empty();
        // Remember first: a tick nested in the message below must not show it again.
        rememberedDatabaseName_ = name;
        if (yearChanged) {
            OfferNewYearHolidays();
        }
    }
    mainWindow.databaseLabel.setText(databasePath());
    ensureDatabaseFile();
    if (databaseWriter_.writeKept()) {
        recomputeConsumption();
        updateMonthlyMinutes();
    }
}

void Ruvometer::onlineClicked() {
    if (mainWindow.online.checked()) {
        connectionStart();
    } else {
        connectionEnd();
    }
}

void Ruvometer::connectionOpening() {
    counterWindow.monthSeconds.setText(IntToStr(MonthOnlineSeconds(
        databasePath(), TodayText(now()), databases_, platform_.sound, &unreadableRecords_)));
    unreadableRecords_.tellNew();
    providerMinutes_.monthRollover();
    tray_.renew();
}

void Ruvometer::connectionStart() {
    connectionOpening();
    mainWindow.databaseLabel.setText(databasePath());
    CopyWarningOptions(mainWindow, counterWindow);

    // A summary still open settles the previous connection with its own figures first.
    if (summaryWindow.visible()) {
        try {
            confirmSummary();
        } catch (const std::runtime_error&) {
        }
    }
    for (WindowModel* window :
         std::initializer_list<WindowModel*>{&summaryWindow, &holidaysWindow, &connectionListWindow,
                                             &tariffNamesWindow, &newBudgetWindow}) {
        window->hide();
    }

    autosaveFailureTold_ = false;  // each connection's own autosave failure is told
    counter_.start();
    // The tool tip shows this connection's figures from now on, not the last one's.
    tray_.updateTrayIcon(TrayOperation::Modify);
    prepareCounterBudgets();
    const platform::LocalDateTime t = now();
    summaryWindow.setStart(NowTimeTextLong(t), TodayText(t));
    if (mainWindow.visible()) {
        mainWindow.hide();
    }
    showCurrentTariff();
    counterWindow.show();
    if (mainWindow.hideCounterOnDialIn.checked()) {
        counterWindow.hide();
    }
}

void Ruvometer::connectionEnd() {
    connectionOpening();
    counter_.stop();
    // No tick renews the suffix any more: the decorated window gets its own title back now,
    // whichever window is in front. A split goes on counting and decorates on.
    if (!mainWindow.splittingAtZoneChange) {
        titleDisplay_.RestoreTitle();
    }
    const platform::LocalDateTime t = now();
    summaryWindow.setEnd(NowTimeTextLong(t), TodayText(t));
    summaryWindow.pending.durationSeconds = IntToStr(counter_.elapsedSeconds());
    summaryWindow.pending.units = counterWindow.unitText.text();
    summaryWindow.pending.tariffName = counterWindow.zoneName.text();
    summaryWindow.durationText.setText(counterWindow.durationText.text());
    summaryWindow.unitsText.setText(counterWindow.unitText.text());
    summaryWindow.telephoneText.setText(counterWindow.telephoneText.text());
    summaryWindow.providerText.setText(counterWindow.providerText.text());
    summaryWindow.totalText.setText(counterWindow.totalText.text());
    summaryWindow.tariffNote.setText(
        summaryWindow.pending.tariffName.empty() ? NoTariffSummary(counterWindow) : "");
    summaryWindow.hide();

    if (mainWindow.splittingAtZoneChange) {
        confirmSummary(true);
        showCurrentTariff();
        return;
    }
    summaryWindow.show();
    if (mainWindow.alwaysSaveOnDisconnect.checked()) {
        confirmSummary();
    }
}

void Ruvometer::segmentSplit() {
    mainWindow.splittingAtZoneChange = true;
    mainWindow.online.setChecked(false);
    mainWindow.splittingAtZoneChange = false;
    mainWindow.online.setChecked(true);
}

void Ruvometer::summaryShown() {
    counterWindow.hide();
    summaryWindow.saveConnection.setChecked(true);
}

void Ruvometer::confirmSummary(bool split) {
    const bool save = split || summaryWindow.saveConnection.checked();
    // The summary closes first: should anything below fail, the same connection is never
    // offered for saving a second time (the next connection's start settles an open summary).
    summaryWindow.hide();
    // A record that cannot be written is kept until it can; only one that could be neither
    // written nor kept (the error ends this handler) leaves its autosave for the next start.
    if (save) {
        databaseWriter_.save(summaryWindow.pending);
    }
    autosave_.remove();
    recomputeConsumption();
    updateMonthlyMinutes();
}

void Ruvometer::showCurrentTariff() {
    ruvo::ShowCurrentTariff(tariffs_, holidays_, now(), mainWindow.providerFeePerMinute.text(),
                            counterWindow);
}

bool Ruvometer::freeMinutesUsedUp(std::int32_t runningSeconds) {
    return providerMinutes_.freeMinutesUsedUp(
        ToInteger(counterWindow.monthSeconds.text()).value_or(0), runningSeconds);
}

std::string Ruvometer::currentZoneIndex() {
    return ruvo::CurrentZoneIndex(tariffs_, holidays_, now(), counterWindow);
}

void Ruvometer::writeAutosave(const ConnectionRecord& running) {
    // Counting goes on without the autosave; the record is still saved at the summary. The user
    // is told once, not at every new unit, and again only after an autosave worked meanwhile.
    try {
        autosave_.write(running);
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

void Ruvometer::showInTitle(std::int32_t totalPfennig, std::int32_t elapsedSeconds,
                            std::int32_t secondsLeft) {
    const TitleOptions options{mainWindow.chargesInTitle.checked(),
                               mainWindow.onlineTimeInTitle.checked(),
                               mainWindow.secondsLeftInTitle.checked()};
    titleSuffix_ = TitleSuffix(options, totalPfennig, elapsedSeconds, secondsLeft);
    mainWindow.windowsTrigger.setChecked(true);
}

std::int32_t Ruvometer::warningLeadSeconds() {
    return 2 * ToInteger(mainWindow.leadField.text()).value_or(0);
}

void Ruvometer::refreshTrayPicture() {
    tray_.updateTrayIcon(TrayOperation::Modify);
}

void Ruvometer::reportBadTariffValue(const std::string& zone, const std::string& value,
                                     TariffValueFault fault) {
    Inform(platform_.windowSystem,
           "Der Tarif '" + zone + "' enthält den Wert '" + value + "', " +
               TariffValueFaultText(fault) +
               ". Er wird als 0 gerechnet. Bitte korrigieren Sie ihn auf der Seite 'Telefon'.",
           platform::MessageIcon::Warning);
}

std::string Ruvometer::databasePath() const {
    return platform_.paths.programDirectory() + DatabaseFileName(CurrentYearText(now()));
}

}  // namespace ruvo
