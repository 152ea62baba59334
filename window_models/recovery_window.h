// The crash recovery dialog (Form14): offers to save the connection that the last run could not
// settle, and saves it by itself after a 45-second countdown.
#pragma once

#include <functional>

#include "window_models/window_model.h"

namespace ruvo {

class RecoveryWindow final : public WindowModel {
public:
    RecoveryWindow() : WindowModel("Form14", "Quelmar Ruvometer - Wiederherstellen") {
        saveButton.onClick = [this] {
            if (onSave) {
                onSave();
            }
        };
        discardButton.onClick = [this] {
            if (onDiscard) {
                onDiscard();
            }
        };
    }

    Button saveButton{*this, "Button1", "&Speichern in 45 Sek"};  // default button: Enter
    Button discardButton{*this, "Button2", "Verwer&fen"};         // cancel button: Escape

    // The close box of the title bar.
    void closeBox() {
        if (visible() && onCloseBox) {
            onCloseBox();
        }
    }

    std::function<void()> onSave;
    std::function<void()> onDiscard;
    std::function<void()> onCloseBox;
};

}  // namespace ruvo
