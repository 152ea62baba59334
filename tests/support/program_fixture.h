// A machine with the fake platform, a temporary data folder and the program on it, for scenario
// tests that run the whole program in virtual time.
#pragma once

#include <algorithm>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "base/settings_store.h"
#include "base/settings_table.h"
#include "domain/calendar.h"
#include "platform/fake/fake_platform.h"
#include "program/application.h"
#include "tests/support/stalling_clock.h"
#include "tests/support/temp_folder.h"

namespace ruvo::testing {

inline platform::LocalDateTime At(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    return {y, mo, d, h, mi, s};
}

class ProgramTest : public ::testing::Test {
protected:
    explicit ProgramTest(platform::LocalDateTime start = At(1999, 12, 7, 10, 0, 0))
        : machine_(start, directory_) {
        machine_.windowSystem.setModalHandler([this](platform::ModalWindow& window) {
            auto it = modalActions_.find(window.windowName());
            if (it == modalActions_.end()) {
                FAIL() << "no action for modal window " << window.windowName();
                throw std::logic_error("unexpected modal window");
            }
            it->second();
        });
    }

    ~ProgramTest() override { kill(); }

    // Starts the program as from the desktop; gives what start() gave.
    bool startProgram() {
        if (app_) {
            // Another instance is running: this one must meet the instance check and end.
            fake::FakeProcess process(machine_);
            Ruvometer second(process.platform());
            const bool started = second.start();
            process.end();
            return started;
        }
        process_ = std::make_unique<fake::FakeProcess>(machine_);
        platform::Platform& p = process_->platform();
        platform::Platform stallable{clock_,
                                     p.timers,
                                     p.registry,
                                     p.instanceLock,
                                     p.hostAddresses,
                                     p.tray,
                                     p.foregroundWindows,
                                     p.sound,
                                     p.printing,
                                     p.clipboard,
                                     p.paths,
                                     p.windowSystem,
                                     p.notifications};
        app_ = std::make_unique<Ruvometer>(stallable);
        return app_->start();
    }

    // The program dies at once.
    void kill() {
        app_.reset();
        if (process_) {
            process_->end();
        }
        process_.reset();
    }

    void wait(double seconds) { machine_.time.advanceSeconds(seconds); }
    // The program is held up for whole seconds: its timers fire late, once, at the next wait.
    void stall(int seconds) { clock_.stall(seconds); }

    // What the user does when a modal window of that name opens.
    void onModal(const std::string& window, std::function<void()> action) {
        modalActions_[window] = std::move(action);
    }

    std::string setting(const std::string& name) {
        return machine_.registry
            .readString(platform::Hive::CurrentUser, SettingsStore::settingsKey(), name)
            .value_or("<absent>");
    }
    void putSetting(const std::string& name, const std::string& text) {
        machine_.registry.writeString(platform::Hive::CurrentUser, SettingsStore::settingsKey(),
                                      name, text);
    }
    // Settings as a fresh start leaves them, so that no first-start question is due.
    void prepareSettledSettings() {
        ResetAllSettings(settingsStore_, ResetMoment{TodayText(machine_.time.now()), 1});
        putSetting("RESETALLSETTINGS", "1");
        putSetting("EMailQuestion", "asked");
        putSetting("AskAutostartQuestion", "0");
        putSetting("Offline IPs", "1");
        putSetting("WochenBudgetAN", "0");
        putSetting("MonatsBudgetAN", "0");
    }

    // How many message boxes since the `first` one held `part` in their text.
    std::size_t messagesContaining(const std::string& part, std::size_t first = 0) {
        const auto texts = machine_.windowSystem.messageTexts();
        return static_cast<std::size_t>(std::count_if(
            texts.begin() + static_cast<std::ptrdiff_t>(first), texts.end(),
            [&](const std::string& text) { return text.find(part) != std::string::npos; }));
    }

    std::string file(const std::string& name) const { return ReadBytes(directory_ + name); }
    void writeFile(const std::string& name, const std::string& bytes) const {
        WriteBytes(directory_ + name, bytes);
    }

    Ruvometer& app() { return *app_; }
    fake::FakeMachine& machine() { return machine_; }
    const std::string& directory() const { return directory_; }

private:
    TempFolder folder_;  // made first, removed last
    std::string directory_ = folder_.directory();
    fake::FakeMachine machine_;
    StallingClock clock_{machine_.time};
    std::unique_ptr<fake::FakeProcess> process_;
    std::unique_ptr<Ruvometer> app_;
    std::map<std::string, std::function<void()>> modalActions_;
    SettingsStore settingsStore_{machine_.registry};
};

}  // namespace ruvo::testing
