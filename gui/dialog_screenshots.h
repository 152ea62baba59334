// Pictures of the dialogs for the documentation: each window is built on a model filled with
// sample figures and written as a PNG file. Needs a running QApplication (the offscreen platform
// is enough).
#pragma once

#include <string>

namespace ruvo::gui {

// Writes counterWindow-verbindung.png, counterWindow-budgetstatus.png, counterWindow-warnungen.png,
// summaryWindow.png, recoveryWindow.png, autostartQuestionWindow.png, budgetClosureWindow.png and
// newBudgetWindow.png into the folder, which must exist. Returns false if a file could not be
// written.
bool RenderDialogScreenshots(const std::string& folder);

}  // namespace ruvo::gui
