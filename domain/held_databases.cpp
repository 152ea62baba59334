#include "domain/held_databases.h"

#include <optional>
#include <utility>

#include "base/file_error.h"

namespace ruvo {

HeldDatabases::Held& HeldDatabases::current(const std::string& path) {
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
    if (FileExists(path)) {
        fresh.bytes = ReadWholeFile(path);
    }
    return files_.insert_or_assign(path, std::move(fresh)).first->second;
}

const std::string& HeldDatabases::read(const std::string& path) {
    return current(path).bytes;
}

std::int64_t HeldDatabases::figureOf(const std::string& path, const std::string& key,
                                     const Figure& compute) {
    Held& held = current(path);
    const auto found = held.figures.find(key);
    if (found != held.figures.end()) {
        return found->second;
    }
    const std::int64_t value = compute(held.bytes);
    held.figures.emplace(key, value);
    return value;
}

AppendOutcome HeldDatabases::append(const std::string& path, const ConnectionRecord& record) {
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
    if (!wasHeld) {
        return outcome;
    }
    // The file held these bytes when the record was added: it was planned on them as on the
    // held ones.
    Held& held = found->second;
    const AppendPlan plan = PlanAppend(held.bytes);
    std::string bytes = held.bytes.substr(0, plan.keep);
    bytes.append(AppendedBytes(plan, record));
    const std::optional<FileStamp> after = StampOf(path);
    if (!after || after->size != static_cast<std::int64_t>(bytes.size())) {
        files_.erase(found);
        return outcome;
    }
    held.bytes = std::move(bytes);
    held.figures.clear();
    // The program's own write: what the file holds is known, whatever the file system's tick.
    held.stamp = *after;
    held.stamp.settled = true;
    return outcome;
}

}  // namespace ruvo
