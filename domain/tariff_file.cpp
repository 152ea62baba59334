#include "domain/tariff_file.h"

#include <array>
#include <optional>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/line_reader.h"
#include "base/line_writer.h"
#include "base/text_codec.h"

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
    tables.holidayTariffsOn = fields[2] != "0";
}

// The file's lines, counted, with the first problem found in them kept.
class CountedLines {
public:
    CountedLines(std::string_view bytes, TariffFileContent& content)
        : lines_(bytes), content_(content) {}

    std::optional<FileLine> next() {
        auto line = lines_.next();
        if (line) {
            ++number_;
            if (line->ending == LineEnding::Full) {
                note(TariffFileProblem::LineTooLong);
            }
        }
        return line;
    }
    void note(TariffFileProblem problem) { note(problem, number_); }
    void note(TariffFileProblem problem, std::size_t line) {
        if (content_.problem == TariffFileProblem::None) {
            content_.problem = problem;
            content_.problemLine = line;
        }
    }
    std::size_t number() const { return number_; }
    std::size_t offset() const { return lines_.offset(); }

private:
    LineReader lines_;
    TariffFileContent& content_;
    std::size_t number_ = 0;
};

// The four values of one day class, or nothing when the file ends first.
std::optional<TariffRow> ReadRow(CountedLines& lines, const std::string& name) {
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

bool StartsWithByteOrderMark(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
           bytes.starts_with("\xFE\xFF");
}

// The line, counted from 1, that holds the byte at `offset`.
std::size_t LineAt(std::string_view bytes, std::size_t offset) {
    std::size_t line = 1;
    LineReader lines(bytes);
    while (lines.next() && lines.offset() <= offset) {
        ++line;
    }
    return line;
}

bool OnlyBlank(std::string_view bytes) {
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void AppendLine(std::string& out, std::string_view text) {
    AppendLineText(out, text);
    out.append(kFileLineEnd);
}

}  // namespace

TariffFileContent ParseTariffFile(std::string_view bytes) {
    TariffFileContent content;
    CountedLines lines(bytes, content);
    if (StartsWithByteOrderMark(bytes)) {
        lines.note(TariffFileProblem::OtherEncoding, 1);
    }
    if (const std::size_t zero = bytes.find('\0'); zero != std::string_view::npos) {
        lines.note(TariffFileProblem::NotText, LineAt(bytes, zero));
    }
    const auto header = lines.next();
    if (!header) {
        content.problem = TariffFileProblem::MissingHeader;
        return content;
    }
    ParseHeader(header->text, content.tables);

    while (const auto nameLine = lines.next()) {
        if (nameLine->text == kEndOfZones) {
            if (!OnlyBlank(bytes.substr(lines.offset()))) {
                lines.note(TariffFileProblem::TextAfterEnd, lines.number() + 1);
            }
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
                lines.note(TariffFileProblem::ZoneCutShort);
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
    out.append(tables.holidayTariffsOn ? ",1," : ",0,");
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
