// The least a Qt tray program can be: one icon in the notification area, drawn once at start-up,
// and nothing else (no windows, no timers, no files). It is the yardstick the desktop program's
// idle cost is measured against (scripts/bench-desktop).
#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace {

// A green disc on a transparent square: about what a tray icon costs to hold and to draw.
QIcon DiscIcon() {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 160, 0));
        painter.drawEllipse(2, 2, 18, 18);
    }
    return {pixmap};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Minimal tray"));
    QApplication::setQuitOnLastWindowClosed(false);
    QSystemTrayIcon icon(DiscIcon());
    icon.setToolTip(QStringLiteral("Minimal tray"));
    icon.show();
    return QApplication::exec();
}
