// The single-instance lock: an exclusive flock() on "<name>.lock" in the user's runtime folder.
// The kernel releases it when the process ends, however it ends; the lock file itself stays.
//
// The lock fails closed: when it cannot be taken for any reason but another holder, the caller
// is told so with the reason, for a program that counts money had rather not run than run twice.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopInstanceLock final : public platform::InstanceLock {
public:
    explicit DesktopInstanceLock(std::string runtimeFolder);
    ~DesktopInstanceLock() override;
    DesktopInstanceLock(const DesktopInstanceLock&) = delete;
    DesktopInstanceLock& operator=(const DesktopInstanceLock&) = delete;

    // Held by another copy when another holder (another process, or another lock object of
    // this one) has the lock. Failed when the runtime folder is not private to the user (not a
    // real folder of this user with mode 0700; made so when missing) or the lock file cannot be
    // opened (a folder or a symbolic link in its place) or locked.
    platform::LockAttempt tryAcquire(const std::string& name) override;

    std::string lockFilePath(const std::string& name) const;

private:
    std::string lockFileName(const std::string& name) const;

    std::string runtimeFolder_;
    std::vector<int> heldFiles_;
};

}  // namespace ruvo::desktop
