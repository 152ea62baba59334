// Pictures of the dialogs for the documentation: each window is built on a model filled with
// sample figures and written as a PNG file. Needs a running QApplication (the offscreen platform
// is enough).
#pragma once

#include <string>

namespace ruvo::gui {

// Writes form6-verbindung.png, form6-budgetstatus.png, form6-warnungen.png, form4.png,
// form14.png, form5.png, form3.png and form9.png into the folder, which must exist.
// Returns false if a file could not be written.
bool RenderDialogScreenshots(const std::string& folder);

}  // namespace ruvo::gui
