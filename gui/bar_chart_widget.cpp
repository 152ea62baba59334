#include "gui/bar_chart_widget.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <numeric>

namespace ruvo::gui {

namespace {

constexpr int AxisWidth = 56;
constexpr int LabelHeight = 16;
constexpr int LegendHeight = 16;
constexpr int TopGap = 6;

// Telephone, provider; a chart of one series (online time) has a colour of its own.
const std::array<QColor, 2> SeriesColours = {QColor(0, 0, 160), QColor(0, 160, 160)};
const QColor OnlineColour(0, 128, 0);
const QColor ChosenBackground(244, 248, 173);
const QColor GridColour(208, 208, 208);

QColor ColourOf(const BarChart& chart, std::size_t part) {
    if (chart.series().size() == 1) {
        return OnlineColour;
    }
    return SeriesColours[std::min(part, SeriesColours.size() - 1)];
}

std::int64_t Height(const BarChart::Bar& bar) {
    return std::accumulate(bar.parts.begin(), bar.parts.end(), std::int64_t{0});
}

}  // namespace

BarChartWidget::BarChartWidget(BarChart& chart, Binder& binder, QWidget* parent)
    : QWidget(parent), chart_(chart), binder_(binder) {
    setObjectName(Q(chart.name()));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    binder_.onRender([this] { update(); });
}

QSize BarChartWidget::sizeHint() const {
    return {600, 140};
}

QSize BarChartWidget::minimumSizeHint() const {
    return {AxisWidth + 24 * 10, 90};
}

std::int64_t BarChartWidget::AxisStep(std::int64_t largest, BarChart::Unit unit) {
    constexpr int MaxLines = 5;
    if (largest <= 0) {
        return unit == BarChart::Unit::Seconds ? 3600 : 100;
    }
    if (unit == BarChart::Unit::Seconds) {
        static constexpr std::array<std::int64_t, 10> Steps = {
            60, 300, 600, 900, 1800, 3600, 2 * 3600, 5 * 3600, 10 * 3600, 24 * 3600};
        for (const std::int64_t step : Steps) {
            if (largest <= step * MaxLines) {
                return step;
            }
        }
    }
    // 1, 2 and 5 times a power of ten (Pfennig; days beyond ten hours).
    const std::int64_t base = unit == BarChart::Unit::Seconds ? 24 * 3600 : 1;
    for (std::int64_t power = base;; power *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            if (largest <= power * factor * MaxLines ||
                power > std::numeric_limits<std::int64_t>::max() / 50) {
                return power * factor;
            }
        }
    }
}

QString BarChartWidget::AxisText(std::int64_t value, BarChart::Unit unit) {
    if (unit == BarChart::Unit::Seconds) {
        if (value % 3600 == 0) {
            return QStringLiteral("%1 Std").arg(value / 3600);
        }
        return QStringLiteral("%1 Min").arg(value / 60);
    }
    if (value % 100 == 0) {
        return QStringLiteral("%1 DM").arg(value / 100);
    }
    return QStringLiteral("%1,%2 DM").arg(value / 100).arg(value % 100, 2, 10, QLatin1Char('0'));
}

QRect BarChartWidget::plotArea() const {
    const int top = TopGap + (chart_.series().size() > 1 ? LegendHeight : 0);
    return QRect(AxisWidth, top, std::max(1, width() - AxisWidth - 8),
                 std::max(1, height() - top - LabelHeight));
}

QRect BarChartWidget::slot(int index) const {
    const QRect plot = plotArea();
    const int count = std::max<int>(1, static_cast<int>(chart_.bars().size()));
    const int left = plot.left() + plot.width() * index / count;
    const int right = plot.left() + plot.width() * (index + 1) / count;
    return QRect(left, plot.top(), right - left, plot.height() + LabelHeight);
}

int BarChartWidget::barAt(QPoint point) const {
    for (int i = 0; i < static_cast<int>(chart_.bars().size()); ++i) {
        if (slot(i).contains(point)) {
            return i;
        }
    }
    return -1;
}

void BarChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plot = plotArea();
    const auto& bars = chart_.bars();
    std::int64_t largest = 0;
    for (const BarChart::Bar& bar : bars) {
        largest = std::max(largest, Height(bar));
    }
    const std::int64_t step = AxisStep(largest, chart_.unit());
    const std::int64_t top = std::max<std::int64_t>(step, (largest + step - 1) / step * step);
    const auto yOf = [&](std::int64_t value) {
        return plot.bottom() - static_cast<int>(static_cast<double>(value) /
                                                static_cast<double>(top) * plot.height());
    };

    // The chosen bar's background, under everything else.
    const int chosen = chart_.chosen();
    if (chosen >= 0) {
        painter.fillRect(slot(chosen).adjusted(0, 0, 0, -1), ChosenBackground);
    }

    // The value axis and its lines.
    const QFontMetrics metrics(font());
    painter.setPen(GridColour);
    for (std::int64_t value = step; value <= top; value += step) {
        painter.drawLine(plot.left(), yOf(value), plot.right(), yOf(value));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    for (std::int64_t value = 0; value <= top; value += step) {
        const QRect text(0, yOf(value) - metrics.height() / 2, AxisWidth - 6, metrics.height());
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, AxisText(value, chart_.unit()));
    }
    painter.drawLine(plot.left(), plot.top(), plot.left(), plot.bottom());
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());

    // The bars, parts stacked from the bottom, and their labels; labels that would touch are
    // thinned out evenly.
    int widestLabel = 0;
    for (const BarChart::Bar& bar : bars) {
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(Q(bar.label)));
    }
    const int slotWidth =
        bars.empty() ? 1 : std::max(1, plot.width() / static_cast<int>(bars.size()));
    const int labelEvery = std::max(1, (widestLabel + 4 + slotWidth - 1) / slotWidth);
    for (int i = 0; i < static_cast<int>(bars.size()); ++i) {
        const QRect place = slot(i);
        const int barWidth = std::max(1, place.width() * 7 / 10);
        const int x = place.left() + (place.width() - barWidth) / 2;
        std::int64_t base = 0;
        const auto& parts = bars[static_cast<std::size_t>(i)].parts;
        for (std::size_t part = 0; part < parts.size(); ++part) {
            if (parts[part] <= 0) {
                continue;
            }
            const int bottom = yOf(base);
            base += parts[part];
            const int barTop = yOf(base);
            painter.fillRect(QRect(x, barTop, barWidth, std::max(1, bottom - barTop)),
                             ColourOf(chart_, part));
        }
        if (i % labelEvery == 0 || i == chosen) {
            painter.drawText(QRect(place.left() - slotWidth, plot.bottom() + 1,
                                   place.width() + 2 * slotWidth, LabelHeight - 1),
                             Qt::AlignHCenter | Qt::AlignVCenter,
                             Q(bars[static_cast<std::size_t>(i)].label));
        }
    }

    // The legend of a chart of several series, top right.
    if (chart_.series().size() > 1) {
        int x = width() - 8;
        for (std::size_t s = chart_.series().size(); s-- > 0;) {
            const QString name = Q(chart_.series()[s]);
            x -= metrics.horizontalAdvance(name);
            painter.drawText(QRect(x, TopGap - 4, metrics.horizontalAdvance(name), LegendHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, name);
            x -= 14;
            painter.fillRect(QRect(x, TopGap + 1, 10, 10), ColourOf(chart_, s));
            x -= 16;
        }
    }

    if (hasFocus() && chosen >= 0) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = slot(chosen).adjusted(1, 1, -1, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void BarChartWidget::choose(int index) {
    binder_.run()([this, index] { chart_.choose(index); });
}

void BarChartWidget::mousePressEvent(QMouseEvent* event) {
    const int bar = barAt(event->position().toPoint());
    if (bar >= 0) {
        choose(bar);
    }
    QWidget::mousePressEvent(event);
}

void BarChartWidget::keyPressEvent(QKeyEvent* event) {
    const int count = static_cast<int>(chart_.bars().size());
    const int chosen = chart_.chosen();
    switch (event->key()) {
        case Qt::Key_Left:
            choose(chosen < 0 ? count - 1 : std::max(0, chosen - 1));
            return;
        case Qt::Key_Right:
            choose(chosen < 0 ? 0 : std::min(count - 1, chosen + 1));
            return;
        case Qt::Key_Home:
            choose(0);
            return;
        case Qt::Key_End:
            choose(count - 1);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

bool BarChartWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int bar = barAt(help->pos());
        if (bar >= 0) {
            QToolTip::showText(help->globalPos(),
                               Q(chart_.bars()[static_cast<std::size_t>(bar)].hint), this,
                               slot(bar));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        update();
    }
    return QWidget::event(event);
}

}  // namespace ruvo::gui
