// The tariff comparison: the connections of a period, what they cost as recorded and what they
// would have cost under another tariff file, connection by connection and in total.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "domain/holiday_list.h"
#include "domain/rerating.h"
#include "domain/tariff_tables.h"
#include "window_models/window_model.h"

namespace ruvo {

struct TariffComparison {
    std::vector<RatedConnection> connections;  // of the period, in the order they were saved
    std::int64_t seconds = 0;
    std::int64_t recorded = 0;  // Pfennig
    std::int64_t rerated = 0;   // Pfennig
    std::size_t skipped = 0;    // records of the period that could not be read
};

// Re-rates the records of the database files (oldest first; every record of them counts towards
// its month's free minutes) and keeps the connections whose first part starts on a date the
// predicate accepts. `firstYear` places the two-digit years (see Rerater). A missing file has no
// records. Throws FileError when a file exists but cannot be read.
TariffComparison CompareTariffs(const std::vector<std::string>& databasePaths,
                                const TariffTables& tables, const HolidayList& holidays,
                                int firstYear,
                                const std::function<bool(const std::string&)>& inPeriod);

// The zones of a connection's parts, in order, each once: "Tag, Abend".
std::string ZoneNames(const std::vector<ConnectionRecord>& parts);

// A difference of Pfennig with its sign: "+ 0,12 DM", "- 1,50 DM", "0,00 DM".
std::string DifferenceText(std::int64_t pfennig);

// One table row per connection: date, start, duration, zones recorded, cost recorded, zones under
// the other file, cost under it, difference.
std::vector<ListControl::Row> ComparisonRows(const TariffComparison& comparison);

// The totals in one line: "12 Verbindungen, 01:23:45: bisher 12,34 DM, mit der anderen
// Tarifdatei 10,00 DM, Differenz - 2,34 DM".
std::string ComparisonSummary(const TariffComparison& comparison);

}  // namespace ruvo
