// What this store must remember about its files because QSettings does not tell.
//
// QSettings keeps every file it has parsed in a process-wide cache and parses it again only when
// its size or its modification time, to the millisecond, has changed. Two things follow:
// - A file replaced or edited within the same millisecond and to the same size would be taken
//   from the cache. Before each access this store compares the file's full stamp (inode, size,
//   modification and change times to the nanosecond) with the one it saw last; when only that
//   finer stamp differs, it moves the file's modification time on by one millisecond, and
//   QSettings reads the file again.
// - A damaged file is reported as damaged only by the parse that found it. This store remembers
//   the damaged file's stamp and refuses the file for as long as it keeps that stamp.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>

namespace ruvo::desktop {

class SettingsFileStamps {
public:
    // Call before QSettings opens the file.
    void beforeOpen(const std::string& path);
    // True when the file is, unchanged, one that was found damaged.
    bool knownDamaged(const std::string& path) const;
    // Call once QSettings has parsed (or written) the file.
    void seen(const std::string& path, bool damaged);
    void forget(const std::string& path);

private:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modifiedNs = 0;
        std::int64_t changedNs = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    struct Record {
        Stamp stamp;
        bool damaged = false;
    };
    // Nothing when the file cannot be looked at.
    static bool read(const std::string& path, Stamp& stamp);

    std::map<std::string, Record> records_;
};

}  // namespace ruvo::desktop
