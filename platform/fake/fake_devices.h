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
    void setMenu(const std::vector<std::string>& items) override { menu_ = items; }
    void setMenuHandler(std::function<void(std::size_t)> handler) override {
        onMenu_ = std::move(handler);
    }

    void click() {
        if (present_ && onClick_) {
            onClick_();
        }
    }
    // The user opens the context menu and chooses the item with this text. False when there is
    // no icon or no such item.
    bool choose(const std::string& item) {
        for (std::size_t i = 0; i < menu_.size(); ++i) {
            if (menu_[i] == item && present_ && onMenu_) {
                onMenu_(i);
                return true;
            }
        }
        return false;
    }
    const std::vector<std::string>& menu() const { return menu_; }
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
    std::vector<std::string> menu_;
    std::function<void()> onClick_;
    std::function<void(std::size_t)> onMenu_;
    std::function<void()> onChange_;
};

// Windows of other programs, set up by the test.
class FakeForegroundWindows final : public platform::ForegroundWindows {
public:
    struct Window {
        std::string title;
        bool desktop = false;
        bool program = false;  // a window of the program under test
    };

    bool available() override { return true; }
    std::optional<platform::FrontWindow> front() override {
        auto it = windows_.find(foreground_);
        if (it == windows_.end()) {
            return std::nullopt;
        }
        return platform::FrontWindow{foreground_, it->second.title, it->second.desktop};
    }
    bool isProgramWindow(platform::WindowId window) override {
        auto it = windows_.find(window);
        return it != windows_.end() && it->second.program;
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
        windows_[id] = Window{title, desktop, false};
        foreground_ = id;
        return id;
    }
    // Opens a window of the program itself, whatever its title, and brings it to the front.
    platform::WindowId openProgramWindow(const std::string& title) {
        const platform::WindowId id = open(title);
        windows_[id].program = true;
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
    platform::PrintOutcome print(const platform::PrintJob& job) override {
        if (current_) {
            return printToPdf(job, *current_);
        }
        if (!printerSetUp_) {
            return platform::PrintOutcome::noPrinter();
        }
        if (printerFailure_) {
            return platform::PrintOutcome::printerFailed(*printerFailure_);
        }
        jobs_.push_back(job);
        destinations_.emplace_back();
        return platform::PrintOutcome::printed();
    }
    platform::PrintOutcome printToPdf(const platform::PrintJob& job,
                                      const std::string& fileName) override {
        auto refused = refusedFiles_.find(fileName);
        if (refused != refusedFiles_.end()) {
            return platform::PrintOutcome::fileFailed(fileName, refused->second);
        }
        jobs_.push_back(job);
        destinations_.push_back(fileName);
        return platform::PrintOutcome::printed(fileName);
    }
    std::optional<std::string> choosePdfFile(const std::string& suggestedName) override {
        suggestedNames_.push_back(suggestedName);
        return pdfFileAnswer_;
    }
    void printerSetup() override {
        ++setupCount_;
        if (setupChoosesPdf_) {
            current_ = setupChoosesPdf_;
        }
    }

    // Whether the machine has a printer; it has one unless a test says otherwise.
    void setPrinterSetUp(bool setUp) { printerSetUp_ = setUp; }
    // From now on the printer refuses every job, for this reason; nothing: it prints again.
    void setPrinterFailure(std::optional<std::string> reason) {
        printerFailure_ = std::move(reason);
    }
    // A PDF file that cannot be written, with the errno value of the failure.
    void refuseFile(const std::string& fileName, int systemError) {
        refusedFiles_[fileName] = systemError;
    }
    // What the PDF file dialog answers: a file, or nothing (cancelled).
    void setPdfFileAnswer(std::optional<std::string> fileName) {
        pdfFileAnswer_ = std::move(fileName);
    }
    // The setup dialog's next runs choose printing into this PDF file.
    void setSetupChoosesPdf(std::string fileName) { setupChoosesPdf_ = std::move(fileName); }

    // Every job printed, and where each went: the empty text for the printer, else the PDF file.
    const std::vector<platform::PrintJob>& jobs() const { return jobs_; }
    const std::vector<std::string>& destinations() const { return destinations_; }
    // The names the PDF file dialog proposed, one per time it was shown.
    const std::vector<std::string>& suggestedNames() const { return suggestedNames_; }
    int setupCount() const { return setupCount_; }

private:
    bool printerSetUp_ = true;
    std::optional<std::string> printerFailure_;
    std::map<std::string, int> refusedFiles_;
    std::optional<std::string> pdfFileAnswer_;
    std::optional<std::string> setupChoosesPdf_;
    std::optional<std::string> current_;
    std::vector<platform::PrintJob> jobs_;
    std::vector<std::string> destinations_;
    std::vector<std::string> suggestedNames_;
    int setupCount_ = 0;
};

// Records the desktop notifications; `setServiceRunning(false)` drops them as a desktop without
// a notification service does.
class FakeNotifications final : public platform::Notifications {
public:
    void notify(const platform::Notification& notification) override {
        if (serviceRunning_) {
            shown_.push_back(notification);
        }
    }
    void setServiceRunning(bool running) { serviceRunning_ = running; }
    const std::vector<platform::Notification>& shown() const { return shown_; }

private:
    bool serviceRunning_ = true;
    std::vector<platform::Notification> shown_;
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
