#include "records/connection_list.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <variant>

#include "records/database_file.h"
#include "records/file_error.h"
#include "records/file_io.h"
#include "records/print_list.h"
#include "tariffs/calendar.h"
#include "tariffs/money.h"

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

std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
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
    return DurationText(Clamp32(seconds));
}

std::string TotalMoneyText(std::int64_t pfennig) {
    return MoneyText(Clamp32(pfennig));
}

std::array<std::string, 6> StatusPanelTexts(const RowTotals& totals) {
    return {"Anzahl: " + IntToStr(totals.count),
            "Zeit: " + TotalDurationText(totals.seconds),
            "Telefongebüren: " + TotalMoneyText(totals.telephone),
            "Providergebüren: " + TotalMoneyText(totals.provider),
            "Gesamtgebüren: " + TotalMoneyText(totals.total),
            "Einheiten " + IntToStr(totals.units)};
}

ConnectionList::ConnectionList(ConnectionListWindow& window, platform::Platform& platform,
                               UnreadableRecords& unreadable,
                               std::function<std::string()> databasePath)
    : window_(window),
      platform_(platform),
      unreadable_(unreadable),
      databasePath_(std::move(databasePath)) {
    window_.onActivate = [this] { Activate(); };
    window_.comboBox1.onChange = [this] { Filter(); };
    window_.listView1.onSelectionChange = [this] { Totals(); };
    window_.drucken.onClick = [this] { Print(); };
    window_.kopieren.onClick = [this] { Copy(); };
    window_.druckerEinrichten.onClick = [this] { platform_.printing.printerSetup(); };
    window_.allesAuswaehlen.onClick = [this] { SelectAll(); };
}

void ConnectionList::Activate() {
    window_.comboBox1.setText("Gesamtes Jahr");
    const std::string path = databasePath_();
    if (!FileExists(path)) {
        return;
    }
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const FileError&) {
        platform_.sound.beep(platform::Beep::Default);
        return;
    }
    ConnectionRows loaded = ReadConnectionRows(bytes);
    year_ = std::move(loaded.rows);
    Filter();
    for (const auto& [record, value] : loaded.unreadable) {
        unreadable_.Note(path, record, value);
    }
    unreadable_.TellNew();
}

void ConnectionList::Filter() {
    shownRaw_ = FilterRows(year_, window_.comboBox1.text(), platform_.clock.now());
    std::vector<ListControl::Row> shown;
    shown.reserve(shownRaw_.size());
    for (const ConnectionRow& row : shownRaw_) {
        shown.push_back(DisplayRow(row));
    }
    // New rows are a change of the table: the totals follow through the selection action.
    window_.listView1.setRows(std::move(shown));
}

void ConnectionList::Totals() {
    RowTotals totals;
    const std::size_t count = std::min(window_.listView1.rows().size(), shownRaw_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (window_.listView1.selected(i)) {
            AddToTotals(totals, shownRaw_[i]);
        }
    }
    const std::array<std::string, 6> texts = StatusPanelTexts(totals);
    const std::array<TextField*, 6> panels = {&window_.anzahl,  &window_.zeit,
                                              &window_.telefon, &window_.provider,
                                              &window_.gesamt,  &window_.einheiten};
    for (std::size_t i = 0; i < panels.size(); ++i) {
        panels[i]->setText(texts[i]);
    }
}

void ConnectionList::Print() {
    RowTotals totals;
    for (const ConnectionRow& row : shownRaw_) {
        AddToTotals(totals, row);
    }
    const std::string period = PeriodText(window_.comboBox1.text(), platform_.clock.now());
    platform_.printing.print(BuildPrintJob(window_.listView1.rows(), totals, period));
}

void ConnectionList::Copy() {
    std::vector<ListControl::Row> selected;
    const auto& rows = window_.listView1.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (window_.listView1.selected(i)) {
            selected.push_back(rows[i]);
        }
    }
    platform_.clipboard.setText(CopyText(selected));
    focusTable();
}

void ConnectionList::SelectAll() {
    window_.listView1.selectAll();
    focusTable();
}

void ConnectionList::focusTable() {
    if (window_.onFocusTable) {
        window_.onFocusTable();
    }
}

}  // namespace ruvo
