// Message boxes as the program shows them: captioned with the application title.
#pragma once

#include <string>

#include "base/identity.h"
#include "platform/platform.h"

namespace ruvo {

inline void Inform(platform::WindowSystem& windows, const std::string& text,
                   platform::MessageIcon icon = platform::MessageIcon::Information) {
    windows.messageBox({ApplicationTitle, text, icon, platform::MessageButtons::Ok});
}

// A Ja/Nein question; true for Ja.
inline bool AskYesNo(platform::WindowSystem& windows, const std::string& text) {
    return windows.messageBox({ApplicationTitle, text, platform::MessageIcon::Question,
                               platform::MessageButtons::YesNo}) == platform::MessageAnswer::Yes;
}

}  // namespace ruvo
