#include "features/connection_list.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>
#include <variant>

#include "base/file_error.h"
#include "base/file_error_text.h"
#include "base/file_io.h"
#include "base/messages.h"
#include "base/money.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "features/csv_export.h"
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
    window_.exportieren.onClick = [this] { Export(); };
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
    const platform::PrintJob job = BuildPrintJob(window_.connectionTable.rows(), totals, period);
    platform::PrintOutcome outcome = platform_.printing.print(job);
    if (outcome.result == platform::PrintOutcome::Result::NoPrinter) {
        if (!AskYesNo(platform_.windowSystem,
                      "Es ist kein Drucker eingerichtet.\n\nMöchten Sie die Verbindungsliste "
                      "in eine PDF-Datei drucken?")) {
            return;
        }
        const std::optional<std::string> file =
            platform_.printing.choosePdfFile(kPdfFileSuggestion);
        if (!file) {
            return;
        }
        outcome = platform_.printing.printToPdf(job, *file);
    }
    TellPrintOutcome(outcome);
}

void ConnectionList::TellPrintOutcome(const platform::PrintOutcome& outcome) {
    using Result = platform::PrintOutcome::Result;
    const std::string file = "'" + outcome.pdfFile + "'";
    if (outcome.result == Result::Printed) {
        // A job on a printer needs no word; where a PDF file went is worth telling.
        if (!outcome.pdfFile.empty()) {
            Inform(platform_.windowSystem,
                   "Die Verbindungsliste wurde in die PDF-Datei " + file + " gedruckt.");
        }
        return;
    }
    std::string text = "Die Verbindungsliste konnte nicht gedruckt werden";
    if (!outcome.pdfFile.empty()) {
        const FileError error(FileError::Kind::Write, "", "unbekannter Fehler",
                              outcome.systemError);
        text += ": Die PDF-Datei " + file + " kann nicht geschrieben werden (" +
                FileErrorReason(error) + ").";
    } else if (outcome.result == Result::NoPrinter) {
        text += ": Es ist kein Drucker eingerichtet.";
    } else {
        text += ". " + outcome.reason;
    }
    Inform(platform_.windowSystem, text, platform::MessageIcon::Warning);
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

void ConnectionList::Export() {
    if (!window_.onChooseExportFile) {
        return;
    }
    std::vector<ConnectionRow> rows;
    const std::size_t count = std::min(window_.connectionTable.rows().size(), shownRaw_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (window_.connectionTable.selected(i)) {
            rows.push_back(shownRaw_[i]);
        }
    }
    if (rows.empty()) {
        rows = shownRaw_;
    }
    const platform::LocalDateTime today = platform_.clock.now();
    const std::string bytes = ConnectionsCsv(rows, today.year / 100 * 100);
    const auto path = window_.onChooseExportFile(ExportFileName(window_.periodBox.text(), today));
    if (path) {
        ExportToFile(*path, bytes, platform_.windowSystem);
    }
    focusTable();
}

void ConnectionList::focusTable() {
    if (window_.onFocusTable) {
        window_.onFocusTable();
    }
}

}  // namespace ruvo
