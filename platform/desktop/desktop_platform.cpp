#include "platform/desktop/desktop_platform.h"

#include <QPageSize>

namespace ruvo::desktop {

namespace {

std::unique_ptr<DesktopPrinting> MakePrinting(const std::optional<std::string>& pdfOutput) {
    if (pdfOutput) {
        return std::make_unique<DesktopPrinting>(*pdfOutput, QPageSize(QPageSize::A4));
    }
    return std::make_unique<DesktopPrinting>();
}

}  // namespace

DesktopPlatform::DesktopPlatform(const DesktopSetup& setup)
    : registry_(setup.folders.configHome, setup.applicationTitle),
      instanceLock_(setup.folders.runtimeDir),
      foregroundWindows_(setup.displayName),
      printing_(MakePrinting(setup.pdfOutput)),
      paths_(setup.folders.dataHome, setup.dataFolderName),
      windowSystem_(setup.applicationTitle),
      notifications_(setup.applicationTitle),
      platform_{clock_,
                timers_,
                registry_,
                instanceLock_,
                hostAddresses_,
                tray_,
                foregroundWindows_,
                sound_,
                *printing_,
                clipboard_,
                paths_,
                windowSystem_,
                notifications_} {}

}  // namespace ruvo::desktop
