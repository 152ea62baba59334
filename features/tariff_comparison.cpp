#include "features/tariff_comparison.h"

#include <algorithm>

#include "base/file_io.h"
#include "base/money.h"
#include "domain/database_file.h"
#include "features/connection_rows.h"

namespace ruvo {

TariffComparison CompareTariffs(const std::vector<std::string>& databasePaths,
                                const TariffTables& tables, const HolidayList& holidays,
                                int firstYear,
                                const std::function<bool(const std::string&)>& inPeriod) {
    std::vector<ConnectionRecord> records;
    for (const std::string& path : databasePaths) {
        if (!FileExists(path)) {
            continue;
        }
        ReadDatabaseFile(path, [&records](const ConnectionRecord& record) {
            records.push_back(record);
            return true;
        });
    }
    Rerater rerater(tables, holidays, firstYear);
    RatedRecords rated = rerater.RateAll(records);

    TariffComparison comparison;
    for (RatedConnection& connection : rated.connections) {
        if (!inPeriod(connection.recorded.front().startDate)) {
            continue;
        }
        comparison.seconds += TotalSeconds(connection.recorded);
        comparison.recorded += TotalPfennig(connection.recorded);
        comparison.rerated += TotalPfennig(connection.rerated);
        comparison.connections.push_back(std::move(connection));
    }
    comparison.skipped = static_cast<std::size_t>(
        std::count_if(rated.skipped.begin(), rated.skipped.end(),
                      [&](const ConnectionRecord& record) { return inPeriod(record.startDate); }));
    return comparison;
}

std::string ZoneNames(const std::vector<ConnectionRecord>& parts) {
    std::vector<std::string> names;
    for (const ConnectionRecord& part : parts) {
        if (std::find(names.begin(), names.end(), part.tariffName) == names.end()) {
            names.push_back(part.tariffName);
        }
    }
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string DifferenceText(std::int64_t pfennig) {
    if (pfennig > 0) {
        return "+ " + TotalMoneyText(pfennig);
    }
    return TotalMoneyText(pfennig);
}

std::vector<ListControl::Row> ComparisonRows(const TariffComparison& comparison) {
    std::vector<ListControl::Row> rows;
    rows.reserve(comparison.connections.size());
    for (const RatedConnection& connection : comparison.connections) {
        const ConnectionRecord& first = connection.recorded.front();
        const std::int64_t recorded = TotalPfennig(connection.recorded);
        const std::int64_t rerated = TotalPfennig(connection.rerated);
        rows.push_back({first.startDate, first.startTime,
                        TotalDurationText(TotalSeconds(connection.recorded)),
                        ZoneNames(connection.recorded), TotalMoneyText(recorded),
                        ZoneNames(connection.rerated), TotalMoneyText(rerated),
                        DifferenceText(rerated - recorded)});
    }
    return rows;
}

std::string ComparisonSummary(const TariffComparison& comparison) {
    const std::size_t count = comparison.connections.size();
    std::string text = IntToStr(static_cast<std::int64_t>(count)) +
                       (count == 1 ? " Verbindung, " : " Verbindungen, ") +
                       TotalDurationText(comparison.seconds) + ": bisher " +
                       TotalMoneyText(comparison.recorded) + ", mit der anderen Tarifdatei " +
                       TotalMoneyText(comparison.rerated) + ", Differenz " +
                       DifferenceText(comparison.rerated - comparison.recorded);
    if (comparison.skipped > 0) {
        text += " (" + IntToStr(static_cast<std::int64_t>(comparison.skipped)) +
                " unlesbare Einträge nicht mitgerechnet)";
    }
    return text;
}

}  // namespace ruvo
