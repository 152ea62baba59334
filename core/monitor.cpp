// The monitor: the 4-second housekeeping tick that keeps the date-dependent state up to date and
// polls the online state, and the start and end of a connection.
#include "core/application.h"
#include "core/messages.h"
#include "tariffs/calendar.h"

namespace ruvo {

namespace {

std::string DatabaseFileNameFor(const platform::LocalDateTime& t) {
    return "RVDaten" + CurrentYearText(t) + ".db";
}

}  // namespace

void Ruvometer::HousekeepingTick() {
    form1.statusLine.setText(StatusLine());
    budgets_.MonthlyClosureCheck();
    budgets_.WeeklyClosureCheck();
    budgets_.RecomputeConsumption();

    const std::string name = DatabaseFileNameFor(now());
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

void Ruvometer::ConnectionStart() {
    tray_.Renew();
    if (form1.visible()) {
        form1.hide();
    }
    form6.show();
}

void Ruvometer::ConnectionEnd() {
    tray_.Renew();
    form6.hide();
    form4.show();
}

std::string Ruvometer::DatabasePath() const {
    return platform_.paths.programDirectory() + DatabaseFileNameFor(now());
}

}  // namespace ruvo
