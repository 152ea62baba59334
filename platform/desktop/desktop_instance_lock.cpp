#include "platform/desktop/desktop_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/desktop/xdg_folders.h"

namespace ruvo::desktop {

DesktopInstanceLock::DesktopInstanceLock(std::string runtimeFolder)
    : runtimeFolder_(std::move(runtimeFolder)) {}

DesktopInstanceLock::~DesktopInstanceLock() {
    for (int fd : heldFiles_) {
        close(fd);
    }
}

std::string DesktopInstanceLock::lockFilePath(const std::string& name) const {
    std::string fileName = name + ".lock";
    for (char& c : fileName) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    return runtimeFolder_ + "/" + fileName;
}

bool DesktopInstanceLock::tryAcquire(const std::string& name) {
    if (!EnsurePrivateFolder(runtimeFolder_)) {
        return true;
    }
    // Close-on-exec, so that a program started from here does not keep the lock alive.
    const int fd =
        open(lockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return true;
    }
    int result = 0;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        close(fd);
        return !heldElsewhere;
    }
    heldFiles_.push_back(fd);
    return true;
}

}  // namespace ruvo::desktop
