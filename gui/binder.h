// Binds Qt widgets to the controls of a window model: the widgets show what the model holds,
// re-rendered at every change of the model, and the user's actions on them reach the model
// through the program's action runner (so that an error ends only that action).
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "window_models/window_model.h"

class QAbstractButton;
class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;

namespace ruvo::gui {

// Runs a user action the way the program runs every user action.
using ActionRunner = std::function<void(const std::function<void()>&)>;

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

class Binder {
public:
    Binder(WindowModel& model, ActionRunner run);
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    void checkBox(QCheckBox* widget, CheckBox& control);
    void button(QAbstractButton* widget, Button& control);
    // A text shown read-only; red when the control says so.
    void label(QLabel* widget, TextField& control);
    // An edit field: the typed text reaches the model when the user leaves the field.
    void edit(QLineEdit* widget, TextField& control, int maxLength = 0);
    // An edit field whose every keystroke reaches the model (buttons follow the typing); leaving
    // it is reported as well.
    void liveEdit(QLineEdit* widget, TextField& control, int maxLength = 0);
    // A drop-down list whose text may be typed: picking an item chooses it, typing sets the text.
    void comboBox(QComboBox* widget, ComboBox& control);
    // A drop-down list to choose from, without typing: the model's items, its chosen one shown.
    void chooser(QComboBox* widget, ComboBox& control);
    // A read-only list of rows in any item view (report, list, icons). The view's selection
    // mode is the view's affair; whatever the user selects reaches the model, and the model's
    // selection is shown. `rowIcon` is drawn at the start of every row.
    void list(QAbstractItemView* widget, ListControl& control, const QIcon& rowIcon = QIcon());
    void trackBar(QSlider* widget, TrackBar& control);
    // A cover shown while the panel is visible.
    void panel(QWidget* widget, Panel& control);
    // Any other rendering the view needs at every change.
    void onRender(std::function<void()> render);

    void render();
    const ActionRunner& run() const { return run_; }

private:
    WindowModel& model_;
    ActionRunner run_;
    std::vector<std::function<void()>> renderers_;
    // The receiver of every widget signal the binder handles: its connections end with the
    // binder, also while the window's widgets still send signals as they are torn down.
    QObject receiver_;
};

}  // namespace ruvo::gui
