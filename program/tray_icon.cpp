#include "program/tray_icon.h"

#include "base/identity.h"

namespace ruvo {

platform::TrayPicture TrayIcon::currentPicture() const {
    if (!main_.active.checked()) {
        return platform::TrayPicture::Inactive;
    }
    if (!main_.online.checked()) {
        return platform::TrayPicture::Offline;
    }
    if (counter_.warnBox.checked()) {
        return platform::TrayPicture::Warning;
    }
    return platform::TrayPicture::Online;
}

std::string TrayIcon::CurrentTip() const {
    std::string tip = ApplicationTitle;
    if (main_.active.checked() && main_.online.checked()) {
        tip += "\n" + counter_.totalText.text() + " - " + counter_.durationText.text();
    }
    return tip;
}

std::vector<std::string> TrayIcon::MenuItems() const {
    return {"Öffnen", "Verbindungen...",
            main_.active.checked() ? "Überwachung deaktivieren" : "Überwachung aktivieren",
            "Beenden"};
}

bool TrayIcon::updateTrayIcon(TrayOperation operation) {
    switch (operation) {
        case TrayOperation::Add:
            tray_.setMenu(MenuItems());
            return tray_.add();
        case TrayOperation::Modify:
            tray_.setMenu(MenuItems());
            return tray_.modify(currentPicture(), CurrentTip());
        case TrayOperation::Delete:
            return tray_.remove();
    }
    return false;
}

void TrayIcon::renew() {
    updateTrayIcon(TrayOperation::Delete);
    updateTrayIcon(TrayOperation::Add);
    updateTrayIcon(TrayOperation::Modify);
}

}  // namespace ruvo
