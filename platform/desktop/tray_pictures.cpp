#include "platform/desktop/tray_pictures.h"

#include <QPainter>

namespace ruvo::desktop {

namespace {

struct Colours {
    QColor frame;
    QColor frameEdge;
    QColor screen;
    QColor clockFace;
    QColor clockHands;
};

const Colours Grey{QColor(170, 170, 170), QColor(70, 70, 70), QColor(), QColor(255, 255, 255),
                   QColor(0, 0, 0)};
const QColor ScreenRed(220, 30, 30);
const QColor ScreenGreen(30, 190, 40);
const Colours AllRed{QColor(220, 30, 30), QColor(120, 0, 0), QColor(255, 120, 120),
                     QColor(235, 40, 40), QColor(255, 255, 255)};

// A monitor on a stand, in a 16 x 16 box: frame, screen, neck and foot.
void DrawComputer(QPainter& painter, const Colours& colours) {
    painter.setPen(QPen(colours.frameEdge, 1));
    painter.setBrush(colours.frame);
    painter.drawRect(QRectF(3.5, 2.5, 12, 9));                     // frame
    painter.drawRect(QRectF(5.5, 13.5, 8, 2));                     // foot
    painter.fillRect(QRectF(8.5, 12, 2, 1.5), colours.frameEdge);  // neck
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.screen);
    painter.drawRect(QRectF(5.5, 4.5, 8, 5));  // screen
}

// A round clock over the monitor's top left corner.
void DrawClock(QPainter& painter, const Colours& colours) {
    const QPointF centre(4.5, 4.5);
    painter.setPen(QPen(colours.frameEdge, 1));
    painter.setBrush(colours.clockFace);
    painter.drawEllipse(centre, 4, 4);
    painter.setPen(QPen(colours.clockHands, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, QPointF(4.5, 1.8));  // minute hand at twelve
    painter.drawLine(centre, QPointF(6.5, 4.5));  // hour hand at three
}

void DrawCrossedOut(QPainter& painter) {
    painter.save();
    painter.translate(4, 4);
    painter.scale(0.5, 0.5);
    Colours small = Grey;
    small.screen = QColor(110, 110, 110);
    DrawComputer(painter, small);
    painter.restore();
    painter.setPen(QPen(QColor(230, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(14.5, 14.5));
    painter.drawLine(QPointF(14.5, 1.5), QPointF(1.5, 14.5));
}

}  // namespace

QImage DrawTrayPicture(platform::TrayPicture picture, int scale) {
    QImage image(TrayPictureSize * scale, TrayPictureSize * scale,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);
    switch (picture) {
        case platform::TrayPicture::None:
            break;
        case platform::TrayPicture::Inactive:
            DrawCrossedOut(painter);
            break;
        case platform::TrayPicture::Offline:
        case platform::TrayPicture::Online: {
            Colours colours = Grey;
            colours.screen = picture == platform::TrayPicture::Online ? ScreenGreen : ScreenRed;
            DrawComputer(painter, colours);
            DrawClock(painter, colours);
            break;
        }
        case platform::TrayPicture::Warning:
            DrawComputer(painter, AllRed);
            DrawClock(painter, AllRed);
            break;
    }
    return image;
}

}  // namespace ruvo::desktop
