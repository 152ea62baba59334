// The names by which the program knows itself.
#pragma once

namespace ruvo {

// Name of the settings key, of the autostart entry and caption of the main window.
inline constexpr const char* VersionName = "Ruvometer 2.3";
// Application title, lock name, tray tip and caption of every message box.
inline constexpr const char* ApplicationTitle = "Quelmar Ruvometer";
// The maker's settings key under the user's hive; VersionName follows it.
inline constexpr const char* MakerKey = R"(Software\Quelmar\)";
// The machine's autostart key.
inline constexpr const char* RunKey = R"(Software\Microsoft\Windows\CurrentVersion\Run)";

}  // namespace ruvo

namespace ruvo {

// Where users are asked to send a short note that they use the program.
inline constexpr const char* FeedbackMailAddress = "ruvometer@example.org";

}  // namespace ruvo
