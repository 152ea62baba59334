// The error of a data file operation that could not be done.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace ruvo {

class FileError : public std::runtime_error {
public:
    enum class Kind {
        Open,         // the file or its folder cannot be opened or created
        Read,         // reading failed, or the file is larger than a data file can be
        Write,        // writing, flushing or renaming failed
        Unencodable,  // a text holds a character the file's code page has no byte for
        Damaged,      // the file's content does not allow the operation
    };

    FileError(Kind kind, std::string path, const std::string& what, int systemError = 0)
        : std::runtime_error(path.empty() ? what : path + ": " + what),
          kind_(kind),
          path_(std::move(path)),
          systemError_(systemError) {}

    Kind kind() const { return kind_; }
    // The file concerned; empty when the error arose while building a file's content.
    const std::string& path() const { return path_; }
    // The errno value of the system call that failed, where the reader recorded it; 0 otherwise.
    int systemError() const { return systemError_; }

private:
    Kind kind_;
    std::string path_;
    int systemError_;
};

}  // namespace ruvo
