#include "platform/desktop/desktop_sound.h"

#include <QApplication>

namespace ruvo::desktop {

void DesktopSound::beep(platform::Beep /*kind*/) {
    QApplication::beep();
}

}  // namespace ruvo::desktop
