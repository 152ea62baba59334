// The single-instance lock across processes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/desktop/desktop_instance_lock.h"
#include "tests/support/temp_folder.h"

namespace ruvo::desktop {
namespace {

const std::string LockName = "Quelmar Ruvometer";

// A second process that takes the lock, reports whether it got it, and holds it until killed.
class LockHolder {
public:
    explicit LockHolder(const std::string& runtimeFolder) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        process_ = fork();
        if (process_ == 0) {
            close(fds[0]);
            DesktopInstanceLock lock(runtimeFolder);
            const char answer = lock.tryAcquire(LockName) ? 'y' : 'n';
            (void)!write(fds[1], &answer, 1);
            for (;;) {
                pause();
            }
        }
        close(fds[1]);
        char answer = 0;
        got_ = read(fds[0], &answer, 1) == 1 && answer == 'y';
        close(fds[0]);
    }
    ~LockHolder() { killHard(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool gotLock() const { return got_; }
    void killHard() {
        if (process_ > 0) {
            kill(process_, SIGKILL);
            waitpid(process_, nullptr, 0);
            process_ = -1;
        }
    }

private:
    pid_t process_ = -1;
    bool got_ = false;
};

TEST(InstanceLock, OneProcessAtATimeAndFreedByTheKernel) {
    testing::TempFolder runtime;
    {
        LockHolder first(runtime.path());
        ASSERT_TRUE(first.gotLock());
        DesktopInstanceLock second(runtime.path());
        EXPECT_FALSE(second.tryAcquire(LockName));
        EXPECT_TRUE(second.tryAcquire("Another Name"));
        first.killHard();  // kill -9: no clean-up code runs in the holder
        EXPECT_TRUE(second.tryAcquire(LockName));
        // Now this process holds it; another process cannot have it.
        LockHolder third(runtime.path());
        EXPECT_FALSE(third.gotLock());
        EXPECT_TRUE(std::filesystem::exists(runtime.file("Quelmar Ruvometer.lock")));
    }
    // A second lock object of the same process is another holder too.
    DesktopInstanceLock a(runtime.path());
    DesktopInstanceLock b(runtime.path());
    EXPECT_TRUE(a.tryAcquire("X"));
    EXPECT_FALSE(b.tryAcquire("X"));
}

TEST(InstanceLock, TheRuntimeFolderIsMadePrivate) {
    testing::TempFolder base;
    const std::string folder = base.file("runtime");
    DesktopInstanceLock lock(folder);
    EXPECT_TRUE(lock.tryAcquire(LockName));
    struct stat status {};
    ASSERT_EQ(stat(folder.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    // A name with a slash stays inside the folder.
    EXPECT_TRUE(lock.tryAcquire("a/b"));
    EXPECT_TRUE(std::filesystem::exists(folder + "/a_b.lock"));
}

}  // namespace
}  // namespace ruvo::desktop
