#include "base/held_messages.h"

#include <utility>

namespace ruvo {

void HeldMessages::release() {
    holding_ = false;
    // A notice shown here runs a nested loop that may hold and release again: take the list.
    auto held = std::exchange(held_, {});
    for (const auto& notice : held) {
        if (const auto* box = std::get_if<platform::MessageBox>(&notice)) {
            windows_.messageBox(*box);
        } else {
            windows_.errorBox(std::get<ErrorText>(notice).text);
        }
    }
}

platform::MessageAnswer HeldMessages::messageBox(const platform::MessageBox& box) {
    if (holding_ && box.buttons == platform::MessageButtons::Ok) {
        held_.push_back(box);
        return platform::MessageAnswer::Ok;
    }
    return windows_.messageBox(box);
}

void HeldMessages::errorBox(const std::string& text) {
    if (holding_) {
        held_.push_back(ErrorText{text});
        return;
    }
    windows_.errorBox(text);
}

}  // namespace ruvo
