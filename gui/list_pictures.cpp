#include "gui/list_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "gui/drawn_picture.h"

namespace ruvo::gui {

namespace {

const QColor Outline(64, 64, 64);
const QColor Paper(255, 255, 255);
const QColor Ink(0, 0, 128);

// The list's pictures are drawn in 16 units with a dark outline.
template <typename Draw>
QPixmap Drawn(int size, Draw draw) {
    return DrawnPicture(size, 16.0, [&draw](QPainter& painter) {
        painter.setPen(QPen(Outline, 1.0));
        draw(painter);
    });
}

// A sheet of paper with lines of text on it.
void DrawSheet(QPainter& painter, const QRectF& sheet) {
    painter.setPen(QPen(Outline, 1.0));
    painter.setBrush(Paper);
    painter.drawRect(sheet);
    painter.setPen(QPen(Ink, 1.0));
    for (int line = 0; sheet.top() + 2.5 + 2.0 * line < sheet.bottom() - 1.0; ++line) {
        const double y = sheet.top() + 2.5 + 2.0 * line;
        painter.drawLine(QPointF(sheet.left() + 2.0, y), QPointF(sheet.right() - 2.0, y));
    }
}

}  // namespace

QPixmap PrinterPicture(int size) {
    return Drawn(size, [](QPainter& painter) {
        DrawSheet(painter, QRectF(4.5, 0.5, 7, 7));
        painter.setPen(QPen(Outline, 1.0));
        painter.setBrush(QColor(192, 192, 192));
        painter.drawRoundedRect(QRectF(0.5, 6.5, 15, 6), 1, 1);
        painter.setBrush(QColor(128, 128, 128));
        painter.drawRect(QRectF(2.5, 11.5, 11, 3));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 170, 0));
        painter.drawRect(QRectF(12, 8, 2, 1.5));
    });
}

QPixmap CopyPicture(int size) {
    return Drawn(size, [](QPainter& painter) {
        DrawSheet(painter, QRectF(0.5, 0.5, 9, 11));
        DrawSheet(painter, QRectF(6.5, 4.5, 9, 11));
    });
}

QPixmap ReportViewPicture(int size) {
    return Drawn(size, [](QPainter& painter) {
        painter.setBrush(Paper);
        painter.drawRect(QRectF(0.5, 1.5, 15, 13));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(192, 192, 192));
        painter.drawRect(QRectF(1, 2, 14, 3));
        painter.setPen(QPen(Ink, 1.0));
        for (int row = 0; row < 4; ++row) {
            const double y = 6.5 + 2.0 * row;
            painter.drawLine(QPointF(2, y), QPointF(6, y));
            painter.drawLine(QPointF(8, y), QPointF(14, y));
        }
    });
}

QPixmap ListViewPicture(int size) {
    return Drawn(size, [](QPainter& painter) {
        for (const double x : {0.5, 8.5}) {
            for (int row = 0; row < 4; ++row) {
                const double y = 1.5 + 4.0 * row;
                painter.setPen(QPen(Outline, 1.0));
                painter.setBrush(QColor(0, 128, 192));
                painter.drawRect(QRectF(x, y, 2, 2));
                painter.setPen(QPen(Ink, 1.0));
                painter.drawLine(QPointF(x + 3.5, y + 1), QPointF(x + 6.5, y + 1));
            }
        }
    });
}

QPixmap IconViewPicture(int size) {
    return Drawn(size, [](QPainter& painter) {
        painter.setBrush(QColor(0, 128, 192));
        for (const double x : {1.5, 9.5}) {
            for (const double y : {0.5, 8.5}) {
                painter.setPen(QPen(Outline, 1.0));
                painter.drawRect(QRectF(x, y, 5, 4));
                painter.setPen(QPen(Ink, 1.0));
                painter.drawLine(QPointF(x - 0.5, y + 6), QPointF(x + 5.5, y + 6));
            }
        }
    });
}

QIcon ConnectionIcon() {
    const auto receiver = [](int size) {
        return Drawn(size, [](QPainter& painter) {
            // The base of a desk telephone and its receiver lying on top.
            painter.setPen(QPen(QColor(30, 30, 30), 0.8));
            painter.setBrush(QColor(200, 60, 40));
            QPainterPath base;
            base.moveTo(3, 14.5);
            base.lineTo(13, 14.5);
            base.lineTo(12, 8.5);
            base.lineTo(4, 8.5);
            base.closeSubpath();
            painter.drawPath(base);
            painter.setBrush(Paper);
            painter.drawEllipse(QRectF(6, 9.8, 4, 3.6));
            painter.setBrush(QColor(200, 60, 40));
            QPainterPath handset;
            handset.moveTo(1, 7.5);
            handset.cubicTo(1, 3.5, 15, 3.5, 15, 7.5);
            handset.lineTo(12, 7.5);
            handset.cubicTo(11, 6, 5, 6, 4, 7.5);
            handset.closeSubpath();
            painter.drawPath(handset);
        });
    };
    QIcon icon;
    icon.addPixmap(receiver(16));
    icon.addPixmap(receiver(32));
    return icon;
}

}  // namespace ruvo::gui
