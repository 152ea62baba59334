// The rows of the connection list: a year's records as rows with raw values, their filter by
// reporting period, and the totals of chosen rows. The list window and the printed list both
// build on these.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "domain/connection_record.h"
#include "platform/platform.h"
#include "window_models/window_model.h"

namespace ruvo {

// One connection as the list holds it, with raw values.
struct ConnectionRow {
    std::string date;   // start date dd.mm.yy
    std::string start;  // hh:mm
    std::string end;    // hh:mm
    std::int32_t seconds = 0;
    std::int32_t telephone = 0;  // Pfennig
    std::int32_t provider = 0;   // Pfennig
    std::int32_t total = 0;      // Pfennig
    std::string units;           // as recorded; converted only when summed
    std::string tariff;

    friend bool operator==(const ConnectionRow&, const ConnectionRow&) = default;
};

struct ConnectionRows {
    std::vector<ConnectionRow> rows;
    // Records whose duration or a charge is not a whole number, each with the first such text:
    // they are not among the rows; every other record is.
    std::vector<std::pair<ConnectionRecord, std::string>> unreadable;
};

// The rows of the records of a database file's bytes, in file order.
ConnectionRows ReadConnectionRows(std::string_view databaseBytes);

// The row's display texts in column order: date, start, end, duration text, the three charges
// as money texts, units, tariff.
ListControl::Row DisplayRow(const ConnectionRow& row);

// The rows that belong to the period named by the text, in their order. The name is compared
// exactly; any text that names no period (also "Gesamtes Jahr") keeps every row. A row whose
// date is not a real calendar date is in no week; the other periods compare texts only.
std::vector<ConnectionRow> FilterRows(const std::vector<ConnectionRow>& rows,
                                      const std::string& periodText,
                                      const platform::LocalDateTime& today);

struct RowTotals {
    std::int64_t count = 0;
    std::int64_t seconds = 0;
    std::int64_t telephone = 0;
    std::int64_t provider = 0;
    std::int64_t total = 0;
    std::int64_t units = 0;
};

// Counts the row and adds its figures. Throws ConversionError when its units are not a whole
// number.
void AddToTotals(RowTotals& totals, const ConnectionRow& row);

// Sums, shown as money and duration texts, stop at the ends of the 32-bit range.
std::string TotalDurationText(std::int64_t seconds);
std::string TotalMoneyText(std::int64_t pfennig);

// The status bar's six texts for the totals of the selected rows.
std::array<std::string, 6> StatusPanelTexts(const RowTotals& totals);

}  // namespace ruvo
