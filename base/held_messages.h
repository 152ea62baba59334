// A window system that can hold back the program's notices for a while: the first tick loads
// the holidays, the options and the tariffs one after another, and a notice shown by one of them
// runs a nested loop in which the monitor keeps polling. Held back until everything is loaded, no
// connection that starts meanwhile is counted with tariffs or options not yet in force.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/platform.h"

namespace ruvo {

class HeldMessages final : public platform::WindowSystem {
public:
    explicit HeldMessages(platform::WindowSystem& windows) : windows_(windows) {}

    // From now on notices (boxes with only OK, and error boxes) wait for release().
    void hold() { holding_ = true; }
    // Shows the notices held back, in the order they came, and lets later ones through.
    void release();

    // A question needs its answer at once and goes through even while holding.
    platform::MessageAnswer messageBox(const platform::MessageBox& box) override;
    void errorBox(const std::string& text) override;
    void runModal(platform::ModalWindow& window) override { windows_.runModal(window); }
    void quit(int exitCode) override { windows_.quit(exitCode); }
    std::optional<std::string> chooseFileToOpen(const std::string& caption,
                                                const std::string& folder,
                                                const std::string& suggestedName,
                                                const std::string& filter) override {
        return windows_.chooseFileToOpen(caption, folder, suggestedName, filter);
    }

private:
    struct ErrorText {
        std::string text;
    };
    platform::WindowSystem& windows_;
    bool holding_ = false;
    std::vector<std::variant<platform::MessageBox, ErrorText>> held_;
};

}  // namespace ruvo
