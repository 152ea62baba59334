// The single-instance lock: an exclusive flock() on "<name>.lock" in the user's runtime folder.
// The kernel releases it when the process ends, however it ends; the lock file itself stays.
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

    // False when another holder (another process, or another lock object of this one) has the
    // lock. When the lock file cannot be made at all (no usable runtime folder), the program is
    // let run rather than locked out: true.
    bool tryAcquire(const std::string& name) override;

    std::string lockFilePath(const std::string& name) const;

private:
    std::string runtimeFolder_;
    std::vector<int> heldFiles_;
};

}  // namespace ruvo::desktop
