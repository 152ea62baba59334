#include "gui/statistics_window_view.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/bar_chart_widget.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

// The window's first size on the screen, frame included.
constexpr int InitialWidth = 660;
constexpr int InitialHeight = 640;

QLabel* FiguresLine(QWidget* parent, Binder& binder, TextField& control) {
    auto* line = new QLabel(parent);
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    binder.label(line, control);
    return line;
}

}  // namespace

StatisticsWindowView::StatisticsWindowView(StatisticsWindow& model, ActionRunner run,
                                           QWidget* parent)
    : WindowView(model, std::move(run), parent), statistics_(model) {
    setWindowFlags(Qt::Window);
    setFont(WindowFont());
    resizeWithFrame(InitialWidth, InitialHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(buildMonths(), 4);
    layout->addWidget(
        buildChart(model.dayChart, model.dayHeading, model.dayFigures, QStringLiteral("&Tage")), 3);
    layout->addWidget(buildChart(model.hourChart, model.hourHeading, model.hourFigures,
                                 QStringLiteral("&Onlinezeit")),
                      3);
    layout->addWidget(buildFoot());

    model.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            shownByProgram_ = true;
        } else if (event == WindowEvent::Hidden) {
            shownByProgram_ = false;
        }
    });
}

QGroupBox* StatisticsWindowView::buildMonths() {
    auto* box = new QGroupBox(QStringLiteral("Ausgaben der letzten 13 Monate"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto* column = new QVBoxLayout(box);

    auto* chooserRow = new QHBoxLayout;
    auto* chooser = new QComboBox(box);
    chooser->setMinimumContentsLength(14);
    binder().chooser(chooser, statistics_.monthBox);
    auto* caption = new QLabel(QStringLiteral("&Monat:"), box);
    caption->setBuddy(chooser);
    chooserRow->addWidget(caption);
    chooserRow->addWidget(chooser);
    chooserRow->addStretch(1);
    column->addLayout(chooserRow);

    column->addWidget(new BarChartWidget(statistics_.monthChart, binder(), box), 1);
    column->addWidget(FiguresLine(box, binder(), statistics_.monthFigures));
    column->addWidget(FiguresLine(box, binder(), statistics_.forecast));
    return box;
}

QGroupBox* StatisticsWindowView::buildChart(BarChart& chart, TextField& heading, TextField& figures,
                                            const QString& mnemonic) {
    auto* box = new QGroupBox(this);
    box->setObjectName(Q(heading.name()));
    auto* column = new QVBoxLayout(box);
    auto* chartWidget = new BarChartWidget(chart, binder(), box);
    column->addWidget(chartWidget, 1);
    column->addWidget(FiguresLine(box, binder(), figures));
    // The heading's first word is the key that takes the focus to the chart.
    binder().onRender([box, &heading, mnemonic] {
        QString title = Q(heading.text());
        const QString word = QString(mnemonic).remove(QLatin1Char('&'));
        if (title.startsWith(word)) {
            title = mnemonic + title.mid(word.size());
        }
        box->setTitle(title);
    });
    return box;
}

QWidget* StatisticsWindowView::buildFoot() {
    auto* foot = new QWidget(this);
    auto* row = new QHBoxLayout(foot);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(FiguresLine(foot, binder(), statistics_.notice), 1);
    auto* close = new QPushButton(foot);
    close->setAutoDefault(false);
    binder().button(close, statistics_.closeItem);
    row->addWidget(close, 0, Qt::AlignRight | Qt::AlignBottom);
    return foot;
}

bool StatisticsWindowView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (shownByProgram_) {
            shownByProgram_ = false;
        } else {
            binder().run()([this] { statistics_.activate(); });
        }
    }
    return WindowView::event(event);
}

}  // namespace ruvo::gui
