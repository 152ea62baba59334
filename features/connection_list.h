// The behaviour of the connection list window (ConnectionList), on the rows of connection_rows.h.
//
// The window keeps three row lists: the year list (every record, raw values), the shown list
// (the rows of the period, display texts; the window's table) and the shown raw list (the same
// rows, raw values). The two raw lists are plain data here; the shown list is the table.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "domain/connection_record.h"
#include "domain/unreadable_records.h"
#include "features/connection_rows.h"
#include "platform/platform.h"
#include "window_models/connection_list_window.h"
#include "window_models/window_model.h"

namespace ruvo {

// The behaviour of the connection list window.
class ConnectionList {
public:
    // `databasePath` gives the current year's database file.
    ConnectionList(ConnectionListWindow& window, platform::Platform& platform,
                   UnreadableRecords& unreadable, std::function<std::string()> databasePath);
    ConnectionList(const ConnectionList&) = delete;
    ConnectionList& operator=(const ConnectionList&) = delete;

    // On every activation: the period goes back to "Gesamtes Jahr" and the year list is read
    // from the file again. A missing file leaves the lists as they are; a file that cannot be
    // read gives the default beep; a record with a bad number is left out and told once.
    void activate();
    // Shows the rows of the period in the period box.
    void filter();
    // Sets the status bar to the totals of the selected rows.
    void totals();
    // Prints every shown row with the totals of all of them. With no printer set up the user is
    // offered to print into a PDF file, chosen in a file dialog. A job that went into a PDF file
    // is told with the file's path, and every job that could not be printed with the reason.
    void print();
    // Puts the selected rows on the clipboard.
    void copy();
    void selectAll();
    // Writes the selected rows, or every shown row when none is selected, to a CSV file the
    // user chooses.
    void Export();

    const std::vector<ConnectionRow>& yearRows() const { return year_; }
    const std::vector<ConnectionRow>& shownRows() const { return shownRaw_; }

    // The name the PDF file dialog proposes.
    static constexpr const char* kPdfFileSuggestion = "Verbindungen.pdf";

private:
    void focusTable();
    void TellPrintOutcome(const platform::PrintOutcome& outcome);

    ConnectionListWindow& window_;
    platform::Platform& platform_;
    UnreadableRecords& unreadable_;
    std::function<std::string()> databasePath_;
    std::vector<ConnectionRow> year_;
    std::vector<ConnectionRow> shownRaw_;
};

}  // namespace ruvo
