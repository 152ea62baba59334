// The address count inside a network namespace of its own, where interfaces can be brought up
// and down without touching the machine's network. Needs root and `ip`.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/desktop/desktop_host_addresses.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

bool RunShell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

class NetworkNamespace : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0) {
            GTEST_SKIP() << "network namespaces need root";
        }
        ip_ = test::FindProgram("ip");
        if (ip_.empty()) {
            GTEST_SKIP() << "the ip command (iproute2) is not installed";
        }
        name_ = "ruvo-test-" + std::to_string(getpid());
        if (!RunShell(ip_ + " netns add " + name_)) {
            name_.clear();
            GTEST_SKIP() << "this machine does not allow network namespaces";
        }
    }
    void TearDown() override {
        if (!name_.empty()) {
            RunShell(ip_ + " netns delete " + name_);
        }
    }

    // Runs `ip -n <namespace> <arguments>`.
    void ip(const std::string& arguments) {
        ASSERT_TRUE(RunShell(ip_ + " -n " + name_ + " " + arguments)) << arguments;
    }

    // The count as a process inside the namespace sees it: -1 for nothing, -2 when the process
    // could not enter it.
    int countInside() {
        int fds[2];
        if (pipe(fds) != 0) {
            return -2;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            int answer = -2;
            const int ns = open(("/run/netns/" + name_).c_str(), O_RDONLY | O_CLOEXEC);
            if (ns >= 0 && setns(ns, CLONE_NEWNET) == 0) {
                answer = DesktopHostAddresses().ipv4AddressCount().value_or(-1);
            }
            (void)!write(fds[1], &answer, sizeof answer);
            _exit(0);
        }
        close(fds[1]);
        int answer = -2;
        if (read(fds[0], &answer, sizeof answer) != sizeof answer) {
            answer = -2;
        }
        close(fds[0]);
        waitpid(child, nullptr, 0);
        return answer;
    }

    std::string ip_;
    std::string name_;
};

// Loopback counts only while nothing else is up; every other address counts once. The TEST-NET
// addresses never leave the namespace.
TEST_F(NetworkNamespace, CountFollowsTheInterfacesThatAreUp) {
    EXPECT_EQ(countInside(), 0) << "a new namespace has nothing up";
    ip("link set lo up");
    EXPECT_EQ(countInside(), 1) << "only loopback";
    ip("link add ruvo0 type veth peer name ruvo1");
    ip("addr add 192.0.2.1/24 dev ruvo0");
    EXPECT_EQ(countInside(), 1) << "an address on an interface that is down";
    ip("link set ruvo0 up");
    EXPECT_EQ(countInside(), 1) << "one address, loopback no longer counted";
    ip("addr add 192.0.2.2/24 dev ruvo1");
    ip("link set ruvo1 up");
    EXPECT_EQ(countInside(), 2) << "the dial-up connection's address joins";
    ip("addr add 198.51.100.7/24 dev ruvo1");
    EXPECT_EQ(countInside(), 3) << "a second address on one interface";
    ip("link set ruvo1 down");
    EXPECT_EQ(countInside(), 1) << "the connection goes";
    ip("link delete ruvo0");
    EXPECT_EQ(countInside(), 1) << "back to loopback";
}

}  // namespace
}  // namespace ruvo::desktop
