#include "app/sim/registry_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "app/sim/sim_errors.h"
#include "base/file_io.h"

namespace ruvo::sim {

namespace {

std::string SystemReason() {
    return std::strerror(errno);
}

}  // namespace

void RegistryFile::load(fake::FakeRegistry& registry) const {
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) {
        return;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in.is_open()) {
        throw MachineFailure{"cannot read " + path_};
    }
    std::stringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    // An empty file is an empty registry, as an empty settings file is on the desktop.
    if (text.empty()) {
        return;
    }
    try {
        registry.fromRegedit(text);
    } catch (const fake::RegeditError& damaged) {
        // Replacing it would lose what it holds: the run ends before anything is written.
        throw MachineFailure{path_ + ":" + std::to_string(damaged.line()) + ": " + damaged.what() +
                             "; the file is left as it is"};
    }
}

void RegistryFile::save(const fake::FakeRegistry& registry) const {
    // A fresh file of a name nobody can foresee, created only if nothing has that name: a link
    // planted under a fixed name would have the registry written wherever it points.
    std::string temporary = path_ + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        throw MachineFailure{"cannot create a temporary file beside " + path_ + ": " +
                             SystemReason()};
    }
    const auto fail = [&](const std::string& what) {
        const std::string reason = SystemReason();
        ::unlink(temporary.c_str());
        throw MachineFailure{what + ": " + reason};
    };
    struct stat existing {};
    const mode_t mode = ::stat(path_.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, registry.toRegedit());
    if (::close(fd) != 0 || !written) {
        fail("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path_.c_str()) != 0) {
        fail("cannot replace " + path_);
    }
}

}  // namespace ruvo::sim
