#include "gui/tab_page_repaint.h"

#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QSize>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <optional>

namespace ruvo::gui {

namespace {

// Fills a widget's region in the pane's colour before the widget paints itself on top. An event
// filter and not the widget's palette: a palette would pass the colour on to what the style draws.
class TabPaneBackdrop : public QObject {
public:
    TabPaneBackdrop(const QColor& color, QObject* parent) : QObject(parent), color_(color) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QPainter painter(static_cast<QWidget*>(watched));
            painter.fillRect(static_cast<QPaintEvent*>(event)->rect(), color_);
        }
        return false;
    }

private:
    QColor color_;
};

// Swallows the layout requests that cannot change the tab widget's layout.
class TabLayoutKeeper : public QObject {
public:
    explicit TabLayoutKeeper(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::LayoutRequest) {
            return false;
        }
        const auto* tabs = static_cast<QTabWidget*>(watched);
        const LaidOutFor now{tabs->size(), tabs->tabBar()->sizeHint(),
                             tabs->tabBar()->isVisibleTo(tabs)};
        if (laidOutFor_ && *laidOutFor_ == now) {
            return true;
        }
        laidOutFor_ = now;
        return false;
    }

private:
    struct LaidOutFor {
        QSize size;
        QSize tabBarSize;
        bool tabBarShown = false;
        bool operator==(const LaidOutFor&) const = default;
    };
    std::optional<LaidOutFor> laidOutFor_;
};

}  // namespace

std::optional<QColor> SolidTabPaneColor(QTabWidget* tabs) {
    tabs->ensurePolished();
    constexpr int Side = 64;
    constexpr int Border = 8;  // wider than any style's frame
    QImage pane(Side, Side, QImage::Format_ARGB32_Premultiplied);
    pane.fill(Qt::transparent);
    {
        QPainter painter(&pane);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(tabs);
        option.rect = pane.rect();
        tabs->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, tabs);
    }
    const QRgb inside = pane.pixel(Border, Border);
    if (qAlpha(inside) != 255) {
        return std::nullopt;
    }
    for (int y = Border; y < Side - Border; ++y) {
        for (int x = Border; x < Side - Border; ++x) {
            if (pane.pixel(x, y) != inside) {
                return std::nullopt;
            }
        }
    }
    return QColor(inside);
}

void PaintOwnBackground(const QColor& background, const std::vector<QWidget*>& widgets) {
    if (widgets.empty()) {
        return;
    }
    auto* backdrop = new TabPaneBackdrop(background, widgets.front());
    for (QWidget* widget : widgets) {
        widget->setAttribute(Qt::WA_OpaquePaintEvent);
        widget->installEventFilter(backdrop);
    }
}

void KeepTabLayoutFromPageContents(QTabWidget* tabs) {
    tabs->installEventFilter(new TabLayoutKeeper(tabs));
}

}  // namespace ruvo::gui
