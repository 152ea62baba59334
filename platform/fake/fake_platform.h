// Every service of the fake platform in one object, for tests and the simulator.
#pragma once

#include <string>

#include "platform/fake/fake_devices.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_window_system.h"
#include "platform/fake/virtual_time.h"
#include "platform/platform.h"

namespace ruvo::fake {

// The machine: what outlives one run of the program (registry, clock, locks, other windows).
struct FakeMachine {
    explicit FakeMachine(const platform::LocalDateTime& start, std::string dataDirectory)
        : time(start), paths(std::move(dataDirectory)) {}

    VirtualTime time;
    FakeRegistry registry;
    LockTable locks;
    FakeHostAddresses hostAddresses;
    FakeTray tray;
    FakeForegroundWindows foregroundWindows;
    FakeSound sound;
    FakePrinting printing;
    FakeClipboard clipboard;
    FakePaths paths;
    FakeWindowSystem windowSystem;
    FakeNotifications notifications;
};

// One process's view of the machine: its own instance lock, the machine's other services.
class FakeProcess {
public:
    explicit FakeProcess(FakeMachine& machine)
        : instanceLock_(machine.locks),
          platform_{machine.time,
                    machine.time,
                    machine.registry,
                    instanceLock_,
                    machine.hostAddresses,
                    machine.tray,
                    machine.foregroundWindows,
                    machine.sound,
                    machine.printing,
                    machine.clipboard,
                    machine.paths,
                    machine.windowSystem,
                    machine.notifications} {}

    platform::Platform& platform() { return platform_; }
    // The process dies: the system releases its lock.
    void end() { instanceLock_.releaseAll(); }

private:
    FakeInstanceLock instanceLock_;
    platform::Platform platform_;
};

}  // namespace ruvo::fake
