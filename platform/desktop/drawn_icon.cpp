#include "platform/desktop/drawn_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <utility>

namespace ruvo::desktop {
namespace {

class DrawnIconEngine final : public QIconEngine {
public:
    DrawnIconEngine(std::vector<int> sides, DrawPicture draw)
        : sides_(std::move(sides)), draw_(std::move(draw)) {
        std::sort(sides_.begin(), sides_.end());
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = sideFor(size);
        QSize actual(side, side);
        if (side > size.width() || side > size.height()) {
            actual.scale(size, Qt::KeepAspectRatio);
        }
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (sides_.empty() || size.isEmpty()) {
            return {};
        }
        QPixmap drawn = draw_(sideFor(size));
        const QSize actual = actualSize(size, mode, state);
        if (drawn.size() != actual) {
            drawn = drawn.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            // As an icon of pixmaps looks in these modes: the style makes the picture.
            QStyleOption option;
            option.palette = QApplication::palette();
            const QPixmap generated =
                QApplication::style()->generatedIconPixmap(mode, drawn, &option);
            if (!generated.isNull()) {
                return generated;
            }
        }
        return drawn;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : sides_) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }

    bool isNull() override { return sides_.empty(); }
    QString key() const override { return QStringLiteral("ruvo-drawn"); }
    QIconEngine* clone() const override { return new DrawnIconEngine(sides_, draw_); }

private:
    // The smallest side that covers the size, else the largest.
    int sideFor(const QSize& size) const {
        const int wanted = std::max(size.width(), size.height());
        const auto covering = std::lower_bound(sides_.begin(), sides_.end(), wanted);
        return covering != sides_.end() ? *covering : sides_.back();
    }

    std::vector<int> sides_;
    DrawPicture draw_;
};

}  // namespace

QIcon DrawnIcon(std::vector<int> sides, DrawPicture draw) {
    return QIcon(new DrawnIconEngine(std::move(sides), std::move(draw)));
}

}  // namespace ruvo::desktop
