#include "gui/dialog_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "gui/drawn_picture.h"

namespace ruvo::gui {

namespace {

void DrawClock(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.setBrush(QColor(255, 255, 240));
    painter.drawEllipse(centre, radius, radius);
    // Marks at 12, 3, 6 and 9.
    painter.setPen(QPen(QColor(90, 90, 90), 0.8));
    for (const QPointF direction : {QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)}) {
        painter.drawLine(centre + direction * radius * 0.72, centre + direction * radius * 0.92);
    }
    // Ten o'clock: a short hour hand, a long minute hand.
    painter.setPen(QPen(QColor(20, 20, 20), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-radius * 0.45, -radius * 0.26));
    painter.setPen(QPen(QColor(20, 20, 20), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -radius * 0.7));
}

void DrawCoin(QPainter& painter, const QRectF& bounds) {
    painter.setPen(QPen(QColor(140, 100, 0), 1.0));
    painter.setBrush(QColor(245, 200, 60));
    painter.drawEllipse(bounds);
    const double inset = bounds.width() * 0.16;
    painter.drawEllipse(bounds.adjusted(inset, inset, -inset, -inset));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(bounds.height() * 0.37));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(120, 80, 0));
    painter.drawText(bounds, Qt::AlignCenter, QStringLiteral("DM"));
}

}  // namespace

QPixmap ComputerClockPicture(int size) {
    return DrawnPicture(size, 32.0, [](QPainter& painter) {
        // Monitor housing and screen.
        painter.setPen(QPen(QColor(70, 70, 70), 1.0));
        painter.setBrush(QColor(215, 210, 195));
        painter.drawRoundedRect(QRectF(3.5, 2.5, 25, 19), 2, 2);
        painter.setBrush(QColor(0, 96, 160));
        painter.drawRect(QRectF(6.5, 5.5, 19, 13));
        DrawClock(painter, QPointF(16, 12), 5.2);
        // Stand and keyboard.
        painter.setPen(QPen(QColor(70, 70, 70), 1.0));
        painter.setBrush(QColor(195, 190, 175));
        painter.drawRect(QRectF(12.5, 21.5, 7, 3));
        painter.drawRoundedRect(QRectF(2.5, 25.5, 27, 4.5), 1.5, 1.5);
        painter.setPen(QPen(QColor(120, 120, 120), 0.6));
        for (int key = 0; key < 8; ++key) {
            const double x = 5.0 + key * 3.0;
            painter.drawLine(QPointF(x, 27.5), QPointF(x + 1.6, 27.5));
        }
    });
}

QPixmap CoinPicture(int size) {
    return DrawnPicture(size, 32.0, [](QPainter& painter) {
        // A small stack behind the front coin.
        painter.setPen(QPen(QColor(140, 100, 0), 1.0));
        painter.setBrush(QColor(220, 170, 40));
        for (int layer = 0; layer < 3; ++layer) {
            painter.drawEllipse(QRectF(2.5, 20.5 - layer * 3.0, 17, 7));
        }
        DrawCoin(painter, QRectF(11.5, 6.5, 19, 19));
    });
}

QPixmap BudgetKeptPicture(int size) {
    return DrawnPicture(size, 32.0, [](QPainter& painter) {
        painter.setPen(QPen(QColor(0, 110, 0), 1.0));
        painter.setBrush(QColor(225, 245, 225));
        painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        QPainterPath tick;
        tick.moveTo(8, 16.5);
        tick.lineTo(14, 22.5);
        tick.lineTo(24.5, 9.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 150, 0), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
    });
}

QPixmap BudgetOverdrawnPicture(int size) {
    return DrawnPicture(size, 32.0, [](QPainter& painter) {
        painter.setPen(QPen(QColor(150, 0, 0), 1.0));
        painter.setBrush(QColor(255, 225, 225));
        painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        // The money is gone: a coin struck through.
        DrawCoin(painter, QRectF(7, 7, 18, 18));
        painter.setPen(QPen(QColor(220, 0, 0), 3.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 7), QPointF(25, 25));
    });
}

QPixmap StyleIconPicture(QStyle::StandardPixmap icon, int size) {
    return QApplication::style()->standardIcon(icon).pixmap(size, size);
}

}  // namespace ruvo::gui
