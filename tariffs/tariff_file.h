// The tariff file "Tarif.dat": the header line "fee,free minutes,holiday flag," and then 13 lines
// per zone: the name, and Begin, End, PfPerUnit, SecPerUnit for Werktag, Wochenende and Feiertag.
// The last line of the file has no line end; a file without zones is the header line with its
// line end.
#pragma once

#include <string>
#include <string_view>

#include "tariffs/tariff_tables.h"

namespace ruvo {

enum class TariffFileProblem {
    None,
    MissingHeader,  // the file is empty
    ZoneCutShort,   // the file ends before a zone's 12 values
};

struct TariffFileContent {
    TariffTables tables;
    TariffFileProblem problem = TariffFileProblem::None;
    std::string cutZone;  // the name of the zone cut short
};

// Reads the header and the zones. The zone list ends at a name line "0" or at the end of the
// file; a file that ends with a line end has no further zone. A zone named "END" has no values
// in the file: it is skipped, taken neither into the zone list nor into the tables, so that
// every zone has its three rows; it is therefore gone after the next save. A zone cut short by
// the end of the file is left out and reported; the zones before it stay. Values are not checked
// (see ValidateTariffs). Never fails otherwise.
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
