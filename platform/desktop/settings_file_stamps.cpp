#include "platform/desktop/settings_file_stamps.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace ruvo::desktop {

namespace {

constexpr std::int64_t NsPerSecond = 1000000000;
constexpr std::int64_t NsPerMs = 1000000;

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * NsPerSecond + time.tv_nsec;
}

}  // namespace

bool SettingsFileStamps::read(const std::string& path, Stamp& stamp) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return false;
    }
    stamp = Stamp{status.st_dev, status.st_ino, static_cast<std::int64_t>(status.st_size),
                  Nanoseconds(status.st_mtim), Nanoseconds(status.st_ctim)};
    return true;
}

void SettingsFileStamps::beforeOpen(const std::string& path) {
    const auto known = records_.find(path);
    Stamp now;
    if (known == records_.end() || !read(path, now)) {
        return;
    }
    const Stamp& then = known->second.stamp;
    const bool sameForQSettings =
        now.size == then.size && now.modifiedNs / NsPerMs == then.modifiedNs / NsPerMs;
    if (now == then || !sameForQSettings) {
        return;
    }
    const std::int64_t moved = (now.modifiedNs / NsPerMs + 1) * NsPerMs;
    const timespec times[2] = {
        {0, UTIME_OMIT},
        {static_cast<time_t>(moved / NsPerSecond), static_cast<long>(moved % NsPerSecond)}};
    (void)utimensat(AT_FDCWD, path.c_str(), times, 0);
}

bool SettingsFileStamps::knownDamaged(const std::string& path) const {
    const auto known = records_.find(path);
    Stamp now;
    return known != records_.end() && known->second.damaged && read(path, now) &&
           now == known->second.stamp;
}

void SettingsFileStamps::seen(const std::string& path, bool damaged) {
    Stamp now;
    if (read(path, now)) {
        records_[path] = Record{now, damaged};
    } else {
        records_.erase(path);
    }
}

void SettingsFileStamps::forget(const std::string& path) {
    records_.erase(path);
}

}  // namespace ruvo::desktop
