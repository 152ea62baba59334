// The start-up window (Form2): a borderless card, always on top and centred, shown while the
// stored state is checked at start-up.
#pragma once

#include <functional>

#include "gui/window_view.h"
#include "window_models/startup_window.h"

namespace ruvo::gui {

// The red part of the background line at column x of a window of that width; green is 120 and
// blue 255. Integer arithmetic, truncating toward zero, kept to the low 8 bits.
int StartupLineRed(int x, int width);

class StartupWindowView final : public WindowView {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 344;
    static constexpr int ClientHeight = 184;

    // closeRequested: the system asks to close the window (log-off, shutdown, Alt+F4); the
    // program ends.
    StartupWindowView(StartupWindow& model, ActionRunner run, std::function<void()> closeRequested,
                      QWidget* parent = nullptr);

protected:
    void reject() override;  // Escape does not close the start-up window
};

}  // namespace ruvo::gui
