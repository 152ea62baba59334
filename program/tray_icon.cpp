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

bool TrayIcon::updateTrayIcon(TrayOperation operation) {
    switch (operation) {
        case TrayOperation::Add:
            return tray_.add();
        case TrayOperation::Modify:
            return tray_.modify(currentPicture(), ApplicationTitle);
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
