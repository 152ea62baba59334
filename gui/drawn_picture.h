// Pictures drawn by code: a transparent square of any size in pixels, drawn in a coordinate
// system `units` units a side, so that one drawing serves every size.
#pragma once

#include <QPainter>
#include <QPixmap>

namespace ruvo::gui {

template <typename Draw>
QPixmap DrawnPicture(int size, double units, Draw draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / units, size / units);
        draw(painter);
    }
    return pixmap;
}

}  // namespace ruvo::gui
