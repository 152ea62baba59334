// Message boxes and modal windows answered by a scripted user. Every box is recorded; the user's
// handlers may let virtual time pass before answering, which is how a box left open for a while
// is simulated.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace ruvo::fake {

class FakeWindowSystem final : public platform::WindowSystem {
public:
    using MessageHandler = std::function<platform::MessageAnswer(const platform::MessageBox&)>;
    using ModalHandler = std::function<void(platform::ModalWindow&)>;
    // Gets the folder and the preselected name; gives the chosen path or nothing (cancelled).
    using FileHandler = std::function<std::optional<std::string>(const std::string& folder,
                                                                 const std::string& name)>;

    platform::MessageAnswer messageBox(const platform::MessageBox& box) override;
    void errorBox(const std::string& text) override;
    void runModal(platform::ModalWindow& window) override;
    void quit(int exitCode) override;
    std::optional<std::string> chooseFileToOpen(const std::string& caption,
                                                const std::string& folder,
                                                const std::string& suggestedName,
                                                const std::string& filter) override;

    // Answers every message box; without one, OK boxes are answered OK and questions Ja.
    void setMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }
    // Acts in a modal window until it closes. Without one, or when the handler returns with the
    // window still open, runModal throws std::logic_error: nobody would ever close it.
    void setModalHandler(ModalHandler handler) { onModal_ = std::move(handler); }
    // Chooses in the file chooser; without one, the user takes the preselected file.
    void setFileHandler(FileHandler handler) { onFile_ = std::move(handler); }
    // Called when an error box is shown, after it is recorded.
    void setErrorHandler(std::function<void(const std::string&)> handler) {
        onError_ = std::move(handler);
    }

    const std::vector<platform::MessageBox>& messages() const { return messages_; }
    const std::vector<std::string>& errors() const { return errors_; }
    // The texts of the message boxes shown so far.
    std::vector<std::string> messageTexts() const;
    bool quitRequested() const { return quitRequested_; }
    int exitCode() const { return exitCode_; }
    // The captions of the file choosers shown so far.
    const std::vector<std::string>& fileChoosers() const { return fileChoosers_; }

private:
    MessageHandler onMessage_;
    ModalHandler onModal_;
    FileHandler onFile_;
    std::vector<std::string> fileChoosers_;
    std::function<void(const std::string&)> onError_;
    std::vector<platform::MessageBox> messages_;
    std::vector<std::string> errors_;
    bool quitRequested_ = false;
    int exitCode_ = 0;
};

}  // namespace ruvo::fake
