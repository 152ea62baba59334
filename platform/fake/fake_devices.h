// The smaller services of the fake platform: each records what the program asked of it and
// answers what the test or the simulator has set.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace ruvo::fake {

// Names of the locks held, shared by every fake instance lock of one test or simulation, as the
// machine's lock names are shared by its processes.
class LockTable {
public:
    bool take(const std::string& name) { return held_.insert(name).second; }
    void release(const std::string& name) { held_.erase(name); }
    // From now on no lock can be taken, for this reason; nothing: locks work again.
    void setFailure(std::optional<std::string> reason) { failure_ = std::move(reason); }
    const std::optional<std::string>& failure() const { return failure_; }

private:
    std::set<std::string> held_;
    std::optional<std::string> failure_;
};

class FakeInstanceLock final : public platform::InstanceLock {
public:
    explicit FakeInstanceLock(LockTable& table) : table_(table) {}
    ~FakeInstanceLock() override { releaseAll(); }
    FakeInstanceLock(const FakeInstanceLock&) = delete;
    FakeInstanceLock& operator=(const FakeInstanceLock&) = delete;

    platform::LockAttempt tryAcquire(const std::string& name) override {
        if (table_.failure()) {
            return platform::LockAttempt::failed(*table_.failure());
        }
        if (!table_.take(name)) {
            return platform::LockAttempt::heldByAnotherCopy();
        }
        held_.push_back(name);
        return platform::LockAttempt::acquired();
    }
    // What the system does when the process ends.
    void releaseAll() {
        for (const auto& name : held_) {
            table_.release(name);
        }
        held_.clear();
    }

private:
    LockTable& table_;
    std::vector<std::string> held_;
};

class FakeHostAddresses final : public platform::HostAddresses {
public:
    std::optional<int> ipv4AddressCount() override { return count_; }
    // nothing: the lookup fails.
    void set(std::optional<int> count) { count_ = count; }

private:
    std::optional<int> count_ = 1;
};

class FakeTray final : public platform::Tray {
public:
    bool add() override {
        present_ = true;
        picture_ = platform::TrayPicture::None;
        notify();
        return true;
    }
    bool modify(platform::TrayPicture picture, const std::string& tip) override {
        if (!present_) {
            return false;
        }
        picture_ = picture;
        tip_ = tip;
        notify();
        return true;
    }
    bool remove() override {
        const bool wasPresent = present_;
        present_ = false;
        picture_ = platform::TrayPicture::None;
        if (wasPresent) {
            notify();
        }
        return wasPresent;
    }
    void setLeftClickHandler(std::function<void()> handler) override {
        onClick_ = std::move(handler);
    }

    void click() {
        if (present_ && onClick_) {
            onClick_();
        }
    }
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
    bool present() const { return present_; }
    platform::TrayPicture picture() const { return picture_; }
    const std::string& tip() const { return tip_; }

private:
    void notify() {
        if (onChange_) {
            onChange_();
        }
    }
    bool present_ = false;
    platform::TrayPicture picture_ = platform::TrayPicture::None;
    std::string tip_;
    std::function<void()> onClick_;
    std::function<void()> onChange_;
};

// Windows of other programs, set up by the test.
class FakeForegroundWindows final : public platform::ForegroundWindows {
public:
    struct Window {
        std::string title;
        std::int64_t process = 1000;
        bool desktop = false;
    };

    bool available() override { return true; }
    std::optional<platform::WindowId> foreground() override {
        if (foreground_ == 0) {
            return std::nullopt;
        }
        return foreground_;
    }
    std::optional<std::int64_t> owningProcess(platform::WindowId window) override {
        auto it = windows_.find(window);
        return it == windows_.end() ? std::nullopt : std::optional(it->second.process);
    }
    bool isDesktop(platform::WindowId window) override {
        auto it = windows_.find(window);
        return it != windows_.end() && it->second.desktop;
    }
    std::optional<std::string> title(platform::WindowId window) override {
        auto it = windows_.find(window);
        return it == windows_.end() ? std::nullopt : std::optional(it->second.title);
    }
    void setTitle(platform::WindowId window, const std::string& title) override {
        auto it = windows_.find(window);
        if (it != windows_.end() && it->second.title != title) {
            it->second.title = title;
            if (onTitle_) {
                onTitle_(window, title);
            }
        }
    }

    // Opens a window and brings it to the front; gives its identity.
    platform::WindowId open(const std::string& title, bool desktop = false) {
        const platform::WindowId id = nextId_++;
        windows_[id] = Window{title, 1000 + static_cast<std::int64_t>(id), desktop};
        foreground_ = id;
        return id;
    }
    void bringToFront(platform::WindowId window) { foreground_ = window; }
    void setTitleHandler(std::function<void(platform::WindowId, const std::string&)> handler) {
        onTitle_ = std::move(handler);
    }
    const Window* window(platform::WindowId id) const {
        auto it = windows_.find(id);
        return it == windows_.end() ? nullptr : &it->second;
    }

private:
    platform::WindowId foreground_ = 0;
    platform::WindowId nextId_ = 1;
    std::map<platform::WindowId, Window> windows_;
    std::function<void(platform::WindowId, const std::string&)> onTitle_;
};

class FakeSound final : public platform::Sound {
public:
    void beep(platform::Beep kind) override {
        beeps_.push_back(kind);
        if (onBeep_) {
            onBeep_(kind);
        }
    }
    const std::vector<platform::Beep>& beeps() const { return beeps_; }
    int count(platform::Beep kind) const {
        int n = 0;
        for (auto b : beeps_) {
            n += b == kind ? 1 : 0;
        }
        return n;
    }
    void setBeepHandler(std::function<void(platform::Beep)> handler) {
        onBeep_ = std::move(handler);
    }

private:
    std::vector<platform::Beep> beeps_;
    std::function<void(platform::Beep)> onBeep_;
};

class FakePrinting final : public platform::Printing {
public:
    bool print(const platform::PrintJob& job) override {
        jobs_.push_back(job);
        return true;
    }
    void printerSetup() override { ++setupCount_; }
    const std::vector<platform::PrintJob>& jobs() const { return jobs_; }
    int setupCount() const { return setupCount_; }

private:
    std::vector<platform::PrintJob> jobs_;
    int setupCount_ = 0;
};

class FakeClipboard final : public platform::Clipboard {
public:
    void setText(const std::string& text) override { text_ = text; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

class FakePaths final : public platform::Paths {
public:
    // directory must end in '/'.
    explicit FakePaths(std::string directory) : directory_(std::move(directory)) {}
    std::string programFilePath() override { return directory_ + "ruvometer"; }
    std::string programDirectory() override { return directory_; }

private:
    std::string directory_;
};

}  // namespace ruvo::fake
