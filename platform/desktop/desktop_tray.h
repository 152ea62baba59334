// The tray icon as a QSystemTrayIcon: a StatusNotifierItem where the desktop offers one, an
// XEmbed icon in the X11 notification area otherwise. Every request is refused while no tray
// host runs; once one runs again, `add` shows a new icon.
#pragma once

#include <QIcon>
#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"

class QSystemTrayIcon;

namespace ruvo::desktop {

class DesktopTray final : public platform::Tray {
public:
    DesktopTray();
    ~DesktopTray() override;
    DesktopTray(const DesktopTray&) = delete;
    DesktopTray& operator=(const DesktopTray&) = delete;

    bool add() override;
    bool modify(platform::TrayPicture picture, const std::string& tip) override;
    bool remove() override;
    void setLeftClickHandler(std::function<void()> handler) override;

    bool present() const { return icon_ != nullptr; }

private:
    // Hides the icon and lets it go once control is back in the event loop: the request may come
    // from the icon's own click.
    void dropIcon();

    QSystemTrayIcon* icon_ = nullptr;
    QIcon pictures_[5];
    std::shared_ptr<std::function<void()>> onLeftClick_;
};

}  // namespace ruvo::desktop
