#include "features/tariff_comparison_dialog.h"

#include <array>
#include <memory>
#include <utility>

#include "base/file_error.h"
#include "base/file_error_text.h"
#include "base/messages.h"
#include "domain/calendar.h"
#include "domain/tariff_file.h"
#include "features/tariff_comparison.h"

namespace ruvo {

std::function<bool(const std::string&)> PeriodPredicate(const std::string& periodText,
                                                        const platform::LocalDateTime& today) {
    constexpr std::array<Period, 6> kLimited = {Period::CurrentMonth, Period::CurrentWeek,
                                                Period::Today,        Period::LastMonth,
                                                Period::LastWeek,     Period::Yesterday};
    for (const Period period : kLimited) {
        if (PeriodName(period) == periodText) {
            auto test = std::make_shared<PeriodTest>(period, today);
            return [test](const std::string& date) { return test->contains(date); };
        }
    }
    return [](const std::string&) { return true; };
}

TariffComparisonDialog::TariffComparisonDialog(TariffComparisonWindow& window,
                                               platform::Platform& platform,
                                               const HolidayList& holidays,
                                               std::function<std::string()> databasePath)
    : window_(window),
      platform_(platform),
      holidays_(holidays),
      databasePath_(std::move(databasePath)) {
    window_.durchsuchen.onClick = [this] { choose(); };
    window_.vergleichen.onClick = [this] { compare(); };
    window_.tariffFile.onExit = [this] { compare(); };
    window_.periodBox.onChange = [this] { compare(); };
    window_.closeItem.onClick = [this] { window_.hide(); };
}

void TariffComparisonDialog::show() {
    window_.show();
    compare();
}

void TariffComparisonDialog::choose() {
    if (!window_.onChooseTariffFile) {
        return;
    }
    if (const auto path = window_.onChooseTariffFile()) {
        window_.tariffFile.setText(*path);
        compare();
    }
}

void TariffComparisonDialog::clear(const std::string& summary) {
    window_.table.setRows({});
    window_.summary.setText(summary);
}

void TariffComparisonDialog::compare() {
    const std::string path = window_.tariffFile.text();
    if (path.empty()) {
        clear("Bitte wählen Sie die Tarifdatei, mit der verglichen werden soll.");
        return;
    }
    TariffFileContent content;
    try {
        content = ReadTariffFile(path);
    } catch (const FileError& error) {
        clear("");
        Inform(platform_.windowSystem,
               "Die Tarifdatei '" + path +
                   "' kann nicht gelesen werden: " + FileErrorReason(error) + ".",
               platform::MessageIcon::Warning);
        return;
    }
    if (content.tables.zoneList.empty()) {
        clear("Die Datei '" + path + "' enthält keine Tarife.");
        return;
    }
    const platform::LocalDateTime today = platform_.clock.now();
    const std::string database = databasePath_();
    TariffComparison comparison;
    try {
        comparison = CompareTariffs({database}, content.tables, holidays_, today.year,
                                    PeriodPredicate(window_.periodBox.text(), today));
    } catch (const FileError& error) {
        clear("");
        Inform(platform_.windowSystem,
               "Die Verbindungsdatei '" + database +
                   "' kann nicht gelesen werden: " + FileErrorReason(error) + ".",
               platform::MessageIcon::Warning);
        return;
    }
    window_.table.setRows(ComparisonRows(comparison));
    std::string summary = ComparisonSummary(comparison);
    if (content.problem != TariffFileProblem::None) {
        summary +=
            " Die Tarifdatei ist nicht ganz lesbar; verglichen wurde mit ihren lesbaren "
            "Tarifen.";
    }
    window_.summary.setText(summary);
}

}  // namespace ruvo
