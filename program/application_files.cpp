// The application's use of its data files: the database, the tariff file, the holidays and the
// figures computed from the database.
#include <optional>
#include <string>
#include <utility>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/messages.h"
#include "base/money.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "domain/german_holidays.h"
#include "program/application.h"

namespace ruvo {

void Ruvometer::ensureDatabaseFile() {
    const std::string path = databasePath();
    if (databases_.isReadableFile(path)) {
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

void Ruvometer::OfferNewYearHolidays() {
    const int year = now().year;
    const std::optional<Land> land = holidayStore_.StoredLand();
    const std::string which =
        std::to_string(year) + (land ? std::string(" (") + NameOf(*land).name + ")" : "");
    if (!AskYesNo(platform_.windowSystem,
                  "Jahreswechsel! \n\nSollen die gesetzlichen Feiertage für " + which +
                      " jetzt berechnet werden? Sie ersetzen die bisherigen Feiertage.\n\nSie "
                      "können die Feiertage auch unter Telefon->Feiertage ändern oder dort mit "
                      "der Schaltfläche 'Feiertagsdatei laden' eine Feiertagsdatei in das "
                      "Programm laden.")) {
        return;
    }
    holidayStore_.ComputeHolidays(year, holidays_);
    holidayStore_.saveHolidays(holidays_);
    holidayEditor_.Refresh();
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
