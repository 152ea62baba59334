// Records a reader had to skip: a field that must be a number is none (a hand-edited file).
// Readers count every other record; the user is told once about each skipped one, by its start,
// after the reading is done.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "domain/connection_record.h"
#include "platform/platform.h"

namespace ruvo {

class UnreadableRecords {
public:
    explicit UnreadableRecords(platform::WindowSystem& windows) : windows_(windows) {}

    // A record of the database at `path` whose field holding `value` is not a number.
    void note(const std::string& path, const ConnectionRecord& record, const std::string& value);
    // Tells the user about the records noted since the last call that were not told before.
    void tellNew();

private:
    platform::WindowSystem& windows_;
    std::set<std::string> told_;
    std::vector<std::string> toTell_;
};

}  // namespace ruvo
