#include "window_models/window_model.h"

#include <algorithm>
#include <utility>

namespace ruvo {

Control::Control(WindowModel& owner, std::string name) : owner_(owner), name_(std::move(name)) {
    owner_.registerControl(*this);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        changed();
    }
}

void Control::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        changed();
    }
}

void Control::changed() {
    owner_.changed();
}

CheckBox::CheckBox(WindowModel& owner, std::string name, std::string caption, bool checked)
    : Control(owner, std::move(name)), caption_(std::move(caption)), checked_(checked) {}

void CheckBox::setCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        changed();
    }
}

void CheckBox::setChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    changed();
    if (onClick) {
        onClick();
    }
}

void CheckBox::setCheckedQuietly(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        changed();
    }
}

void CheckBox::click() {
    if (enabled()) {
        setChecked(!checked_);
    }
}

Button::Button(WindowModel& owner, std::string name, std::string caption)
    : Control(owner, std::move(name)), caption_(std::move(caption)) {}

void Button::setCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        changed();
    }
}

void Button::click() {
    if (enabled() && onClick) {
        onClick();
    }
}

TextField::TextField(WindowModel& owner, std::string name, std::string text, bool editable)
    : Control(owner, std::move(name)), text_(std::move(text)), editable_(editable) {}

void TextField::setText(const std::string& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    changed();
    if (onChange) {
        onChange();
    }
}

void TextField::setRed(bool red) {
    if (red_ != red) {
        red_ = red;
        changed();
    }
}

void TextField::enter(const std::string& text) {
    setText(text);
    if (onExit) {
        onExit();
    }
}

TrackBar::TrackBar(WindowModel& owner, std::string name, int minimum, int maximum)
    : Control(owner, std::move(name)), minimum_(minimum), maximum_(maximum), position_(minimum) {}

void TrackBar::setPosition(int position) {
    position = std::clamp(position, minimum_, maximum_);
    if (position_ == position) {
        return;
    }
    position_ = position;
    changed();
    if (onChange) {
        onChange();
    }
}

ComboBox::ComboBox(WindowModel& owner, std::string name, std::vector<std::string> items,
                   std::string text)
    : Control(owner, std::move(name)), items_(std::move(items)), text_(std::move(text)) {}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    chosen_ = -1;
    changed();
}

int ComboBox::itemIndex() const {
    const auto it = std::find(items_.begin(), items_.end(), text_);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int ComboBox::selectedIndex() const {
    if (chosen_ >= 0 && static_cast<std::size_t>(chosen_) < items_.size() &&
        items_[static_cast<std::size_t>(chosen_)] == text_) {
        return chosen_;
    }
    return itemIndex();
}

void ComboBox::setText(const std::string& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    changed();
    if (onChange) {
        onChange();
    }
}

void ComboBox::choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
        return;
    }
    chosen_ = index;
    setText(items_[static_cast<std::size_t>(index)]);
    if (onClick) {
        onClick();
    }
}

ListControl::ListControl(WindowModel& owner, std::string name, std::vector<std::string> columns)
    : Control(owner, std::move(name)), columns_(std::move(columns)) {}

void ListControl::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    selected_.assign(rows_.size(), false);
    selectionChanged();
}

void ListControl::setSelected(std::size_t row, bool selected) {
    if (row >= selected_.size() || selected_[row] == selected) {
        return;
    }
    selected_[row] = selected;
    selectionChanged();
}

void ListControl::selectOnly(std::size_t row) {
    std::vector<bool> wanted(rows_.size(), false);
    if (row < wanted.size()) {
        wanted[row] = true;
    }
    if (wanted != selected_) {
        selected_ = std::move(wanted);
        selectionChanged();
    }
}

void ListControl::setSelection(std::vector<bool> selected) {
    selected.resize(rows_.size(), false);
    if (selected != selected_) {
        selected_ = std::move(selected);
        selectionChanged();
    }
}

void ListControl::selectAll() {
    std::vector<bool> all(rows_.size(), true);
    if (all != selected_) {
        selected_ = std::move(all);
        selectionChanged();
    }
}

void ListControl::clearSelection() {
    std::vector<bool> none(rows_.size(), false);
    if (none != selected_) {
        selected_ = std::move(none);
        selectionChanged();
    }
}

int ListControl::firstSelected() const {
    const auto it = std::find(selected_.begin(), selected_.end(), true);
    return it == selected_.end() ? -1 : static_cast<int>(it - selected_.begin());
}

std::size_t ListControl::selectedCount() const {
    return static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), true));
}

void ListControl::selectionChanged() {
    changed();
    if (onSelectionChange) {
        onSelectionChange();
    }
}

WindowModel::WindowModel(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void WindowModel::setCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        changed();
    }
}

void WindowModel::show() {
    if (!visible_) {
        visible_ = true;
        notify(WindowEvent::Shown);
    }
}

void WindowModel::hide() {
    if (visible_) {
        visible_ = false;
        notify(WindowEvent::Hidden);
    }
}

Control* WindowModel::control(const std::string& name) const {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Control* c) { return c->name() == name; });
    return it == controls_.end() ? nullptr : *it;
}

void WindowModel::changed() {
    notify(WindowEvent::Changed);
}

void WindowModel::notify(WindowEvent event) {
    // Observers may add observers; iterate by index over a stable count.
    const std::size_t count = observers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        observers_[i](*this, event);
    }
}

}  // namespace ruvo
