// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications) on the session bus.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <string>

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopNotifications final : public platform::Notifications {
public:
    // `applicationName` is given to the service as the sender's name.
    DesktopNotifications(std::string applicationName, QDBusConnection bus);
    // On the user's session bus.
    explicit DesktopNotifications(std::string applicationName);

    // Sends the notice without waiting for the answer, so that a slow or missing service never
    // holds up the program: a bus without the service answers with an error nobody waits for.
    // Without a session bus nothing is sent.
    void notify(const platform::Notification& notification) override;

private:
    QString applicationName_;
    QDBusConnection bus_;
};

}  // namespace ruvo::desktop
