// The frame of every window of the program: a top-level widget that follows its model's
// visibility (shown and hidden by the program, never destroyed), has the model's caption, and
// tells the model when the user closes it with the title bar's close box.
#pragma once

#include <QDialog>
#include <QMargins>

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

    // Shows the window as its model's showing does: for a view made after its window was shown.
    void present();

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
    // The window comes up without taking the focus from the window the user works in.
    void showWithoutActivating();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;  // Escape

    // Called when the model shows the window, before it is placed on the screen and shown: a
    // view that sizes itself for each showing does it here, so that the placement sees the size.
    virtual void prepareToShow() {}

private:
    // Puts the window, its frame included, inside the available area of its screen: centred
    // (over its parent window, when that is shown) the first time, where it was afterwards.
    void placeOnScreen();

    WindowModel& model_;
    Binder binder_;
    bool activateWhenShown_ = true;
    bool placed_ = false;
    // The window manager's frame as last seen; until then a frame of the usual size.
    QMargins frame_{4, 24, 4, 4};
};

}  // namespace ruvo::gui
