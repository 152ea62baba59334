// The database files as they were last read, kept so that a file is read again only when it is
// no longer the one that was read.
//
// Each look at a file compares its stamp (file, size, times; base/file_io.h) with the one taken
// when it was read: a file edited, replaced, truncated or deleted behind the program's back is
// read afresh, one that is unchanged costs one `stat`. A record the program appends itself
// through Append leaves the file held as the append left it, instead. Figures the
// readers work out from the records (a sum per period) are kept with the bytes and go whenever
// these change, so that asking the same question of an unchanged file costs no walk over its
// records.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "domain/database_file.h"

namespace ruvo {

class HeldDatabases {
public:
    // Works a figure out from a database file's bytes (ScanDatabase walks its records).
    using Figure = std::function<std::int64_t(std::string_view bytes)>;

    // While one lives, a file is looked at once: later questions take it as it was then, so the
    // figures worked out meanwhile come from the same bytes and cost one `stat` together. Open
    // one only around work that does not wait for the user (no message box), so that "then"
    // stays "now". One opened inside another looks afresh until it ends.
    class OneLook {
    public:
        explicit OneLook(HeldDatabases& databases)
            : databases_(databases), outer_(databases.look_) {
            databases_.look_ = ++databases_.looksOpened_;
        }
        ~OneLook() { databases_.look_ = outer_; }
        OneLook(const OneLook&) = delete;
        OneLook& operator=(const OneLook&) = delete;

    private:
        HeldDatabases& databases_;
        std::uint64_t outer_;
    };

    // The bytes of the file as it is now; none for a missing file or one that cannot be opened
    // (as ReadDatabaseFile takes them). Throws FileError when the file exists but cannot be read
    // (nothing of it is held then).
    const std::string& read(const std::string& path);

    // Whether the path names a file that can be opened for reading (FileExists): for a file held
    // and unchanged since, without opening it (a change of its permissions changes its stamp).
    bool isReadableFile(const std::string& path);

    // A figure of the file: `compute` runs when the file was read afresh or changed since the
    // figure with this key was last worked out, else the kept value is given. Throws FileError
    // as Read.
    std::int64_t figureOf(const std::string& path, const std::string& key, const Figure& compute);

    // Appends the record to the file (AppendRecord) and holds what the file holds after it: the
    // bytes the append read and those it wrote, so that the next look reads nothing, however
    // soon it comes. Throws FileError (nothing of the file is held then).
    AppendOutcome append(const std::string& path, const ConnectionRecord& record);

private:
    struct Held {
        FileStamp stamp;  // unsettled for a file that was missing: looked at again each time
        std::string bytes;
        bool present = false;    // the file was there and was read
        std::uint64_t look = 0;  // the look in which it was last looked at
        std::map<std::string, std::int64_t> figures;
    };
    // The held file when it is still the one on disk: looked at in the open look, or with the
    // same settled stamp as now (then taken into `stamp`, as it is when the file is not held).
    Held* unchanged(const std::string& path, std::optional<FileStamp>& stamp);
    Held& current(const std::string& path);

    std::map<std::string, Held> files_;
    std::uint64_t look_ = 0;  // the OneLook open now; 0 for none
    std::uint64_t looksOpened_ = 0;
};

}  // namespace ruvo
