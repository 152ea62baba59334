#include "core/window_model.h"

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

void Control::changed() { owner_.changed(); }

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

void WindowModel::changed() { notify(WindowEvent::Changed); }

void WindowModel::notify(WindowEvent event) {
    // Observers may add observers; iterate by index over a stable count.
    const std::size_t count = observers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        observers_[i](*this, event);
    }
}

}  // namespace ruvo
