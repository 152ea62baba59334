// One instance of the program on the simulated machine, from `start` until it ends or is killed.
// It sees the machine through a platform of its own: its timers fall silent once it asked to
// end, its quit request is told to the simulator, and its tray icon keeps its own click handler
// (on a desktop every process has its own icon).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/fake/fake_platform.h"
#include "program/application.h"

namespace ruvo::sim {

class SimProcess {
public:
    struct Hooks {
        // The instance asked the window system to end its run with this exit code.
        std::function<void(int exitCode)> exited;
        // A call into the instance (a timer, a user action, the start) returned.
        std::function<void()> returned;
    };

    SimProcess(fake::FakeMachine& machine, Hooks hooks);
    // Destroys the program and ends the process: the system releases its lock.
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    Ruvometer& program() { return *program_; }
    // Runs `action` as a call into this instance: while it runs, the instance is on the stack.
    void call(const std::function<void()>& action);
    bool onStack() const { return depth_ > 0; }
    // The instance asked to end; nothing of it runs any more.
    bool ended() const { return exitCode_.has_value(); }
    // Its icon is in the tray.
    bool showsTrayIcon() const;
    // The user clicks its tray icon.
    void clickTrayIcon();
    // The user opens its tray icon's context menu and chooses the item with this text; an item
    // the menu does not have meets nothing.
    void chooseTrayMenuItem(const std::string& item);

private:
    class ProcessTimers;
    class ProcessTray;
    class ProcessWindowSystem;

    fake::FakeMachine& machine_;
    Hooks hooks_;
    fake::FakeProcess process_;
    std::unique_ptr<ProcessTimers> timers_;
    std::unique_ptr<ProcessTray> tray_;
    std::unique_ptr<ProcessWindowSystem> windowSystem_;
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<Ruvometer> program_;
    int depth_ = 0;
    std::optional<int> exitCode_;
};

}  // namespace ruvo::sim
