#include "platform/fake/fake_window_system.h"

#include <stdexcept>

namespace ruvo::fake {

platform::MessageAnswer FakeWindowSystem::messageBox(const platform::MessageBox& box) {
    messages_.push_back(box);
    if (onMessage_) {
        return onMessage_(box);
    }
    return box.buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                       : platform::MessageAnswer::Yes;
}

void FakeWindowSystem::errorBox(const std::string& text) {
    errors_.push_back(text);
    if (onError_) {
        onError_(text);
    }
}

void FakeWindowSystem::runModal(platform::ModalWindow& window) {
    if (!window.isOpen()) {
        return;
    }
    if (!onModal_) {
        throw std::logic_error("modal window " + window.windowName() +
                               " shown, nobody to close it");
    }
    onModal_(window);
    if (window.isOpen()) {
        throw std::logic_error("modal window " + window.windowName() + " left open");
    }
}

void FakeWindowSystem::quit(int exitCode) {
    quitRequested_ = true;
    exitCode_ = exitCode;
}

std::optional<std::string> FakeWindowSystem::chooseFileToOpen(const std::string& caption,
                                                              const std::string& folder,
                                                              const std::string& suggestedName,
                                                              const std::string& /*filter*/) {
    fileChoosers_.push_back(caption);
    if (onFile_) {
        return onFile_(folder, suggestedName);
    }
    return folder + suggestedName;
}

std::vector<std::string> FakeWindowSystem::messageTexts() const {
    std::vector<std::string> texts;
    texts.reserve(messages_.size());
    for (const auto& m : messages_) {
        texts.push_back(m.text);
    }
    return texts;
}

}  // namespace ruvo::fake
