#include "platform/desktop/desktop_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ruvo::desktop {

void DesktopClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
}

}  // namespace ruvo::desktop
