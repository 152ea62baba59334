// The desktop's clipboard (the CLIPBOARD selection under X11). Its text stays available while
// the program runs, or longer when a clipboard manager takes it over.
#pragma once

#include <string>

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopClipboard final : public platform::Clipboard {
public:
    void setText(const std::string& text) override;
};

}  // namespace ruvo::desktop
