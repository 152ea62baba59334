#include "platform/desktop/desktop_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "platform/desktop/system_error_text.h"

namespace ruvo::desktop {

namespace {

std::string Quoted(const std::string& path) {
    return "„" + path + "“";
}

std::string OctalMode(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%03o", static_cast<unsigned>(mode & 0777));
    return text;
}

// A file descriptor closed when it goes out of scope, unless released.
class OwnedDescriptor {
public:
    explicit OwnedDescriptor(int fd) : fd_(fd) {}
    ~OwnedDescriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    OwnedDescriptor(const OwnedDescriptor&) = delete;
    OwnedDescriptor& operator=(const OwnedDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Opens the runtime folder, made with mode 0700 when missing. Anybody could have made it first
// (under /tmp), so it is used only when it is a real folder, not a symbolic link, owned by this
// user and closed to everybody else; else the reason is given and the descriptor is -1.
int OpenPrivateFolder(const std::string& path, std::string& reason) {
    const bool made = mkdir(path.c_str(), 0700) == 0;
    if (!made && errno != EEXIST) {
        reason = "Der Ordner " + Quoted(path) +
                 " kann nicht angelegt werden: " + SystemErrorText(errno) + ".";
        return -1;
    }
    OwnedDescriptor folder(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.get() < 0) {
        const int error = errno;
        reason = error == ENOTDIR || error == ELOOP
                     ? Quoted(path) +
                           " ist kein Ordner, sondern eine Datei oder eine "
                           "symbolische Verknüpfung."
                     : "Der Ordner " + Quoted(path) +
                           " kann nicht geöffnet werden: " + SystemErrorText(error) + ".";
        return -1;
    }
    // A folder made just now gets its mode whatever the umask took away.
    if (made) {
        (void)fchmod(folder.get(), 0700);
    }
    struct stat status {};
    if (fstat(folder.get(), &status) != 0) {
        reason = "Der Ordner " + Quoted(path) +
                 " kann nicht geprüft werden: " + SystemErrorText(errno) + ".";
        return -1;
    }
    if (status.st_uid != geteuid()) {
        reason = "Der Ordner " + Quoted(path) + " gehört einem anderen Benutzer.";
        return -1;
    }
    if ((status.st_mode & 0777) != 0700) {
        reason = "Der Ordner " + Quoted(path) + " ist auch anderen Benutzern zugänglich (Rechte " +
                 OctalMode(status.st_mode) + " statt 700).";
        return -1;
    }
    return folder.release();
}

}  // namespace

DesktopInstanceLock::DesktopInstanceLock(std::string runtimeFolder)
    : runtimeFolder_(std::move(runtimeFolder)) {}

DesktopInstanceLock::~DesktopInstanceLock() {
    for (int fd : heldFiles_) {
        close(fd);
    }
}

std::string DesktopInstanceLock::lockFileName(const std::string& name) const {
    std::string fileName = name + ".lock";
    for (char& c : fileName) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    return fileName;
}

std::string DesktopInstanceLock::lockFilePath(const std::string& name) const {
    return runtimeFolder_ + "/" + lockFileName(name);
}

platform::LockAttempt DesktopInstanceLock::tryAcquire(const std::string& name) {
    std::string reason;
    const OwnedDescriptor folder(OpenPrivateFolder(runtimeFolder_, reason));
    if (folder.get() < 0) {
        return platform::LockAttempt::failed(reason);
    }
    const std::string path = lockFilePath(name);
    // Close-on-exec, so that a program started from here does not keep the lock alive.
    OwnedDescriptor file(openat(folder.get(), lockFileName(name).c_str(),
                                O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600));
    if (file.get() < 0) {
        const int error = errno;
        if (error == EISDIR) {
            return platform::LockAttempt::failed("An der Stelle der Sperrdatei " + Quoted(path) +
                                                 " steht ein Ordner.");
        }
        if (error == ELOOP) {
            return platform::LockAttempt::failed("An der Stelle der Sperrdatei " + Quoted(path) +
                                                 " steht eine symbolische Verknüpfung.");
        }
        return platform::LockAttempt::failed(
            "Die Sperrdatei " + Quoted(path) +
            " kann nicht geöffnet werden: " + SystemErrorText(error) + ".");
    }
    struct stat status {};
    if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return platform::LockAttempt::failed("Die Sperrdatei " + Quoted(path) +
                                             " ist keine gewöhnliche Datei.");
    }
    int result = 0;
    do {
        result = flock(file.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK) {
            return platform::LockAttempt::heldByAnotherCopy();
        }
        return platform::LockAttempt::failed(
            "Die Sperrdatei " + Quoted(path) +
            " kann nicht gesperrt werden: " + SystemErrorText(error) + ".");
    }
    heldFiles_.push_back(file.release());
    return platform::LockAttempt::acquired();
}

}  // namespace ruvo::desktop
