// The single-instance lock across processes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/desktop/desktop_instance_lock.h"
#include "platform/desktop/xdg_folders.h"
#include "tests/support/temp_folder.h"

namespace ruvo::desktop {
namespace {

const std::string LockName = "Quelmar Ruvometer";
using Outcome = platform::LockAttempt::Outcome;

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
            const char answer = lock.tryAcquire(LockName).outcome == Outcome::Acquired ? 'y' : 'n';
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
        EXPECT_EQ(second.tryAcquire(LockName).outcome, Outcome::HeldByAnotherCopy);
        EXPECT_EQ(second.tryAcquire("Another Name").outcome, Outcome::Acquired);
        first.killHard();  // kill -9: no clean-up code runs in the holder
        EXPECT_EQ(second.tryAcquire(LockName).outcome, Outcome::Acquired);
        // Now this process holds it; another process cannot have it.
        LockHolder third(runtime.path());
        EXPECT_FALSE(third.gotLock());
        EXPECT_TRUE(std::filesystem::exists(runtime.file("Quelmar Ruvometer.lock")));
    }
    // A second lock object of the same process is another holder too.
    DesktopInstanceLock a(runtime.path());
    DesktopInstanceLock b(runtime.path());
    EXPECT_EQ(a.tryAcquire("X").outcome, Outcome::Acquired);
    EXPECT_EQ(b.tryAcquire("X").outcome, Outcome::HeldByAnotherCopy);
}

TEST(InstanceLock, TheRuntimeFolderIsMadePrivate) {
    testing::TempFolder base;
    const std::string folder = base.file("runtime");
    DesktopInstanceLock lock(folder);
    EXPECT_EQ(lock.tryAcquire(LockName).outcome, Outcome::Acquired);
    struct stat status {};
    ASSERT_EQ(lstat(folder.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    // A name with a slash stays inside the folder.
    EXPECT_EQ(lock.tryAcquire("a/b").outcome, Outcome::Acquired);
    EXPECT_TRUE(std::filesystem::exists(folder + "/a_b.lock"));
}

// Without XDG_RUNTIME_DIR the lock goes into a folder named after the user in $TMPDIR.
TEST(InstanceLock, WithoutRuntimeDirTheFolderIsTheUsersOwnInTmpdir) {
    struct SavedVariable {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<SavedVariable> saved;
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* value = std::getenv(name);
        saved.push_back(
            {name, value == nullptr ? std::nullopt : std::optional<std::string>(value)});
    }
    unsetenv("XDG_RUNTIME_DIR");
    setenv("TMPDIR", "/var/tmp", 1);
    const std::string withTmpdir = XdgFolders::fromEnvironment().runtimeDir;
    unsetenv("TMPDIR");
    const std::string withoutTmpdir = XdgFolders::fromEnvironment().runtimeDir;
    for (const SavedVariable& variable : saved) {
        if (variable.value) {
            setenv(variable.name, variable.value->c_str(), 1);
        } else {
            unsetenv(variable.name);
        }
    }
    const std::string folderName = "/ruvometer-runtime-" + std::to_string(geteuid());
    EXPECT_EQ(withTmpdir, "/var/tmp" + folderName);
    EXPECT_EQ(withoutTmpdir, "/tmp" + folderName);
}

// What stands where the runtime folder or the lock file goes, made before the attempt. Only a
// lock that another copy holds may be reported as held; everything else that keeps the lock from
// being taken is a failure with its reason, never a lock taken.
struct Obstacle {
    const char* what;
    bool needsRoot;
    // Makes the obstacle in `base`, where the runtime folder is base/runtime.
    void (*make)(const std::string& base);
    Outcome outcome;
    const char* reasonPart;  // a part of the reason given
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) {
    *out << obstacle.what;
}

void MakePrivateRuntime(const std::string& base) {
    mkdir((base + "/runtime").c_str(), 0700);
}

const Obstacle Obstacles[] = {
    {"nothing", false, [](const std::string&) {}, Outcome::Acquired, ""},
    {"a private runtime folder made before", false, MakePrivateRuntime, Outcome::Acquired, ""},
    {"a folder at the lock file's path", false,
     [](const std::string& base) {
         MakePrivateRuntime(base);
         mkdir((base + "/runtime/Quelmar Ruvometer.lock").c_str(), 0700);
     },
     Outcome::Failed, "steht ein Ordner"},
    {"a dangling symbolic link at the lock file's path", false,
     [](const std::string& base) {
         MakePrivateRuntime(base);
         (void)!symlink((base + "/nowhere").c_str(),
                        (base + "/runtime/Quelmar Ruvometer.lock").c_str());
     },
     Outcome::Failed, "symbolische Verknüpfung"},
    {"a symbolic link to a file at the lock file's path", false,
     [](const std::string& base) {
         MakePrivateRuntime(base);
         testing::WriteBytes(base + "/elsewhere", "");
         (void)!symlink((base + "/elsewhere").c_str(),
                        (base + "/runtime/Quelmar Ruvometer.lock").c_str());
     },
     Outcome::Failed, "symbolische Verknüpfung"},
    {"a symbolic link to a private folder as the runtime folder", false,
     [](const std::string& base) {
         mkdir((base + "/real").c_str(), 0700);
         (void)!symlink((base + "/real").c_str(), (base + "/runtime").c_str());
     },
     Outcome::Failed, "kein Ordner"},
    {"a file as the runtime folder", false,
     [](const std::string& base) { testing::WriteBytes(base + "/runtime", ""); }, Outcome::Failed,
     "kein Ordner"},
    {"a runtime folder others may enter", false,
     [](const std::string& base) {
         MakePrivateRuntime(base);
         chmod((base + "/runtime").c_str(), 0755);
     },
     Outcome::Failed, "Rechte 755"},
    {"a runtime folder another user made first", true,
     [](const std::string& base) {
         MakePrivateRuntime(base);
         (void)!chown((base + "/runtime").c_str(), 65534, 65534);
     },
     Outcome::Failed, "gehört einem anderen Benutzer"},
};

class InstanceLockObstacle : public ::testing::TestWithParam<Obstacle> {};

TEST_P(InstanceLockObstacle, FailsClosed) {
    const Obstacle& obstacle = GetParam();
    if (obstacle.needsRoot && geteuid() != 0) {
        GTEST_SKIP() << "needs root to make a folder that belongs to another user";
    }
    testing::TempFolder base;
    obstacle.make(base.path());
    DesktopInstanceLock lock(base.file("runtime"));
    const platform::LockAttempt attempt = lock.tryAcquire(LockName);
    EXPECT_EQ(attempt.outcome, obstacle.outcome) << attempt.reason;
    EXPECT_NE(attempt.reason.find(obstacle.reasonPart), std::string::npos) << attempt.reason;
    if (obstacle.outcome == Outcome::Failed) {
        // A second copy meets the same obstacle rather than a free lock.
        LockHolder second(base.file("runtime"));
        EXPECT_FALSE(second.gotLock());
        EXPECT_FALSE(std::filesystem::exists(base.file("nowhere")))
            << "a symbolic link was followed";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, InstanceLockObstacle, ::testing::ValuesIn(Obstacles),
                         [](const ::testing::TestParamInfo<Obstacle>& row) {
                             return "Row" + std::to_string(row.index);
                         });

}  // namespace
}  // namespace ruvo::desktop
