#include "gui/program_icon.h"

#include <QPainter>

#include <algorithm>

#include "gui/drawn_picture.h"
#include "platform/desktop/drawn_icon.h"

namespace ruvo::gui {

namespace {

struct Colours {
    QColor outline;
    QColor body;
    QColor screen;
    QColor clockFace;
    QColor hands;
};

Colours ColoursOf(ProgramPicture picture) {
    const QColor outline(48, 48, 48);
    const QColor grey(192, 192, 192);
    switch (picture) {
        case ProgramPicture::Program:
            return {outline, grey, QColor(0, 64, 128), Qt::white, outline};
        case ProgramPicture::Inactive:
            return {outline, grey, QColor(128, 128, 128), Qt::white, outline};
        case ProgramPicture::Offline:
            return {outline, grey, QColor(220, 0, 0), Qt::white, outline};
        case ProgramPicture::Online:
            return {outline, grey, QColor(0, 190, 0), Qt::white, outline};
        case ProgramPicture::Warning:
            return {QColor(128, 0, 0), QColor(255, 64, 64), QColor(200, 0, 0),
                    QColor(255, 200, 200), QColor(128, 0, 0)};
    }
    return {};
}

// Everything is drawn on a 32 by 32 grid and scaled to the size asked for; outlines stay at
// least one pixel wide at small sizes.
void DrawComputer(QPainter& painter, const Colours& colours, qreal outline) {
    painter.setPen(QPen(colours.outline, outline));
    // Stand and foot.
    painter.setBrush(colours.body.darker(115));
    painter.drawRect(QRectF(16.5, 23.5, 5, 3));
    painter.drawRoundedRect(QRectF(10.5, 26.5, 17, 3.5), 1, 1);
    // Monitor and its screen.
    painter.setBrush(colours.body);
    painter.drawRoundedRect(QRectF(7.5, 6.5, 23, 17.5), 2, 2);
    painter.setBrush(colours.screen);
    painter.drawRect(QRectF(10.5, 9.5, 17, 11.5));
    // A little light on the screen.
    painter.setPen(QPen(colours.screen.lighter(170), 1));
    painter.drawLine(QPointF(18, 12), QPointF(25, 12));
    painter.drawLine(QPointF(18, 14.5), QPointF(23, 14.5));
}

void DrawClock(QPainter& painter, const Colours& colours, qreal outline) {
    const QPointF centre(8, 8);
    painter.setPen(QPen(colours.outline, outline));
    painter.setBrush(colours.clockFace);
    painter.drawEllipse(centre, 7, 7);
    painter.setPen(QPen(colours.hands, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, QPointF(8, 3));       // minutes: twelve
    painter.drawLine(centre, QPointF(11.5, 9.5));  // hours: four
}

void DrawCross(QPainter& painter) {
    painter.setPen(QPen(QColor(230, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(28, 28));
    painter.drawLine(QPointF(28, 4), QPointF(4, 28));
}

}  // namespace

void PaintProgramPicture(QPainter& painter, int size, ProgramPicture picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    const Colours colours = ColoursOf(picture);
    const qreal outline = std::max(1.3, 32.0 / size);
    DrawComputer(painter, colours, outline);
    DrawClock(painter, colours, outline);
    if (picture == ProgramPicture::Inactive) {
        DrawCross(painter);
    }
    painter.restore();
}

QPixmap ProgramPixmap(int size, ProgramPicture picture, qreal ratio) {
    QPixmap pixmap = TransparentPixmap(size, ratio);
    QPainter painter(&pixmap);
    PaintProgramPicture(painter, size, picture);
    return pixmap;
}

QPixmap ProgramPixmap(int size, ProgramPicture picture) {
    return ProgramPixmap(size, picture, ScreenPixelRatio());
}

QIcon ProgramIcon(ProgramPicture picture) {
    // Each size pixel for pixel: the window manager and the tray pick the size they need.
    return desktop::DrawnIcon({16, 22, 24, 32, 48, 64, 128},
                              [picture](int side) { return ProgramPixmap(side, picture, 1.0); });
}

}  // namespace ruvo::gui
