#include "features/connection_rows.h"

#include <utility>
#include <variant>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/money.h"
#include "base/saturate.h"
#include "domain/calendar.h"
#include "domain/database_file.h"

namespace ruvo {

namespace {

// The first `count` characters of a UTF-8 text (a character's continuation bytes stay with it).
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t taken = 0; pos < text.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if ((byte & 0xC0) != 0x80) {
            if (taken == count) {
                break;
            }
            ++taken;
        }
    }
    return text.substr(0, pos);
}

// The row of a record, or the first of its numbers that is none.
std::variant<ConnectionRow, std::string> RowOf(const ConnectionRecord& record) {
    ConnectionRow row;
    row.date = record.startDate;
    row.start = FirstCharacters(record.startTime, 5);
    row.end = FirstCharacters(record.endTime, 5);
    const auto seconds = ToInteger(record.durationSeconds);
    const auto telephone = ToInteger(record.telephoneCharge);
    const auto provider = ToInteger(record.providerCharge);
    const auto total = ToInteger(record.totalCharge);
    for (const auto& [number, text] :
         {std::pair{seconds, &record.durationSeconds},
          std::pair{telephone, &record.telephoneCharge},
          std::pair{provider, &record.providerCharge}, std::pair{total, &record.totalCharge}}) {
        if (!number) {
            return *text;
        }
    }
    row.seconds = *seconds;
    row.telephone = *telephone;
    row.provider = *provider;
    row.total = *total;
    row.units = record.units;
    row.tariff = record.tariffName;
    return row;
}

Period PeriodOfText(const std::string& text, bool& named) {
    for (Period period : {Period::CurrentMonth, Period::CurrentWeek, Period::Today,
                          Period::LastMonth, Period::LastWeek, Period::Yesterday}) {
        if (PeriodName(period) == text) {
            named = true;
            return period;
        }
    }
    named = false;
    return Period::WholeYear;
}

}  // namespace

ConnectionRows ReadConnectionRows(std::string_view databaseBytes) {
    ConnectionRows result;
    ScanDatabase(databaseBytes, [&](const ConnectionRecord& record) {
        auto row = RowOf(record);
        if (auto* bad = std::get_if<std::string>(&row)) {
            result.unreadable.emplace_back(record, std::move(*bad));
        } else {
            result.rows.push_back(std::move(std::get<ConnectionRow>(row)));
        }
        return true;
    });
    return result;
}

ListControl::Row DisplayRow(const ConnectionRow& row) {
    return {row.date,
            row.start,
            row.end,
            DurationText(row.seconds),
            MoneyText(row.telephone),
            MoneyText(row.provider),
            MoneyText(row.total),
            row.units,
            row.tariff};
}

std::vector<ConnectionRow> FilterRows(const std::vector<ConnectionRow>& rows,
                                      const std::string& periodText,
                                      const platform::LocalDateTime& today) {
    bool named = false;
    const Period period = PeriodOfText(periodText, named);
    if (!named) {
        return rows;
    }
    const PeriodTest inPeriod(period, today);
    std::vector<ConnectionRow> shown;
    for (const ConnectionRow& row : rows) {
        if (inPeriod.contains(row.date)) {
            shown.push_back(row);
        }
    }
    return shown;
}

void AddToTotals(RowTotals& totals, const ConnectionRow& row) {
    const std::int32_t units = StrToInt(row.units);
    ++totals.count;
    totals.seconds += row.seconds;
    totals.telephone += row.telephone;
    totals.provider += row.provider;
    totals.total += row.total;
    totals.units += units;
}

std::string TotalDurationText(std::int64_t seconds) {
    return DurationText(SaturateToInt32(seconds));
}

std::string TotalMoneyText(std::int64_t pfennig) {
    return MoneyText(SaturateToInt32(pfennig));
}

std::array<std::string, 6> StatusPanelTexts(const RowTotals& totals) {
    return {"Anzahl: " + IntToStr(totals.count),
            "Zeit: " + TotalDurationText(totals.seconds),
            "Telefongebüren: " + TotalMoneyText(totals.telephone),
            "Providergebüren: " + TotalMoneyText(totals.provider),
            "Gesamtgebüren: " + TotalMoneyText(totals.total),
            "Einheiten " + IntToStr(totals.units)};
}

}  // namespace ruvo
