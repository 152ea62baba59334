// The autostart question (Form5): whether the program should start with every log-in. Modal,
// always on top; "&Ja" is the default button, and closing the window in any way counts as a
// close of the question.
#pragma once

#include "gui/window_view.h"
#include "window_models/autostart_question.h"

namespace ruvo::gui {

class AutostartQuestionView final : public WindowView {
    Q_OBJECT

public:
    AutostartQuestionView(AutostartQuestion& model, ActionRunner run, QWidget* parent = nullptr);
};

}  // namespace ruvo::gui
