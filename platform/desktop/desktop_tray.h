// The tray icon as a QSystemTrayIcon: a StatusNotifierItem where the desktop offers one, an
// XEmbed icon in the X11 notification area otherwise. Every request is refused while no tray
// host runs; once one runs again, `add` shows a new icon.
#pragma once

#include <QIcon>
#include <QMenu>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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
    void setMenu(const std::vector<std::string>& items) override;
    void setMenuHandler(std::function<void(std::size_t)> handler) override;

    bool present() const { return icon_ != nullptr; }

private:
    // Hides the icon and lets it go once control is back in the event loop: the request may come
    // from the icon's own click.
    void dropIcon();

    QSystemTrayIcon* icon_ = nullptr;
    QIcon pictures_[5];
    std::shared_ptr<std::function<void()>> onLeftClick_;
    // The context menu outlives the icons that show it; its items are renamed in place, since
    // an item may be renamed while its own choice runs.
    std::unique_ptr<QMenu> menu_;
    std::vector<std::string> menuItems_;
    std::shared_ptr<std::function<void(std::size_t)>> onMenu_;
};

}  // namespace ruvo::desktop
