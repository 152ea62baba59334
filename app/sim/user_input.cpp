#include "app/sim/user_input.h"

#include <cctype>
#include <charconv>

namespace ruvo::sim {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> Integer(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::string> CheckClick(const Control& control) {
    if (dynamic_cast<const Button*>(&control) != nullptr ||
        dynamic_cast<const CheckBox*>(&control) != nullptr ||
        dynamic_cast<const TextField*>(&control) != nullptr ||
        dynamic_cast<const TrackBar*>(&control) != nullptr) {
        return std::nullopt;
    }
    return "the simulator cannot click a control of this kind";
}

void Click(Control& control) {
    if (auto* button = dynamic_cast<Button*>(&control)) {
        button->click();
    } else if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        box->click();
    }
    // A click into a text or on a track bar only gives it the focus.
}

std::optional<std::string> CheckSet(const Control& control, const std::string& value) {
    if (dynamic_cast<const CheckBox*>(&control) != nullptr) {
        const std::string state = Trimmed(value);
        if (state != "0" && state != "1") {
            return "a check box is set to 1 or 0, not '" + value + "'";
        }
        return std::nullopt;
    }
    if (dynamic_cast<const TrackBar*>(&control) != nullptr) {
        if (!Integer(Trimmed(value))) {
            return "a track bar is set to a whole number, not '" + value + "'";
        }
        return std::nullopt;
    }
    if (const auto* field = dynamic_cast<const TextField*>(&control)) {
        if (!field->editable()) {
            return "it is a label: nothing can be typed into it";
        }
        return std::nullopt;
    }
    if (dynamic_cast<const Button*>(&control) != nullptr) {
        return "it is a button: click it";
    }
    return "the simulator cannot set a control of this kind";
}

void Set(Control& control, const std::string& value) {
    if (!control.enabled()) {
        return;
    }
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        if (box->checked() != (Trimmed(value) == "1")) {
            box->click();
        }
    } else if (auto* bar = dynamic_cast<TrackBar*>(&control)) {
        bar->setPosition(Integer(Trimmed(value)).value_or(bar->position()));
    } else if (auto* field = dynamic_cast<TextField*>(&control)) {
        field->enter(value);
    }
}

std::optional<std::pair<Control*, std::string>> SplitSetTarget(const WindowModel& window,
                                                               const std::string& text) {
    Control* best = nullptr;
    for (Control* control : window.controls()) {
        const std::string& name = control->name();
        const bool begins =
            text.rfind(name, 0) == 0 &&
            (text.size() == name.size() || text[name.size()] == ' ' || text[name.size()] == '\t');
        if (begins && (best == nullptr || name.size() > best->name().size())) {
            best = control;
        }
    }
    if (best == nullptr) {
        return std::nullopt;
    }
    std::size_t valueStart = best->name().size();
    while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t')) {
        ++valueStart;
    }
    return std::pair{best, text.substr(valueStart)};
}

std::string DescribeKind(const Control& control) {
    if (dynamic_cast<const CheckBox*>(&control) != nullptr) {
        return "check box";
    }
    if (dynamic_cast<const Button*>(&control) != nullptr) {
        return "button";
    }
    if (const auto* field = dynamic_cast<const TextField*>(&control)) {
        return field->editable() ? "edit field" : "label";
    }
    if (const auto* bar = dynamic_cast<const TrackBar*>(&control)) {
        return "track bar " + std::to_string(bar->minimum()) + ".." +
               std::to_string(bar->maximum());
    }
    return "control";
}

std::string DescribeCaption(const Control& control) {
    if (const auto* box = dynamic_cast<const CheckBox*>(&control)) {
        return box->caption();
    }
    if (const auto* button = dynamic_cast<const Button*>(&control)) {
        return button->caption();
    }
    return "";
}

}  // namespace ruvo::sim
