#include "domain/held_databases.h"

#include <optional>
#include <utility>

namespace ruvo {

HeldDatabases::Held* HeldDatabases::unchanged(const std::string& path,
                                              std::optional<FileStamp>& stamp) {
    const auto found = files_.find(path);
    if (found != files_.end() && look_ != 0 && found->second.look == look_) {
        return &found->second;
    }
    stamp = StampOf(path);
    if (found == files_.end() || !stamp || !found->second.stamp.settled ||
        !found->second.stamp.sameState(*stamp)) {
        return nullptr;
    }
    found->second.look = look_;
    return &found->second;
}

HeldDatabases::Held& HeldDatabases::current(const std::string& path) {
    std::optional<FileStamp> stamp;
    if (Held* held = unchanged(path, stamp)) {
        return *held;
    }
    files_.erase(path);
    Held fresh;
    fresh.look = look_;
    if (stamp) {
        fresh.stamp = *stamp;
    }
    // The stamp is taken before the bytes are read: a change in between makes the next look
    // read again.
    if (FileExists(path)) {
        fresh.bytes = ReadWholeFile(path);
        fresh.present = true;
    }
    return files_.insert_or_assign(path, std::move(fresh)).first->second;
}

bool HeldDatabases::isReadableFile(const std::string& path) {
    std::optional<FileStamp> stamp;
    const Held* held = unchanged(path, stamp);
    return (held != nullptr && held->present) || FileExists(path);
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
    // Whatever was held goes: the append reads the file as it is now and tells what it holds after.
    files_.erase(path);
    AppendOutcome outcome = AppendRecord(path, record);
    Held held;
    held.present = true;
    held.look = look_;
    held.bytes = std::move(outcome.fileBytes);
    outcome.fileBytes.clear();
    const std::optional<FileStamp> after = StampOf(path);
    if (!after || after->size != static_cast<std::int64_t>(held.bytes.size())) {
        return outcome;
    }
    // The program's own write: what the file holds is known, whatever the file system's tick, so
    // the next look need not read it again however soon it comes.
    held.stamp = *after;
    held.stamp.settled = true;
    files_.insert_or_assign(path, std::move(held));
    return outcome;
}

}  // namespace ruvo
