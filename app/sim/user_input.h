// What the scripted user does to a control, as the desktop's widgets do it: a click on a button or
// check box, a check box set to a state, a track bar moved, a text typed into an edit field and
// left. Only the generic control kinds of the window models are known here, so new windows and
// controls are reached without changes.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "window_models/window_model.h"

namespace ruvo::sim {

// Why the action does not fit the control, or nothing when it can be done. A disabled control
// fits but ignores the action, as on the desktop.
std::optional<std::string> CheckClick(const Control& control);
std::optional<std::string> CheckSet(const Control& control, const std::string& value);

// Performs the action (checked before). Runs the program's handlers.
void Click(Control& control);
void Set(Control& control, const std::string& value);

// For `set WINDOW.CONTROL VALUE`: the control whose name begins the text (the longest that is
// followed by a blank or the end), and the value after the blank. Nothing when no name fits.
std::optional<std::pair<Control*, std::string>> SplitSetTarget(const WindowModel& window,
                                                               const std::string& text);

// "check box", "button", "edit field", "label", "track bar 0..30"; what the help lists.
std::string DescribeKind(const Control& control);
// The caption of a check box or button; empty for other controls.
std::string DescribeCaption(const Control& control);

}  // namespace ruvo::sim
