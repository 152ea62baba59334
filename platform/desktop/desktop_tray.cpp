#include "platform/desktop/desktop_tray.h"

#include <QPixmap>
#include <QSystemTrayIcon>
#include <utility>

#include "platform/desktop/plain_text.h"
#include "platform/desktop/tray_pictures.h"

namespace ruvo::desktop {

namespace {

std::size_t Index(platform::TrayPicture picture) {
    return static_cast<std::size_t>(picture);
}

}  // namespace

DesktopTray::DesktopTray() : onLeftClick_(std::make_shared<std::function<void()>>()) {
    for (auto picture : {platform::TrayPicture::None, platform::TrayPicture::Inactive,
                         platform::TrayPicture::Offline, platform::TrayPicture::Online,
                         platform::TrayPicture::Warning}) {
        pictures_[Index(picture)] = QIcon(QPixmap::fromImage(DrawTrayPicture(picture)));
    }
}

DesktopTray::~DesktopTray() {
    delete icon_;
}

void DesktopTray::dropIcon() {
    if (icon_ != nullptr) {
        icon_->hide();
        icon_->deleteLater();
        icon_ = nullptr;
    }
}

bool DesktopTray::add() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return false;
    }
    // A new icon each time: an icon shown to a tray host that has gone is not shown again.
    dropIcon();
    icon_ = new QSystemTrayIcon(pictures_[Index(platform::TrayPicture::None)]);
    QObject::connect(icon_, &QSystemTrayIcon::activated,
                     [handler = onLeftClick_](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger && *handler) {
                             (*handler)();
                         }
                     });
    icon_->show();
    return true;
}

bool DesktopTray::modify(platform::TrayPicture picture, const std::string& tip) {
    if (icon_ == nullptr || !QSystemTrayIcon::isSystemTrayAvailable()) {
        return false;
    }
    icon_->setIcon(pictures_[Index(picture)]);
    icon_->setToolTip(PlainToolTip(QString::fromStdString(tip)));
    return true;
}

bool DesktopTray::remove() {
    const bool wasPresent = icon_ != nullptr;
    dropIcon();
    return wasPresent && QSystemTrayIcon::isSystemTrayAvailable();
}

void DesktopTray::setLeftClickHandler(std::function<void()> handler) {
    *onLeftClick_ = std::move(handler);
}

}  // namespace ruvo::desktop
