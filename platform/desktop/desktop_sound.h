// Both beeps are the desktop's bell: Linux desktops have one system sound for it.
#pragma once

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopSound final : public platform::Sound {
public:
    void beep(platform::Beep kind) override;
};

}  // namespace ruvo::desktop
