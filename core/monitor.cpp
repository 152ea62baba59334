// The monitor: the 4-second housekeeping tick that keeps the date-dependent state up to date and
// polls the online state, and the start, end and split of a connection.
#include "core/application.h"
#include "core/messages.h"
#include "core/setting_names.h"
#include "counting/warning_options.h"
#include "records/database_file.h"
#include "tariffs/calendar.h"
#include "tariffs/current_tariff.h"
#include "tariffs/money.h"

namespace ruvo {

void Ruvometer::HousekeepingTick() {
    form1.statusLine.setText(StatusLine());
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
    form1.databaseLabel.setText(DatabasePath());
    EnsureDatabaseFile();
    if (databaseWriter_.WriteKept()) {
        RecomputeConsumption();
        UpdateMonthlyMinutes();
    }

    if (form1.active.checked()) {
        onlineDetection_.PollOnlineState();
    }
}

void Ruvometer::OnlineClicked() {
    if (form1.online.checked()) {
        ConnectionStart();
    } else {
        ConnectionEnd();
    }
}

void Ruvometer::ConnectionOpening() {
    form6.monthSeconds.setText(IntToStr(MonthOnlineSeconds(DatabasePath(), TodayText(now()),
                                                           platform_.sound, &unreadableRecords_)));
    unreadableRecords_.TellNew();
    providerMinutes_.MonthRollover();
    tray_.Renew();
}

void Ruvometer::ConnectionStart() {
    ConnectionOpening();
    form1.databaseLabel.setText(DatabasePath());
    CopyWarningOptions(form1, form6);

    // A summary still open settles the previous connection with its own figures first.
    if (form4.visible()) {
        try {
            ConfirmSummary();
        } catch (const std::runtime_error&) {
        }
    }
    for (WindowModel* window :
         std::initializer_list<WindowModel*>{&form4, &form13, &form10, &form7, &form9}) {
        window->hide();
    }

    counter_.Start();
    PrepareCounterBudgets();
    const platform::LocalDateTime t = now();
    form4.SetStart(NowTimeTextLong(t), TodayText(t));
    if (form1.visible()) {
        form1.hide();
    }
    ShowCurrentTariff();
    form6.show();
    if (form1.checkBox10.checked()) {
        form6.hide();
    }
}

void Ruvometer::ConnectionEnd() {
    ConnectionOpening();
    counter_.Stop();
    const platform::LocalDateTime t = now();
    form4.SetEnd(NowTimeTextLong(t), TodayText(t));
    form4.pending.durationSeconds = IntToStr(counter_.elapsedSeconds());
    form4.pending.units = form6.unitText.text();
    form4.pending.tariffName = form6.zoneName.text();
    form4.durationText.setText(form6.durationText.text());
    form4.unitsText.setText(form6.unitText.text());
    form4.telephoneText.setText(form6.telephoneText.text());
    form4.providerText.setText(form6.providerText.text());
    form4.totalText.setText(form6.totalText.text());
    form4.hide();

    if (form1.splitMarker == 6) {
        ConfirmSummary(true);
        ShowCurrentTariff();
        return;
    }
    form4.show();
    if (form1.checkBox11.checked()) {
        ConfirmSummary();
    }
}

void Ruvometer::SegmentSplit() {
    form1.splitMarker = 6;
    form1.online.setChecked(false);
    form1.splitMarker = 0;
    form1.online.setChecked(true);
}

void Ruvometer::SummaryShown() {
    form6.hide();
    form4.checkBox1.setChecked(true);
}

void Ruvometer::ConfirmSummary(bool split) {
    const bool save = split || form4.checkBox1.checked();
    // The summary closes first: should anything below fail, the same connection is never
    // offered for saving a second time (the next connection's start settles an open summary).
    form4.hide();
    // A record that cannot be written is kept until it can; only one that could be neither
    // written nor kept (the error ends this handler) leaves its autosave for the next start.
    if (save) {
        databaseWriter_.Save(form4.pending);
    }
    autosave_.Remove();
    RecomputeConsumption();
    UpdateMonthlyMinutes();
}

void Ruvometer::ShowCurrentTariff() {
    ruvo::ShowCurrentTariff(tariffs_, holidays_, now(), form1.edit5.text(), form6);
}

bool Ruvometer::FreeMinutesUsedUp(std::int32_t runningSeconds) {
    return providerMinutes_.FreeMinutesUsedUp(ToInteger(form6.monthSeconds.text()).value_or(0),
                                              runningSeconds);
}

std::string Ruvometer::CurrentZoneIndex() {
    return ruvo::CurrentZoneIndex(tariffs_, holidays_, now(), form6);
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
    const TitleOptions options{form1.checkBox7.checked(), form1.checkBox9.checked(),
                               form1.checkBox8.checked()};
    titleSuffix_ = TitleSuffix(options, totalPfennig, elapsedSeconds, secondsLeft);
    titleDisplay_.ApplyTitleSuffix(titleSuffix_, false);
}

std::int32_t Ruvometer::WarningLeadSeconds() {
    return 2 * ToInteger(form1.edit10.text()).value_or(0);
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
