#include "gui/unit_progress_bar.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <QtMath>

namespace ruvo::gui {

namespace {

// Narrow enough that no call within a strip reaches the raster engine's threshold for threads.
constexpr int StripWidth = 24;

}  // namespace

void UnitProgressBar::paintInStripsOn(const QColor& background) {
    background_ = background;
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

void UnitProgressBar::paintEvent(QPaintEvent* event) {
    if (!background_) {
        QProgressBar::paintEvent(event);
        return;
    }
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    const QSize stripPixels(qCeil(StripWidth * ratio), qCeil(height() * ratio));
    if (strip_.size() != stripPixels) {
        strip_ = QImage(stripPixels, QImage::Format_ARGB32_Premultiplied);
    }
    strip_.setDevicePixelRatio(ratio);
    QPainter painter(this);
    const QRect area = event->rect();
    const int first = area.left() - area.left() % StripWidth;
    for (int x = first; x <= area.right(); x += StripWidth) {
        strip_.fill(*background_);
        {
            QPainter stripPainter(&strip_);
            stripPainter.translate(-x, 0);
            style()->drawControl(QStyle::CE_ProgressBar, &option, &stripPainter, this);
        }
        painter.drawImage(QPoint(x, 0), strip_);
    }
}

}  // namespace ruvo::gui
