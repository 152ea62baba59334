// Printing and copying the connection list. Both use the same fixed-width row line, so that
// printed and pasted columns align under a monospaced font: under the heading
// "Datum      Start   Ende    Dauer      Telefon     Provider    Gesamt      Einh.   Tarif" the
// start stands at character 12, the end at 20, the duration at 28, the charges at 39, 51 and
// 63, the units at 75 and the tariff at 83. Longer values are not cut and push the rest right.
#pragma once

#include <string>
#include <vector>

#include "features/connection_rows.h"
#include "platform/platform.h"
#include "window_models/window_model.h"

namespace ruvo {

inline constexpr const char* kPrintJobTitle = "Quelmar Ruvometer - Verbindungen";
inline constexpr const char* kColumnHeading =
    "Datum      Start   Ende    Dauer      Telefon     Provider    Gesamt      Einh.   Tarif";
inline constexpr int kRowsPerPage = 50;

// The row line of a shown row (display texts in column order).
std::string RowLine(const ListControl::Row& shown);

// The period as the page header names it, from the period box's text and today, e.g.
// "Aktuelle Woche (05.12.99-11.12.99)" or "Gesamtes Jahr ('99)".
std::string PeriodText(const std::string& periodBoxText, const platform::LocalDateTime& today);

// "    2 Verbindungen:   " right-aligned to 27 characters, then the duration, the three
// charges and the units under their columns.
std::string TotalsLine(const RowTotals& totals);

// The print job of the shown rows: 50 rows a page under a header with the period and the page
// number, and after the last row the totals of all shown rows. Positions are in the printer's
// device units.
platform::PrintJob BuildPrintJob(const std::vector<ListControl::Row>& shown,
                                 const RowTotals& totals, const std::string& periodText);

// The clipboard text of the rows: each row line followed by " \r\n".
std::string CopyText(const std::vector<ListControl::Row>& rows);

}  // namespace ruvo
