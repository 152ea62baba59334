// Whole-file reads, crash-safe replacement and appending of the data files.
//
// Every operation opens, uses and closes the file within the call. Failures throw FileError;
// nothing here beeps or shows anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

// Data files are a few megabytes at most; anything beyond this is not one of them.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{64} * 1024 * 1024;

// What tells one state of a file from another without reading it: the file (device and inode),
// its size and its modification and status-change times, in nanoseconds. Any write, truncation,
// replacement or change of permissions gives other values, except that a file system stamps
// times in ticks of a few milliseconds: a file changed again within the tick of its last change
// may keep all of them. `settled` says that both times lay further back than such a tick when
// the stamp was taken, so that any later change is certain to show.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool settled = false;

    // The same file in the same state (`settled` aside).
    bool sameState(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNs == other.modifiedNs && changedNs == other.changedNs;
    }
};

// How far back a file's times must lie for its stamp to be settled.
inline constexpr std::int64_t kFileTimeSettleNs = 100'000'000;

// The stamp of what the path names now; nothing when there is nothing (or it cannot be looked
// at).
std::optional<FileStamp> StampOf(const std::string& path);

// Whether the path names a file that can be opened for reading (a folder is no file).
bool FileExists(const std::string& path);

// The file's bytes. Throws FileError (Open when it cannot be opened, Read when reading fails or
// the file holds more than `maxBytes`).
std::string ReadWholeFile(const std::string& path, std::size_t maxBytes = kMaxDataFileBytes);

// The same, except that a file that is not there (its opening fails with ENOENT and nothing
// else) gives nothing. Every other failure throws FileError with the errno value in
// systemError() (EISDIR for a folder, EFBIG for a file too large).
std::optional<std::string> ReadFileIfPresent(const std::string& path,
                                             std::size_t maxBytes = kMaxDataFileBytes);

// Replaces the file's content so that a crash leaves either the old or the new content: the
// bytes go to a temporary file in the same folder, which is flushed to disk and renamed over the
// file, and the folder is flushed too. A replaced file keeps its permissions; a new one gets
// rw-rw-rw- less the umask, as the user's other new files. Throws FileError, with the errno
// value.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Creates the file with the given bytes unless something of that name exists already, in which
// case it returns false and touches nothing. A crash while creating may leave the file with a
// first part of the bytes. Throws FileError, with the errno value.
bool CreateNewFile(const std::string& path, std::string_view bytes);

// Appends the bytes with one write to the end of the file, creating it when missing, and flushes
// it to disk. A crash leaves the file with all of the bytes or with a first part of them.
// Throws FileError.
void AppendToFile(const std::string& path, std::string_view bytes);

// Writes all bytes to the open file, going on after short writes and interruptions. False when
// a write fails (errno tells why).
bool WriteAll(int fd, std::string_view bytes);

}  // namespace ruvo
