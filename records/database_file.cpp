#include "records/database_file.h"

#include "records/file_error.h"
#include "records/file_io.h"
#include "records/line_reader.h"
#include "records/line_writer.h"
#include "records/text_codec.h"

namespace ruvo {
namespace {

// A line that reached the end of the file was cut short, or is missing.
bool IsWhole(const std::optional<FileLine>& line) {
    return line && line->ending != LineEnding::EndOfData;
}

}  // namespace

std::string DatabaseFileName(std::string_view twoDigitYear) {
    std::string name = "RVDaten";
    name.append(twoDigitYear);
    name.append(".db");
    return name;
}

void CreateDatabase(const std::string& path) {
    CreateNewFile(path, kDatabaseHeader);
}

std::string SerializeRecord(const ConnectionRecord& record) {
    std::string bytes;
    bytes.reserve(96);
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        const std::string& text = record.*kRecordFields[i];
        bytes.append(kFileLineEnd);
        AppendLineText(bytes, text.empty() ? kRecordFieldDefaults[i] : std::string_view(text));
    }
    bytes.append(kFileLineEnd);
    bytes.append(kFileLineEnd);
    return bytes;
}

DatabaseScan ScanDatabase(std::string_view bytes, const RecordVisitor& visit) {
    DatabaseScan scan;
    LineReader lines(bytes);
    const auto header = lines.next();
    if (!header) {
        scan.appendAt = 0;
        return scan;
    }
    if (header->ending != LineEnding::Full) {
        // The next record's leading line end ends the header line.
        scan.appendAt = header->text.size();
    }
    if (header->ending == LineEnding::EndOfData) {
        return scan;
    }

    ConnectionRecord record;
    for (;;) {
        for (auto field : kRecordFields) {
            const auto line = lines.next();
            if (!IsWhole(line)) {
                return scan;
            }
            // Fields are nearly always ASCII: taken as they stand, without a second look.
            std::string& value = record.*field;
            if (line->ascii) {
                value.assign(line->text);
            } else {
                value.clear();
                AppendCp1252AsUtf8(value, line->text);
            }
        }
        // The first empty line must be there too: the next record's leading line end only
        // completes the second.
        const auto firstEmpty = lines.next();
        if (!IsWhole(firstEmpty)) {
            return scan;
        }
        ++scan.records;
        scan.appendAt = firstEmpty->end;
        if (!visit(record)) {
            scan.stopped = true;
            return scan;
        }
        const auto secondEmpty = lines.next();
        if (!IsWhole(secondEmpty)) {
            return scan;
        }
    }
}

DatabaseScan ReadDatabaseFile(const std::string& path, const RecordVisitor& visit) {
    if (!FileExists(path)) {
        return {};
    }
    const std::string bytes = ReadWholeFile(path);
    return ScanDatabase(bytes, visit);
}

std::optional<AppendPlan> PlanAppend(std::string_view existing) {
    if (existing.empty()) {
        return AppendPlan{0, true};
    }
    const DatabaseScan scan = ScanDatabase(existing, [](const ConnectionRecord&) { return true; });
    if (!scan.appendAt) {
        return std::nullopt;
    }
    return AppendPlan{*scan.appendAt, false};
}

void AppendRecord(const std::string& path, const ConnectionRecord& record) {
    std::string recordBytes;
    try {
        recordBytes = SerializeRecord(record);
    } catch (const FileError& error) {
        throw FileError(error.kind(), path, "record with a character Windows-1252 cannot hold");
    }
    CreateDatabase(path);
    const std::string existing = ReadWholeFile(path);
    const auto plan = PlanAppend(existing);
    if (!plan) {
        throw FileError(FileError::Kind::Damaged, path,
                        "first line too long to add a record in step");
    }
    if (plan->keep == existing.size()) {
        if (plan->writeHeader) {
            recordBytes.insert(0, kDatabaseHeader);
        }
        AppendToFile(path, recordBytes);
        return;
    }
    std::string repaired(existing.substr(0, plan->keep));
    repaired.append(recordBytes);
    WriteFileAtomically(path, repaired);
}

}  // namespace ruvo
