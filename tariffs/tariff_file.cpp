#include "tariffs/tariff_file.h"

#include <array>
#include <optional>

#include "records/file_error.h"
#include "records/file_io.h"
#include "records/line_reader.h"
#include "records/line_writer.h"
#include "records/text_codec.h"

namespace ruvo {
namespace {

constexpr std::string_view kEndOfZones = "0";
constexpr std::string_view kSkippedZone = "END";

// Header fields are separated by commas; every character after the second comma, further
// commas excepted, belongs to the holiday flag.
void ParseHeader(std::string_view line, TariffTables& tables) {
    std::array<std::string, 3> fields;
    std::size_t field = 0;
    for (const char c : line) {
        if (c == ',') {
            if (field < 2) {
                ++field;
            }
        } else {
            fields[field].push_back(c);
        }
    }
    tables.providerFee = Cp1252ToUtf8(fields[0]);
    tables.freeMinutes = Cp1252ToUtf8(fields[1]);
    tables.feiertageOn = fields[2] != "0";
}

// The four values of one day class, or nothing when the file ends first.
std::optional<TariffRow> ReadRow(LineReader& lines, const std::string& name) {
    TariffRow row;
    row.name = name;
    for (std::string* value : {&row.begin, &row.end, &row.pfPerUnit, &row.secPerUnit}) {
        const auto line = lines.next();
        if (!line) {
            return std::nullopt;
        }
        *value = Cp1252ToUtf8(line->text);
    }
    return row;
}

void AppendLine(std::string& out, std::string_view text) {
    AppendLineText(out, text);
    out.append(kFileLineEnd);
}

}  // namespace

TariffFileContent ParseTariffFile(std::string_view bytes) {
    TariffFileContent content;
    LineReader lines(bytes);
    const auto header = lines.next();
    if (!header) {
        content.problem = TariffFileProblem::MissingHeader;
        return content;
    }
    ParseHeader(header->text, content.tables);

    while (const auto nameLine = lines.next()) {
        if (nameLine->text == kEndOfZones) {
            break;
        }
        if (nameLine->text == kSkippedZone) {
            continue;
        }
        const std::string name = Cp1252ToUtf8(nameLine->text);
        std::array<TariffRow, 3> rows;
        for (TariffRow& row : rows) {
            auto read = ReadRow(lines, name);
            if (!read) {
                content.problem = TariffFileProblem::ZoneCutShort;
                content.cutZone = name;
                return content;
            }
            row = std::move(*read);
        }
        content.tables.zoneList.push_back(name);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            content.tables.tables[i].push_back(std::move(rows[i]));
        }
    }
    return content;
}

std::string SerializeTariffs(const TariffTables& tables) {
    std::string out;
    AppendLineText(out, tables.providerFee);
    out.push_back(',');
    AppendLineText(out, tables.freeMinutes);
    out.append(tables.feiertageOn ? ",1," : ",0,");
    out.append(kFileLineEnd);

    const TariffRow neverApplies{"", "0000", "0000", "0", "0"};
    bool lastValueEmpty = false;
    for (std::size_t zone = 0; zone < tables.zoneList.size(); ++zone) {
        AppendLine(out, tables.zoneList[zone]);
        for (const TariffTable& table : tables.tables) {
            const TariffRow& row = zone < table.size() ? table[zone] : neverApplies;
            for (const std::string* value :
                 {&row.begin, &row.end, &row.pfPerUnit, &row.secPerUnit}) {
                AppendLine(out, *value);
                lastValueEmpty = value->empty();
            }
        }
    }
    // The last value of the last zone has no line end; an empty one keeps it, as an empty last
    // line without a line end would not be there at all.
    if (!tables.zoneList.empty() && !lastValueEmpty) {
        out.resize(out.size() - kFileLineEnd.size());
    }
    return out;
}

TariffFileContent ReadTariffFile(const std::string& path) {
    return ParseTariffFile(ReadWholeFile(path));
}

void SaveTariffFile(const std::string& path, const TariffTables& tables) {
    std::string bytes;
    try {
        bytes = SerializeTariffs(tables);
    } catch (const FileError& error) {
        throw FileError(error.kind(), path, "tariff with a character Windows-1252 cannot hold");
    }
    WriteFileAtomically(path, bytes);
}

}  // namespace ruvo
