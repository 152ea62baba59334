// The frame of every window of the program: a top-level widget that follows its model's
// visibility (shown and hidden by the program, never destroyed), has the model's caption, and
// tells the model when the user closes it with the title bar's close box.
#pragma once

#include <QDialog>

#include <functional>

#include "gui/binder.h"
#include "window_models/window_model.h"

namespace ruvo::gui {

class WindowView : public QDialog {
    Q_OBJECT

public:
    WindowView(WindowModel& model, ActionRunner run, QWidget* parent = nullptr);

    Binder& binder() { return binder_; }
    WindowModel& model() { return model_; }

    // What the close box does; by default the window is hidden.
    std::function<void()> onCloseBox;
    // Fixed client size as the window's design gives it.
    void setClientSize(int width, int height);
    // First size of a resizable window whose design gives its size with the frame: the frame
    // of a classic window (4 pixels each side, a 23-pixel title bar) is taken off.
    void resizeWithFrame(int width, int height);
    // The frame of a dialog: a title bar with the close box only (no minimise, no maximise).
    // Call before adding other window flags.
    void useDialogFrame();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape

private:
    WindowModel& model_;
    Binder binder_;
};

}  // namespace ruvo::gui
