// The application's use of its data files: the database, the tariff file, the holidays and the
// figures computed from the database.
#include "core/application.h"
#include "core/messages.h"
#include "records/database_file.h"
#include "records/file_error.h"
#include "records/file_io.h"
#include "tariffs/calendar.h"
#include "tariffs/money.h"
#include "tariffs/tariff_file.h"

namespace ruvo {

void Ruvometer::EnsureDatabaseFile() {
    const std::string path = DatabasePath();
    if (FileExists(path)) {
        return;
    }
    try {
        CreateDatabase(path);
    } catch (const FileError&) {
        platform_.sound.beep(platform::Beep::Default);
    }
}

void Ruvometer::LoadTariffs() {
    const std::string path = platform_.paths.programDirectory() + "Tarif.dat";
    if (!FileExists(path)) {
        Inform(platform_.windowSystem,
               "Die Tarifdatei 'Tarif.dat' ist nicht vorhanden und wird deshalb neu angelegt.");
        try {
            SaveTariffFile(path, DefaultTariffs());
        } catch (const FileError&) {
            platform_.sound.beep(platform::Beep::Default);
        }
    }
    TariffFileContent content;
    try {
        content = ReadTariffFile(path);
    } catch (const FileError&) {
        platform_.sound.beep(platform::Beep::Default);
        return;
    }
    if (content.problem != TariffFileProblem::None) {
        platform_.sound.beep(platform::Beep::Default);
    }
    tariffs_ = content.tables;
    tariffsLoaded_ = true;
    tariffEditor_.TablesLoaded();

    // Numbers that are not numbers would fail at every second of a connection: say once which
    // value is wrong; the counter takes it as 0.
    for (std::string* header : {&tariffs_.providerFee, &tariffs_.freeMinutes}) {
        if (!IsInteger(*header)) {
            Inform(platform_.windowSystem,
                   "Die Tarifdatei 'Tarif.dat' enthält in der ersten Zeile den Wert '" + *header +
                       "', der keine ganze Zahl ist. Er wird durch 0 ersetzt.",
                   platform::MessageIcon::Warning);
            *header = "0";
        }
    }
    if (const auto problem = ValidateTariffs(tariffs_)) {
        Inform(platform_.windowSystem,
               "Die Tarifdatei 'Tarif.dat' enthält beim Tarif '" + problem->zoneName + "' (" +
                   DayClassText(problem->dayClass).substr(2) + ") den Wert '" + problem->value +
                   "', der keine ganze Zahl ist. Bitte korrigieren Sie ihn auf der Seite "
                   "'Telefon'.",
               platform::MessageIcon::Warning);
    }
    form1.edit5.setText(tariffs_.providerFee);
    form1.edit13.setText(tariffs_.freeMinutes);
}

void Ruvometer::SaveTariffs() {
    if (!tariffsLoaded_) {
        return;
    }
    tariffs_.providerFee = form1.edit5.text();
    tariffs_.freeMinutes = form1.edit13.text();
    try {
        SaveTariffFile(platform_.paths.programDirectory() + "Tarif.dat", tariffs_);
    } catch (const FileError&) {
        platform_.sound.beep(platform::Beep::Default);
    }
}

void Ruvometer::LoadHolidays() {
    holidayStore_.LoadHolidays(holidays_);
}

void Ruvometer::RecomputeConsumption() {
    budgets_.RecomputeConsumption();
}

void Ruvometer::PrepareCounterBudgets() {
    budgets_.PrepareCounter();
}

void Ruvometer::ShowBudgetStatus(std::int32_t totalPfennig) {
    budgets_.ShowBudgetStatus(totalPfennig);
}

void Ruvometer::UpdateMonthlyMinutes() {
    providerMinutes_.UpdateMonthlyMinutes(DatabasePath());
}

}  // namespace ruvo
