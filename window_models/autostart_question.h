// The autostart question (Form5): asks whether the program should start at every log-in.
#pragma once

#include <functional>

#include "base/identity.h"
#include "window_models/window_model.h"

namespace ruvo {

class AutostartQuestion final : public WindowModel {
public:
    AutostartQuestion() : WindowModel("Form5", ApplicationTitle) {
        yes.onClick = [this] {
            if (onYes) {
                onYes();
            }
            close();
        };
        no.onClick = [this] { close(); };
    }

    CheckBox askAtEveryStart{*this, "CheckBox1", "Frage bei jedem Start stellen", true};
    Button yes{*this, "Ja", "&Ja"};  // the default button
    Button no{*this, "Nein", "&Nein"};

    // The close box of the title bar; the buttons close the window too.
    void close() {
        if (!visible()) {
            return;
        }
        hide();
        if (onClose) {
            onClose(askAtEveryStart.checked());
        }
    }

    std::function<void()> onYes;
    // Whenever the window closes, with the state of "Frage bei jedem Start stellen".
    std::function<void(bool askAgain)> onClose;
};

}  // namespace ruvo
