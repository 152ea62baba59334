#include "domain/held_databases.h"

#include <optional>
#include <utility>

#include "base/file_error.h"

namespace ruvo {
namespace {

HeldDatabases::Records ReadRecords(const std::string& path) {
    HeldDatabases::Records records;
    ReadDatabaseFile(path, [&](const ConnectionRecord& record) {
        records.push_back(record);
        return true;
    });
    return records;
}

// The record as a reader reads it back from the file: empty fields hold their defaults.
std::optional<ConnectionRecord> AsStored(const ConnectionRecord& record) {
    std::optional<ConnectionRecord> stored;
    std::string bytes(kDatabaseHeader);
    bytes.append(SerializeRecord(record));
    ScanDatabase(bytes, [&](const ConnectionRecord& read) {
        stored = read;
        return false;
    });
    return stored;
}

}  // namespace

HeldDatabases::Held& HeldDatabases::Current(const std::string& path) {
    const std::optional<FileStamp> stamp = StampOf(path);
    const auto found = files_.find(path);
    if (found != files_.end() && stamp && found->second.stamp.settled &&
        found->second.stamp.sameState(*stamp)) {
        return found->second;
    }
    if (found != files_.end()) {
        files_.erase(found);
    }
    Held fresh;
    if (stamp) {
        fresh.stamp = *stamp;
    }
    // The stamp is taken before the bytes are read: a change in between makes the next look
    // read again.
    fresh.records = ReadRecords(path);
    return files_.insert_or_assign(path, std::move(fresh)).first->second;
}

const HeldDatabases::Records& HeldDatabases::Read(const std::string& path) {
    return Current(path).records;
}

std::int64_t HeldDatabases::FigureOf(const std::string& path, const std::string& key,
                                     const Figure& compute) {
    Held& held = Current(path);
    const auto found = held.figures.find(key);
    if (found != held.figures.end()) {
        return found->second;
    }
    const std::int64_t value = compute(held.records);
    held.figures.emplace(key, value);
    return value;
}

AppendOutcome HeldDatabases::Append(const std::string& path, const ConnectionRecord& record) {
    const std::optional<FileStamp> before = StampOf(path);
    const auto found = files_.find(path);
    const bool wasHeld = found != files_.end() && before && found->second.stamp.settled &&
                         found->second.stamp.sameState(*before);
    if (found != files_.end() && !wasHeld) {
        files_.erase(found);
    }
    AppendOutcome outcome;
    try {
        outcome = AppendRecord(path, record);
    } catch (const FileError&) {
        files_.erase(path);
        throw;
    }
    const std::optional<FileStamp> after = StampOf(path);
    const std::optional<ConnectionRecord> stored = AsStored(record);
    if (!wasHeld || !after || !stored || !outcome.movedCutRecordTo.empty()) {
        files_.erase(path);
        return outcome;
    }
    Held& held = files_.at(path);
    held.records.push_back(*stored);
    held.figures.clear();
    // The program's own write: what the file holds is known, whatever the file system's tick.
    held.stamp = *after;
    held.stamp.settled = true;
    return outcome;
}

}  // namespace ruvo
