// Pictures drawn by code: a transparent square of any size in pixels, drawn in a coordinate
// system `units` units a side, so that one drawing serves every size. Drawn at the screen's
// device pixel ratio: with a scale factor of 2 a 16-pixel picture has 32 pixels a side, and stays
// sharp where it would otherwise be blown up.
#pragma once

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace ruvo::gui {

// The highest device pixel ratio of the screens; 1 before there is an application.
inline qreal ScreenPixelRatio() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

// A transparent pixmap of `size` by `size` device-independent pixels at `ratio`.
inline QPixmap TransparentPixmap(int size, qreal ratio) {
    const int pixels = static_cast<int>(std::lround(size * ratio));
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

template <typename Draw>
QPixmap DrawnPicture(int size, double units, Draw draw, qreal ratio = ScreenPixelRatio()) {
    QPixmap pixmap = TransparentPixmap(size, ratio);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / units, size / units);
        draw(painter);
    }
    return pixmap;
}

}  // namespace ruvo::gui
