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

// Steps taken one after the other in one namespace, each with the count it leaves. Loopback
// never counts, so the dial-up link alone makes the count rise from 0 to 1. The TEST-NET
// addresses never leave the namespace.
struct CountStep {
    const char* ipArguments;  // nothing: the count of the namespace as it is made
    int count;
    const char* situation;
};

TEST_F(NetworkNamespace, CountFollowsTheInterfacesThatAreUp) {
    const CountStep steps[] = {
        {nullptr, 0, "a new namespace has nothing up"},
        {"link set lo up", 0, "only loopback"},
        {"addr add 127.0.0.2/8 dev lo", 0, "a second loopback address"},
        {"link add ppp0 type veth peer name ppp0far", 0, "the dial-up interface, down"},
        {"addr add 192.0.2.10/32 dev ppp0", 0, "an address on an interface that is down"},
        {"link set ppp0 up", 1, "the dial-up link up: the only other address"},
        {"link set ppp0 down", 0, "the dial-up link goes"},
        {"link add ruvo0 type veth peer name ruvo1", 0, "a pair of adapters, down"},
        {"addr add 192.0.2.1/24 dev ruvo0", 0, "an adapter's address while it is down"},
        {"link set ruvo0 up", 1, "one adapter up"},
        {"addr add 127.0.0.9/8 dev ruvo0", 1, "a 127.x address on an adapter"},
        {"addr add 192.0.2.2/24 dev ruvo1", 1, "the second adapter's address while it is down"},
        {"link set ruvo1 up", 2, "two adapters up"},
        {"link set ppp0 up", 3, "two adapters and the dial-up link"},
        {"addr add 198.51.100.7/24 dev ruvo1", 4, "a second address on one adapter"},
        {"link set ruvo1 down", 2, "one adapter and the dial-up link"},
        {"link delete ruvo0", 1, "the dial-up link alone again"},
        {"link delete ppp0", 0, "back to loopback"},
    };
    for (const CountStep& step : steps) {
        if (step.ipArguments != nullptr) {
            ip(step.ipArguments);
            if (HasFatalFailure()) {
                return;
            }
        }
        EXPECT_EQ(countInside(), step.count) << step.situation;
    }
}

}  // namespace
}  // namespace ruvo::desktop
