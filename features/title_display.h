// Appends the running charges, online time and seconds left to the title of the window in front,
// gives a window its own title back when another comes to the front, and gives the window
// decorated last its title back when the connection ends.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace ruvo {

struct TitleOptions {
    bool charges = false;      // " - 1,23 DM"
    bool onlineTime = false;   // " - 00:05:12"
    bool secondsLeft = false;  // " - Rest 47 Sek"
};

// The suffix for the given running figures, e.g. " - 1,23 DM - 00:05:12 - Rest 47 Sek".
std::string TitleSuffix(const TitleOptions& options, std::int32_t totalPfennig,
                        std::int32_t elapsedSeconds, std::int32_t secondsLeft);

class TitleDisplay {
public:
    explicit TitleDisplay(platform::ForegroundWindows& windows) : windows_(windows) {}

    // Decorates the window in front with the suffix. In clear mode nothing is added; the window
    // decorated last gets its title back when another window is in front. The program's own
    // windows and the desktop are never decorated.
    void applyTitleSuffix(const std::string& suffix, bool clearMode);
    // Gives the window decorated last its own title back, whatever window is in front, and
    // forgets it: no suffix is left behind once no tick renews it.
    void RestoreTitle();

private:
    // Gives the remembered window its title back while it still shows the decoration.
    void RestoreRemembered();

    platform::ForegroundWindows& windows_;
    std::string rememberedTitle_;
    platform::WindowId rememberedWindow_ = 0;
};

}  // namespace ruvo
