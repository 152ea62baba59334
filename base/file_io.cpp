#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "base/file_error.h"

namespace ruvo {
namespace {

// Closes a POSIX file descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and tells whether that succeeded (a late write error can show up here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Names tried for a temporary file before giving up: only leftovers of earlier crashes of the
// same process id and start time can take any.
constexpr int kTemporaryNameAttempts = 100;

std::string SystemMessage(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

int OpenForReading(const std::string& path) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool IsRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& path) {
    const std::string folder = FolderOf(path);
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid()) {
        const int error = errno;
        throw FileError(FileError::Kind::Write, path, SystemMessage("cannot open its folder"),
                        error);
    }
    if (::fsync(fd.get()) != 0 && errno != EINVAL) {
        // Some file systems cannot flush a folder (EINVAL); the rename is then as safe as
        // they make it.
        const int error = errno;
        throw FileError(FileError::Kind::Write, path, SystemMessage("cannot flush its folder"),
                        error);
    }
}

// Writes the bytes, flushes them to disk and closes the file. Nothing when all went well,
// otherwise the step that failed (errno tells why).
const char* WriteFlushClose(Descriptor& fd, std::string_view bytes) {
    if (!WriteAll(fd.get(), bytes)) {
        return "cannot write";
    }
    if (::fsync(fd.get()) != 0) {
        return "cannot flush";
    }
    if (!fd.close()) {
        return "cannot close";
    }
    return nullptr;
}

// Creates a new, empty file named after `path` in the same folder with the given mode (the
// umask applies), and gives its descriptor; its name goes to `created`. Throws FileError.
int CreateFileBeside(const std::string& path, mode_t mode, std::string& created) {
    // The names differ by process, time and attempt; O_EXCL makes sure none is taken over.
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string name = path + ".tmp-" + std::to_string(::getpid()) + "-" +
                                 std::to_string((seed + static_cast<unsigned>(attempt)) % 1000000);
        int fd = -1;
        do {
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            created = name;
            return fd;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    const int error = errno;
    throw FileError(FileError::Kind::Open, path, SystemMessage("cannot create a temporary file"),
                    error);
}

// The bytes of an opened file, as ReadWholeFile gives them.
std::string ReadOpenFile(int fd, const std::string& path, std::size_t maxBytes) {
    if (!IsRegularFile(fd)) {
        throw FileError(FileError::Kind::Open, path, "is a folder", EISDIR);
    }
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        if (static_cast<std::size_t>(info.st_size) > maxBytes) {
            throw FileError(FileError::Kind::Read, path, "larger than a data file can be", EFBIG);
        }
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    std::vector<char> chunk(std::size_t{64} * 1024);
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            throw FileError(FileError::Kind::Read, path, SystemMessage("cannot read"), error);
        }
        if (got == 0) {
            break;
        }
        // The file may grow while it is read; the limit holds for what was read.
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            throw FileError(FileError::Kind::Read, path, "larger than a data file can be", EFBIG);
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return bytes;
}

}  // namespace

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    constexpr std::int64_t kNsPerSecond = 1'000'000'000;
    const auto ns = [](const struct timespec& time) {
        return static_cast<std::int64_t>(time.tv_sec) * kNsPerSecond + time.tv_nsec;
    };
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::int64_t>(info.st_size);
    stamp.modifiedNs = ns(info.st_mtim);
    stamp.changedNs = ns(info.st_ctim);
    struct timespec now {};
    if (::clock_gettime(CLOCK_REALTIME, &now) == 0) {
        const std::int64_t latest = std::max(stamp.modifiedNs, stamp.changedNs);
        stamp.settled = ns(now) - latest >= kFileTimeSettleNs;
    }
    return stamp;
}

bool FileExists(const std::string& path) {
    Descriptor fd(OpenForReading(path));
    return fd.valid() && IsRegularFile(fd.get());
}

std::string ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    Descriptor fd(OpenForReading(path));
    if (!fd.valid()) {
        const int error = errno;
        throw FileError(FileError::Kind::Open, path, SystemMessage("cannot open"), error);
    }
    return ReadOpenFile(fd.get(), path, maxBytes);
}

std::optional<std::string> ReadFileIfPresent(const std::string& path, std::size_t maxBytes) {
    Descriptor fd(OpenForReading(path));
    if (!fd.valid()) {
        const int error = errno;
        if (error == ENOENT) {
            return std::nullopt;
        }
        throw FileError(FileError::Kind::Open, path, SystemMessage("cannot open"), error);
    }
    return ReadOpenFile(fd.get(), path, maxBytes);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0 && !S_ISDIR(existing.st_mode);
    // A new file gets what the umask leaves of rw-rw-rw-, as any other program's new file; a
    // replaced one keeps its permissions, and its content is never readable by more than that.
    std::string temporary;
    Descriptor fd(CreateFileBeside(path, replacing ? mode_t{0600} : mode_t{0666}, temporary));
    const auto fail = [&](const char* what) {
        const int error = errno;
        const std::string message = SystemMessage(what);
        ::unlink(temporary.c_str());
        throw FileError(FileError::Kind::Write, path, message, error);
    };
    if (replacing && ::fchmod(fd.get(), existing.st_mode & 07777) != 0) {
        fail("cannot set permissions");
    }
    if (const char* failedStep = WriteFlushClose(fd, bytes)) {
        fail(failedStep);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        fail("cannot rename the temporary file");
    }
    SyncFolder(path);
}

bool CreateNewFile(const std::string& path, std::string_view bytes) {
    int raw = -1;
    do {
        raw = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    } while (raw < 0 && errno == EINTR);
    if (raw < 0 && errno == EEXIST) {
        return false;
    }
    const int openError = errno;
    Descriptor fd(raw);
    if (!fd.valid()) {
        throw FileError(FileError::Kind::Open, path, SystemMessage("cannot create"), openError);
    }
    if (const char* failedStep = WriteFlushClose(fd, bytes)) {
        const int error = errno;
        throw FileError(FileError::Kind::Write, path, SystemMessage(failedStep), error);
    }
    SyncFolder(path);
    return true;
}

void AppendToFile(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    const bool created = ::stat(path.c_str(), &existing) != 0;
    int raw = -1;
    do {
        raw = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    } while (raw < 0 && errno == EINTR);
    Descriptor fd(raw);
    if (!fd.valid()) {
        throw FileError(FileError::Kind::Open, path, SystemMessage("cannot open for appending"));
    }
    // A write that fails half-way (a full disk) takes back what it added, so that a later
    // attempt does not find a cut record of its own making.
    const off_t sizeBefore = ::lseek(fd.get(), 0, SEEK_END);
    if (!WriteAll(fd.get(), bytes)) {
        const std::string message = SystemMessage("cannot write");
        if (sizeBefore >= 0) {
            static_cast<void>(::ftruncate(fd.get(), sizeBefore));
        }
        throw FileError(FileError::Kind::Write, path, message);
    }
    if (const char* failedStep = WriteFlushClose(fd, {})) {
        throw FileError(FileError::Kind::Write, path, SystemMessage(failedStep));
    }
    if (created) {
        SyncFolder(path);
    }
}

}  // namespace ruvo
