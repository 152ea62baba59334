#include "domain/database_file.h"

#include <utility>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/line_reader.h"
#include "base/line_writer.h"
#include "base/text_codec.h"

namespace ruvo {
namespace {

constexpr std::size_t kLinesPerRecord = 12;  // ten fields and two empty lines
constexpr std::size_t kMaxSideFiles = 1000;

// One pass over the file: the records, and how the bytes after the last one look.
struct DatabaseWalk {
    DatabaseScan scan;
    bool empty = false;     // no bytes at all
    bool inHeader = false;  // the file ends in its header line, before any line end
    // The lines after the last whole group of twelve: where they begin, how many there are, and
    // whether the last of them has no line end. No lines: the file ends where a record begins.
    std::size_t tailStart = 0;
    std::size_t tailLines = 0;
    bool tailOpen = false;
};

void TakeField(std::string& value, const FileLine& line) {
    // Fields are nearly always ASCII: taken as they stand, without a second look.
    if (line.ascii) {
        value.assign(line.text);
    } else {
        value.clear();
        AppendCp1252AsUtf8(value, line.text);
    }
}

DatabaseWalk WalkDatabase(std::string_view bytes, const RecordVisitor* visit) {
    DatabaseWalk walk;
    LineReader lines(bytes);
    const auto header = lines.nextWhole();
    if (!header) {
        walk.empty = true;
        return walk;
    }
    walk.scan.end = header->text.size();
    if (header->ending == LineEnding::EndOfData) {
        walk.inHeader = true;
        walk.tailStart = bytes.size();
        return walk;
    }

    ConnectionRecord record;
    for (;;) {
        const std::size_t groupStart = lines.offset();
        std::size_t count = 0;
        bool open = false;
        while (count < kLinesPerRecord && !open) {
            const auto line = lines.next();
            if (!line) {
                break;
            }
            if (count < kRecordFieldCount) {
                TakeField(record.*kRecordFields[count], *line);
            }
            ++count;
            open = line->ending == LineEnding::EndOfData;
            if (count == kRecordFieldCount || count == kRecordFieldCount + 1) {
                walk.scan.end = line->end;
            }
        }
        if (count >= kRecordFieldCount) {
            ++walk.scan.records;
            if (visit != nullptr && !(*visit)(record)) {
                walk.scan.stopped = true;
                return walk;
            }
        }
        if (count < kLinesPerRecord || open) {
            walk.tailStart = groupStart;
            walk.tailLines = count;
            walk.tailOpen = open;
            return walk;
        }
    }
}

// Keeps the bytes in a new side file beside the database and gives its path; a side file that
// holds exactly these bytes already (an earlier attempt that did not get further) is used again.
std::string KeepInSideFile(const std::string& databasePath, std::string_view bytes) {
    for (std::size_t n = 1; n <= kMaxSideFiles; ++n) {
        std::string side = databasePath + ".Rest-" + std::to_string(n);
        if (FileExists(side)) {
            if (ReadWholeFile(side) == bytes) {
                return side;
            }
            continue;
        }
        if (CreateNewFile(side, bytes)) {
            return side;
        }
    }
    throw FileError(FileError::Kind::Write, databasePath, "no free name for a side file");
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
    return WalkDatabase(bytes, &visit).scan;
}

DatabaseScan ReadDatabaseFile(const std::string& path, const RecordVisitor& visit) {
    if (!FileExists(path)) {
        return {};
    }
    const std::string bytes = ReadWholeFile(path);
    return ScanDatabase(bytes, visit);
}

AppendPlan PlanAppend(std::string_view existing) {
    AppendPlan plan;
    plan.keep = existing.size();
    const DatabaseWalk walk = WalkDatabase(existing, nullptr);
    if (walk.empty) {
        plan.writeHeader = true;
    } else if (walk.inHeader) {
        plan.lineEndsBefore = 1;
    } else if (walk.tailLines == 0) {
        plan.lineEndsBefore = 0;
    } else if (walk.tailLines < kRecordFieldCount) {
        // After the cut record is moved aside the file ends with a whole group of lines.
        plan.keep = walk.tailStart;
        plan.lineEndsBefore = 0;
    } else {
        // Line ends to end the last line and the empty lines up to the twelfth.
        const std::size_t endedLines = walk.tailLines - (walk.tailOpen ? 1 : 0);
        plan.lineEndsBefore = kLinesPerRecord - endedLines;
    }
    return plan;
}

std::string AppendedBytes(const AppendPlan& plan, const ConnectionRecord& record) {
    std::string bytes;
    if (plan.writeHeader) {
        bytes.append(kDatabaseHeader);
    }
    for (std::size_t i = 1; i < plan.lineEndsBefore; ++i) {
        bytes.append(kFileLineEnd);
    }
    const std::string recordBytes = SerializeRecord(record);
    const std::size_t skip = plan.lineEndsBefore == 0 ? kFileLineEnd.size() : 0;
    bytes.append(std::string_view(recordBytes).substr(skip));
    return bytes;
}

AppendOutcome AppendRecord(const std::string& path, const ConnectionRecord& record) {
    try {
        SerializeRecord(record);
    } catch (const FileError& error) {
        throw FileError(error.kind(), path, "record with a character Windows-1252 cannot hold");
    }
    CreateDatabase(path);
    const std::string existing = ReadWholeFile(path);
    const AppendPlan plan = PlanAppend(existing);
    const std::string added = AppendedBytes(plan, record);
    AppendOutcome outcome;
    if (plan.keep == existing.size()) {
        AppendToFile(path, added);
        outcome.fileBytes = existing + added;
        return outcome;
    }
    outcome.movedCutRecordTo = KeepInSideFile(path, std::string_view(existing).substr(plan.keep));
    std::string replaced = existing.substr(0, plan.keep);
    replaced.append(added);
    WriteFileAtomically(path, replaced);
    outcome.fileBytes = std::move(replaced);
    return outcome;
}

}  // namespace ruvo
