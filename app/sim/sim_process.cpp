#include "app/sim/sim_process.h"

#include <string>
#include <utility>
#include <vector>

namespace ruvo::sim {

class SimProcess::ProcessTimers final : public platform::Timers {
public:
    explicit ProcessTimers(SimProcess& owner) : owner_(owner) {}

    std::unique_ptr<platform::Timer> createTimer(int intervalMs,
                                                 std::function<void()> handler) override {
        return owner_.machine_.time.createTimer(intervalMs, [this, handler = std::move(handler)] {
            if (!owner_.ended()) {
                owner_.call(handler);
            }
        });
    }

private:
    SimProcess& owner_;
};

class SimProcess::ProcessTray final : public platform::Tray {
public:
    explicit ProcessTray(fake::FakeTray& tray) : tray_(tray) {}

    bool add() override {
        const bool added = tray_.add();
        shown_ = shown_ || added;
        return added;
    }
    bool modify(platform::TrayPicture picture, const std::string& tip) override {
        return tray_.modify(picture, tip);
    }
    bool remove() override {
        shown_ = false;
        return tray_.remove();
    }
    void setLeftClickHandler(std::function<void()> handler) override {
        onClick_ = std::move(handler);
    }
    void setMenu(const std::vector<std::string>& items) override {
        menu_ = items;
        tray_.setMenu(items);
    }
    void setMenuHandler(std::function<void(std::size_t)> handler) override {
        onMenu_ = std::move(handler);
    }

    bool shown() const { return shown_ && tray_.present(); }
    const std::function<void()>& clickHandler() const { return onClick_; }
    // The handler's call for the item with this text, or nothing.
    std::function<void()> menuCall(const std::string& item) const {
        for (std::size_t i = 0; i < menu_.size(); ++i) {
            if (menu_[i] == item && onMenu_) {
                return [handler = onMenu_, i] { handler(i); };
            }
        }
        return nullptr;
    }

private:
    fake::FakeTray& tray_;
    bool shown_ = false;
    std::function<void()> onClick_;
    std::vector<std::string> menu_;
    std::function<void(std::size_t)> onMenu_;
};

class SimProcess::ProcessWindowSystem final : public platform::WindowSystem {
public:
    explicit ProcessWindowSystem(SimProcess& owner) : owner_(owner) {}

    platform::MessageAnswer messageBox(const platform::MessageBox& box) override {
        return windows().messageBox(box);
    }
    void errorBox(const std::string& text) override { windows().errorBox(text); }
    void runModal(platform::ModalWindow& window) override { windows().runModal(window); }
    std::optional<std::string> chooseFileToOpen(const std::string& caption,
                                                const std::string& folder,
                                                const std::string& suggestedName,
                                                const std::string& filter) override {
        return windows().chooseFileToOpen(caption, folder, suggestedName, filter);
    }
    void quit(int exitCode) override {
        windows().quit(exitCode);
        if (!owner_.exitCode_) {
            owner_.exitCode_ = exitCode;
            if (owner_.hooks_.exited) {
                owner_.hooks_.exited(exitCode);
            }
        }
    }

private:
    fake::FakeWindowSystem& windows() { return owner_.machine_.windowSystem; }
    SimProcess& owner_;
};

SimProcess::SimProcess(fake::FakeMachine& machine, Hooks hooks)
    : machine_(machine),
      hooks_(std::move(hooks)),
      process_(machine),
      timers_(std::make_unique<ProcessTimers>(*this)),
      tray_(std::make_unique<ProcessTray>(machine.tray)),
      windowSystem_(std::make_unique<ProcessWindowSystem>(*this)) {
    platform::Platform& base = process_.platform();
    platform_ = std::make_unique<platform::Platform>(platform::Platform{
        base.clock, *timers_, base.registry, base.instanceLock, base.hostAddresses, *tray_,
        base.foregroundWindows, base.sound, base.printing, base.clipboard, base.paths,
        *windowSystem_, base.notifications});
    call([this] { program_ = std::make_unique<Ruvometer>(*platform_); });
}

SimProcess::~SimProcess() {
    program_.reset();
    process_.end();
}

void SimProcess::call(const std::function<void()>& action) {
    struct Depth {
        explicit Depth(int& depth) : depth_(depth) { ++depth_; }
        ~Depth() { --depth_; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
        int& depth_;
    };
    {
        Depth depth(depth_);
        action();
    }
    if (hooks_.returned) {
        hooks_.returned();
    }
}

bool SimProcess::showsTrayIcon() const {
    return !ended() && tray_->shown();
}

void SimProcess::chooseTrayMenuItem(const std::string& item) {
    const std::function<void()> choice = tray_->menuCall(item);
    if (showsTrayIcon() && choice) {
        call(choice);
    }
}

void SimProcess::clickTrayIcon() {
    const std::function<void()> handler = tray_->clickHandler();
    if (showsTrayIcon() && handler) {
        call(handler);
    }
}

}  // namespace ruvo::sim
