// The state of one window of the program and of its controls, without any drawing. A view (gui/)
// renders it and forwards the user's actions; the simulator addresses the controls by name.
//
// Controls behave like the window framework's: setting a check box, an edit field or a track bar
// to a new value runs its change action, whoever set it; a button runs its action when clicked.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace ruvo {

class WindowModel;

class Control {
public:
    Control(WindowModel& owner, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Hidden controls hold state the user never sees (the monitor's trigger boxes).
    bool visible() const { return visible_; }
    void setVisible(bool visible);

protected:
    void changed();

private:
    WindowModel& owner_;
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
};

class CheckBox final : public Control {
public:
    CheckBox(WindowModel& owner, std::string name, std::string caption, bool checked = false);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool checked() const { return checked_; }
    // Runs the click action when the state changes.
    void setChecked(bool checked);
    // Sets the state without running the click action.
    void setCheckedQuietly(bool checked);
    // The user's click: toggles when enabled.
    void click();
    std::function<void()> onClick;

private:
    std::string caption_;
    bool checked_;
};

class Button final : public Control {
public:
    Button(WindowModel& owner, std::string name, std::string caption);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    // Runs the action when enabled.
    void click();
    std::function<void()> onClick;

private:
    std::string caption_;
};

// A text shown to the user, or a hidden text field that carries a value between routines.
class TextField final : public Control {
public:
    TextField(WindowModel& owner, std::string name, std::string text = "", bool editable = false);
    const std::string& text() const { return text_; }
    bool editable() const { return editable_; }
    // Shown in red (an exceeded budget) instead of the normal text colour.
    bool red() const { return red_; }
    void setRed(bool red);
    // Runs the change action when the text changes.
    void setText(const std::string& text);
    // The user types the text and leaves the field.
    void enter(const std::string& text);
    std::function<void()> onChange;
    std::function<void()> onExit;

private:
    std::string text_;
    bool editable_;
    bool red_ = false;
};

// A panel that covers other controls while it is visible ("Kein Budget festgelegt").
class Panel final : public Control {
public:
    Panel(WindowModel& owner, std::string name, std::string caption)
        : Control(owner, std::move(name)), caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }

private:
    std::string caption_;
};

class TrackBar final : public Control {
public:
    TrackBar(WindowModel& owner, std::string name, int minimum, int maximum);
    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Clamped to the range; runs the change action when the position changes.
    void setPosition(int position);
    std::function<void()> onChange;

private:
    int minimum_;
    int maximum_;
    int position_;
};

// A drop-down list whose text may also be typed.
class ComboBox final : public Control {
public:
    ComboBox(WindowModel& owner, std::string name, std::vector<std::string> items,
             std::string text = "");
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    const std::string& text() const { return text_; }
    // The position of the text among the items (the first equal one), or -1.
    int itemIndex() const;
    // The item picked last from the list while the text is still that item's (it tells equal
    // items apart); otherwise itemIndex().
    int selectedIndex() const;
    // The text is typed: runs the change action when it changes.
    void setText(const std::string& text);
    // The user picks item `index` from the list: the text changes, then the click action runs.
    void choose(int index);
    std::function<void()> onChange;
    std::function<void()> onClick;

private:
    std::vector<std::string> items_;
    std::string text_;
    int chosen_ = -1;
};

// A list of rows of texts with a selection of any number of rows.
class ListControl final : public Control {
public:
    using Row = std::vector<std::string>;
    ListControl(WindowModel& owner, std::string name, std::vector<std::string> columns);
    const std::vector<std::string>& columns() const { return columns_; }
    const std::vector<Row>& rows() const { return rows_; }
    // Replaces the rows; nothing is selected afterwards.
    void setRows(std::vector<Row> rows);
    bool selected(std::size_t row) const { return row < selected_.size() && selected_[row]; }
    // Runs the selection action when the selection changes.
    void setSelected(std::size_t row, bool selected);
    void selectOnly(std::size_t row);
    // Sets every row's selection at once (a range the user dragged over); runs the selection
    // action once when anything changed. Rows beyond `selected` are not selected.
    void setSelection(std::vector<bool> selected);
    void selectAll();
    void clearSelection();
    // The first selected row, or -1.
    int firstSelected() const;
    std::size_t selectedCount() const;
    std::function<void()> onSelectionChange;

private:
    void selectionChanged();
    std::vector<std::string> columns_;
    std::vector<Row> rows_;
    std::vector<bool> selected_;
};

enum class WindowEvent { Shown, Hidden, Changed };

class WindowModel : public platform::ModalWindow {
public:
    WindowModel(std::string name, std::string caption);
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    std::string windowName() const override { return name_; }
    bool isOpen() const override { return visible_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool visible() const { return visible_; }
    void show();
    void hide();

    // The control of that name, or nullptr.
    Control* control(const std::string& name) const;
    const std::vector<Control*>& controls() const { return controls_; }

    using Observer = std::function<void(const WindowModel&, WindowEvent)>;
    void addObserver(Observer observer) { observers_.push_back(std::move(observer)); }
    // Tells the observers that something shown changed.
    void changed();

private:
    friend class Control;
    void registerControl(Control& control) { controls_.push_back(&control); }
    void notify(WindowEvent event);

    std::string name_;
    std::string caption_;
    bool visible_ = false;
    std::vector<Control*> controls_;
    // A deque: an observer may add observers while it runs (a view made when its window is first
    // shown), and the one running must stay where it is.
    std::deque<Observer> observers_;
};

}  // namespace ruvo
