#include "platform/desktop/desktop_notifications.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>
#include <utility>

namespace ruvo::desktop {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");

// The body is marked-up text for services that support markup: its own '<' and '&' must not be
// taken as tags.
QString PlainBody(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

}  // namespace

DesktopNotifications::DesktopNotifications(std::string applicationName, QDBusConnection bus)
    : applicationName_(QString::fromStdString(applicationName)), bus_(std::move(bus)) {}

DesktopNotifications::DesktopNotifications(std::string applicationName)
    : DesktopNotifications(std::move(applicationName), QDBusConnection::sessionBus()) {}

void DesktopNotifications::notify(const platform::Notification& notification) {
    if (!bus_.isConnected()) {
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
    // service's own).
    call << applicationName_ << 0U << QStringLiteral("dialog-information")
         << QString::fromStdString(notification.summary) << PlainBody(notification.body)
         << QStringList() << QVariantMap() << -1;
    call.setAutoStartService(true);
    bus_.asyncCall(call);
}

}  // namespace ruvo::desktop
