// The tariff file "Tarif.dat": the header line "fee,free minutes,holiday flag," and then 13 lines
// per zone: the name, and Begin, End, PfPerUnit, SecPerUnit for Werktag, Wochenende and Feiertag.
// The last line of the file has no line end; a file without zones is the header line with its
// line end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "domain/tariff_tables.h"

namespace ruvo {

// Why the tables do not hold all of a file. Each but MissingHeader means that saving the tables
// over the file would lose some of its bytes.
enum class TariffFileProblem {
    None,
    MissingHeader,  // the file is empty
    ZoneCutShort,   // the file ends before a zone's 12 values
    OtherEncoding,  // it begins with a byte order mark of UTF-8 or UTF-16
    NotText,        // it holds a zero byte: a binary file, or text in UTF-16 or UTF-32
    LineTooLong,    // a line longer than a line can be, read in pieces
    TextAfterEnd,   // lines follow the name line "0" that ends the zone list
};

struct TariffFileContent {
    TariffTables tables;
    TariffFileProblem problem = TariffFileProblem::None;  // the first one found
    std::size_t problemLine = 0;  // the line of the file, counted from 1, where it was found
    std::string cutZone;          // the name of the zone cut short
};

// Reads the header and the zones. The zone list ends at a name line "0" or at the end of the
// file; a file that ends with a line end has no further zone. A zone named "END" has no values
// in the file: it is skipped, taken neither into the zone list nor into the tables, so that
// every zone has its three rows; it is therefore gone after the next save. A zone cut short by
// the end of the file is left out and reported; the zones before it stay. A file in another
// encoding, a binary file, an overlong line and lines after the "0" are reported too, and read as
// far as the rules above take them. Values are not checked (see ValidateTariffs). Never fails.
TariffFileContent ParseTariffFile(std::string_view bytes);

// The file's bytes for the tables (Windows-1252, CR LF). The last line has no line end unless it
// is empty (which only a value the editors reset can be). A zone that lacks a row in some table
// gets 0000, 0000, 0, 0 there. Zone names "0" and "END" and values with a line end do not read
// back as they were written; the editors do not make them. Throws FileError (Unencodable).
std::string SerializeTariffs(const TariffTables& tables);

// Reads and parses the file. Throws FileError when it cannot be read.
TariffFileContent ReadTariffFile(const std::string& path);

// Replaces the file with the tables, so that a crash leaves the old or the new file whole.
// Throws FileError.
void SaveTariffFile(const std::string& path, const TariffTables& tables);

}  // namespace ruvo
