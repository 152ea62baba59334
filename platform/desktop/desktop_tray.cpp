#include "platform/desktop/desktop_tray.h"

#include <QAction>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <utility>

#include "platform/desktop/drawn_icon.h"
#include "platform/desktop/plain_text.h"
#include "platform/desktop/tray_pictures.h"

namespace ruvo::desktop {

namespace {

std::size_t Index(platform::TrayPicture picture) {
    return static_cast<std::size_t>(picture);
}

}  // namespace

DesktopTray::DesktopTray()
    : onLeftClick_(std::make_shared<std::function<void()>>()),
      onMenu_(std::make_shared<std::function<void(std::size_t)>>()) {
    for (auto picture : {platform::TrayPicture::None, platform::TrayPicture::Inactive,
                         platform::TrayPicture::Offline, platform::TrayPicture::Online,
                         platform::TrayPicture::Warning}) {
        // The tray host takes the size it shows: the picture at one, two or three times its size.
        pictures_[Index(picture)] = DrawnIcon(
            {TrayPictureSize, 2 * TrayPictureSize, 3 * TrayPictureSize}, [picture](int side) {
                return QPixmap::fromImage(DrawTrayPicture(picture, side / TrayPictureSize));
            });
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
    if (menu_) {
        icon_->setContextMenu(menu_.get());
    }
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

void DesktopTray::setMenu(const std::vector<std::string>& items) {
    if (items == menuItems_) {
        return;
    }
    if (!menu_) {
        menu_ = std::make_unique<QMenu>();
        menu_->setObjectName(QStringLiteral("TrayMenu"));
    }
    QList<QAction*> actions = menu_->actions();
    if (static_cast<std::size_t>(actions.size()) != items.size()) {
        menu_->clear();
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* action = menu_->addAction(QString());
            QObject::connect(action, &QAction::triggered, [handler = onMenu_, i] {
                if (*handler) {
                    (*handler)(i);
                }
            });
        }
        actions = menu_->actions();
        if (icon_ != nullptr) {
            icon_->setContextMenu(menu_.get());
        }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        // No mnemonics: the texts are shown as they are.
        QString text = QString::fromStdString(items[i]);
        actions[static_cast<qsizetype>(i)]->setText(
            text.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
    menuItems_ = items;
}

void DesktopTray::setMenuHandler(std::function<void(std::size_t)> handler) {
    *onMenu_ = std::move(handler);
}

}  // namespace ruvo::desktop
