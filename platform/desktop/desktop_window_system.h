// Message boxes as QMessageBox with German buttons, modal runs as nested Qt event loops, and the
// end of the program's run.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopWindowSystem final : public platform::WindowSystem {
public:
    // `errorCaption` is the caption of the error box (the program's title).
    explicit DesktopWindowSystem(std::string errorCaption);

    // Runs the box's own nested loop: timers keep firing while it is open. Closing a Ja/Nein box
    // without choosing (Escape, the close box) answers Nein.
    platform::MessageAnswer messageBox(const platform::MessageBox& box) override;
    void errorBox(const std::string& text) override;
    // Runs a nested event loop until the window reports that it is closed or the program quits.
    // The window is asked after each batch of events, just before the loop would sleep, so a
    // close made by any event handler (a click, a timer) ends the loop before the next wait; no
    // wake-up call is needed.
    void runModal(platform::ModalWindow& window) override;
    // Ends every running event loop, nested ones included, with `exitCode`. Asked before the
    // main loop has started, the main loop ends as soon as it starts.
    void quit(int exitCode) override;
    // The Qt file dialog, in front of the window that is active.
    std::optional<std::string> chooseFileToOpen(const std::string& caption,
                                                const std::string& folder,
                                                const std::string& suggestedName,
                                                const std::string& filter) override;

    bool quitRequested() const { return quitRequested_; }
    int exitCode() const { return exitCode_; }

private:
    std::string errorCaption_;
    bool quitRequested_ = false;
    int exitCode_ = 0;
};

}  // namespace ruvo::desktop
