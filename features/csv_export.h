// The connection list's rows as a CSV file that a German spreadsheet opens as it stands: fields
// separated by semicolons, Windows-1252 text with CR LF line ends, money as decimal numbers with
// a comma, dates with four-digit years, durations in seconds and as h:mm:ss.
#pragma once

#include <string>
#include <vector>

#include "features/connection_rows.h"
#include "platform/platform.h"

namespace ruvo {

// The file's bytes: a heading line and one line per row, in their order. `century` places the
// rows' two-digit years (1900: "99" is 1999). Throws FileError (Unencodable) for a text that
// Windows-1252 cannot hold, which the database cannot hold either.
std::string ConnectionsCsv(const std::vector<ConnectionRow>& rows, int century);

// The name offered for the file, from the period box's text and today:
// "Verbindungen-Aktueller-Monat-12.99.csv".
std::string ExportFileName(const std::string& periodBoxText, const platform::LocalDateTime& today);

// Writes the bytes to the path. An existing file is replaced only when the user says so, and
// then through a temporary file, so that a failed write leaves it as it was; a failure is told
// with its reason. True when the file was written.
bool ExportToFile(const std::string& path, const std::string& bytes,
                  platform::WindowSystem& windows);

}  // namespace ruvo
