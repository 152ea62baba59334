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

void Ruvometer::ensureDatabaseFile() {
    const std::string path = databasePath();
    if (FileExists(path)) {
        return;
    }
    try {
        CreateDatabase(path);
    } catch (const FileError&) {
        platform_.sound.beep(platform::Beep::Default);
    }
}

void Ruvometer::loadTariffs() {
    auto loaded = tariffStore_.load();
    if (!loaded) {
        return;
    }
    tariffs_ = std::move(*loaded);
    tariffEditor_.tablesLoaded();

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

void Ruvometer::saveTariffs() {
    tariffs_.providerFee = mainWindow.providerFeePerMinute.text();
    tariffs_.freeMinutes = mainWindow.freeMinutes.text();
    tariffStore_.save(tariffs_);
}

void Ruvometer::loadHolidays() {
    holidayStore_.loadHolidays(holidays_);
}

void Ruvometer::recomputeConsumption() {
    budgets_.recomputeConsumption();
}

void Ruvometer::prepareCounterBudgets() {
    budgets_.prepareCounter();
}

void Ruvometer::showBudgetStatus(std::int32_t totalPfennig) {
    budgets_.showBudgetStatus(totalPfennig);
}

void Ruvometer::updateMonthlyMinutes() {
    providerMinutes_.updateMonthlyMinutes(databasePath());
}

}  // namespace ruvo
