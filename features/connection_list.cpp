#include "features/connection_list.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <variant>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/money.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "features/print_list.h"

namespace ruvo {

ConnectionList::ConnectionList(ConnectionListWindow& window, platform::Platform& platform,
                               UnreadableRecords& unreadable,
                               std::function<std::string()> databasePath)
    : window_(window),
      platform_(platform),
      unreadable_(unreadable),
      databasePath_(std::move(databasePath)) {
    window_.onActivate = [this] { activate(); };
    window_.periodBox.onChange = [this] { filter(); };
    window_.connectionTable.onSelectionChange = [this] { totals(); };
    window_.printItem.onClick = [this] { print(); };
    window_.copyItem.onClick = [this] { copy(); };
    window_.printerSetupItem.onClick = [this] { platform_.printing.printerSetup(); };
    window_.selectAllItem.onClick = [this] { selectAll(); };
}

void ConnectionList::activate() {
    window_.periodBox.setText("Gesamtes Jahr");
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
    filter();
    for (const auto& [record, value] : loaded.unreadable) {
        unreadable_.note(path, record, value);
    }
    unreadable_.tellNew();
}

void ConnectionList::filter() {
    shownRaw_ = FilterRows(year_, window_.periodBox.text(), platform_.clock.now());
    std::vector<ListControl::Row> shown;
    shown.reserve(shownRaw_.size());
    for (const ConnectionRow& row : shownRaw_) {
        shown.push_back(DisplayRow(row));
    }
    // New rows are a change of the table: the totals follow through the selection action.
    window_.connectionTable.setRows(std::move(shown));
}

void ConnectionList::totals() {
    RowTotals totals;
    const std::size_t count = std::min(window_.connectionTable.rows().size(), shownRaw_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (window_.connectionTable.selected(i)) {
            AddToTotals(totals, shownRaw_[i]);
        }
    }
    const std::array<std::string, 6> texts = StatusPanelTexts(totals);
    const std::array<TextField*, 6> panels = {&window_.countPanel,     &window_.durationPanel,
                                              &window_.telephonePanel, &window_.providerPanel,
                                              &window_.totalPanel,     &window_.unitsPanel};
    for (std::size_t i = 0; i < panels.size(); ++i) {
        panels[i]->setText(texts[i]);
    }
}

void ConnectionList::print() {
    RowTotals totals;
    for (const ConnectionRow& row : shownRaw_) {
        AddToTotals(totals, row);
    }
    const std::string period = PeriodText(window_.periodBox.text(), platform_.clock.now());
    platform_.printing.print(BuildPrintJob(window_.connectionTable.rows(), totals, period));
}

void ConnectionList::copy() {
    std::vector<ListControl::Row> selected;
    const auto& rows = window_.connectionTable.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (window_.connectionTable.selected(i)) {
            selected.push_back(rows[i]);
        }
    }
    platform_.clipboard.setText(CopyText(selected));
    focusTable();
}

void ConnectionList::selectAll() {
    window_.connectionTable.selectAll();
    focusTable();
}

void ConnectionList::focusTable() {
    if (window_.onFocusTable) {
        window_.onFocusTable();
    }
}

}  // namespace ruvo
