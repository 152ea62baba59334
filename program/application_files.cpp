// The application's use of its data files: the database, the tariff file, the holidays and the
// figures computed from the database.
#include <utility>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/messages.h"
#include "base/money.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "program/application.h"

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
    auto loaded = tariffStore_.Load();
    if (!loaded) {
        return;
    }
    tariffs_ = std::move(*loaded);
    tariffEditor_.TablesLoaded();

    // Numbers that are not numbers, or negative prices and unit lengths, would be wrong at every
    // second of a connection: say once which value is wrong; the counter takes it as 0.
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
                   "', " + TariffValueFaultText(problem->fault) +
                   ". Bitte korrigieren Sie ihn auf der Seite 'Telefon'.",
               platform::MessageIcon::Warning);
    }
    mainWindow.providerFeePerMinute.setText(tariffs_.providerFee);
    mainWindow.freeMinutes.setText(tariffs_.freeMinutes);
}

void Ruvometer::SaveTariffs() {
    tariffs_.providerFee = mainWindow.providerFeePerMinute.text();
    tariffs_.freeMinutes = mainWindow.freeMinutes.text();
    tariffStore_.Save(tariffs_);
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
