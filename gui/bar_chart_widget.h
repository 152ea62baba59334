// A bar chart drawn with the program's own painting, bound to a BarChart control: stacked bars
// with a value axis, a label under each bar, the chosen bar marked, and the series' legend. A
// click or the arrow keys (Home and End too) choose a bar; the tool tip of a bar is its hint.
#pragma once

#include <QWidget>

#include "gui/binder.h"
#include "window_models/statistics_window.h"

namespace ruvo::gui {

class BarChartWidget final : public QWidget {
public:
    BarChartWidget(BarChart& chart, Binder& binder, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The axis step for values up to `largest`: a round amount of money or of time, so that
    // the axis has at most five lines above zero.
    static std::int64_t AxisStep(std::int64_t largest, BarChart::Unit unit);
    // An axis value in words: "20 DM", "0,50 DM", "30 Min", "2 Std".
    static QString AxisText(std::int64_t value, BarChart::Unit unit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect plotArea() const;
    int barAt(QPoint point) const;
    QRect slot(int index) const;
    void choose(int index);

    BarChart& chart_;
    Binder& binder_;
};

}  // namespace ruvo::gui
