#include "app/sim/tariff_comparison_command.h"

#include <optional>

#include "base/file_error.h"
#include "base/file_error_text.h"
#include "base/file_io.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "domain/holiday_file.h"
#include "domain/tariff_file.h"
#include "features/tariff_comparison.h"

namespace ruvo::sim {
namespace {

struct Day {
    int year = 0;
    int month = 0;
    int day = 0;
    int key() const { return (year * 100 + month) * 100 + day; }
};

// TT.MM.JJJJ, a real calendar day.
std::optional<Day> ParseDay(const std::string& text) {
    if (text.size() != 10 || !IsValidDateText(text.substr(0, 6) + text.substr(8, 2))) {
        return std::nullopt;
    }
    for (const std::size_t i : {6, 7, 8, 9}) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
    }
    const Day day{std::stoi(text.substr(6, 4)), std::stoi(text.substr(3, 2)),
                  std::stoi(text.substr(0, 2))};
    // 29 February only in a leap year of the four-digit year.
    const bool leap = (day.year % 4 == 0 && day.year % 100 != 0) || day.year % 400 == 0;
    if (day.month == 2 && day.day == 29 && !leap) {
        return std::nullopt;
    }
    return day;
}

}  // namespace

int RunTariffComparison(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err) {
    if (arguments.size() != 4) {
        err << "usage: ruvometer-sim --tarifvergleich DIR TARIFDATEI VON BIS  (VON, BIS: "
               "TT.MM.JJJJ)\n";
        return 2;
    }
    std::string directory = arguments[0];
    if (!directory.empty() && directory.back() != '/') {
        directory += '/';
    }
    const auto from = ParseDay(arguments[2]);
    const auto to = ParseDay(arguments[3]);
    if (!from || !to || to->key() < from->key()) {
        err << "ruvometer-sim: the period must be two days TT.MM.JJJJ, the first not after the "
               "second\n";
        return 2;
    }
    try {
        const TariffFileContent tariffs = ReadTariffFile(arguments[1]);
        HolidayList holidays;
        if (const auto bytes = ReadFileIfPresent(directory + "Feiertage.dat")) {
            holidays = ParseHolidayFile(*bytes);
        }
        std::vector<std::string> databases;
        for (int year = from->year; year <= to->year; ++year) {
            databases.push_back(directory + DatabaseFileName(PadTwo(std::to_string(year % 100))));
        }
        const int firstYear = from->year;
        const auto inPeriod = [&](const std::string& date) {
            if (!IsValidDateText(date)) {
                return false;
            }
            const int year =
                firstYear + ((std::stoi(date.substr(6, 2)) - firstYear % 100) % 100 + 100) % 100;
            const int key =
                (year * 100 + std::stoi(date.substr(3, 2))) * 100 + std::stoi(date.substr(0, 2));
            return from->key() <= key && key <= to->key();
        };
        const TariffComparison comparison =
            CompareTariffs(databases, tariffs.tables, holidays, firstYear, inPeriod);
        for (const ListControl::Row& row : ComparisonRows(comparison)) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                out << (i == 0 ? "" : "\t") << row[i];
            }
            out << '\n';
        }
        out << ComparisonSummary(comparison) << '\n';
    } catch (const FileError& error) {
        err << "ruvometer-sim: " << error.path() << ": " << FileErrorReason(error) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace ruvo::sim
