// The "Budgets" page: the weekly and the monthly budget, each with its amount, what was spent
// and what is left, covered by "Kein Budget festgelegt" while it is not in use, and the month's
// forecast.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "gui/main_window_pages.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

const QColor RuleBlue(0, 0, 255);
const QColor CoverSilver(192, 192, 192);

struct BudgetControls {
    TextField& amount;
    TextField& used;
    TextField& left;
    Panel& cover;
    Button& change;
};

// The figures of one budget from the given top, the change button beside them, and the cover
// over the figures.
void BuildFigures(QGroupBox* box, int top, const BudgetControls& controls, Binder& binder) {
    constexpr int CaptionX = 18;
    constexpr int ValueX = 104;
    constexpr int ValueWidth = 110;
    constexpr int LineHeight = 17;
    const auto figure = [&](int y, const QString& caption, TextField& value) {
        StaticText(box, caption, QRect(CaptionX, y, 84, LineHeight));
        auto* label = StaticText(box, QString(), QRect(ValueX, y, ValueWidth, LineHeight),
                                 Qt::AlignRight | Qt::AlignVCenter);
        binder.label(label, value);
    };
    figure(top, QStringLiteral("Budgethöhe :"), controls.amount);
    figure(top + LineHeight, QStringLiteral("Verbraucht :"), controls.used);
    ColourRule(box, CaptionX, top + 2 * LineHeight + 3, ValueX + ValueWidth - CaptionX, RuleBlue);
    figure(top + 2 * LineHeight + 6, QStringLiteral("Übrig :"), controls.left);

    binder.button(Place(new QPushButton(box), QRect(250, top + 36, 95, 25)), controls.change);

    auto* cover = StaticText(box, Q(controls.cover.caption()),
                             QRect(10, top - 4, 216, 3 * LineHeight + 14), Qt::AlignCenter);
    cover->setFrameStyle(QFrame::Panel | QFrame::Raised);
    cover->setAutoFillBackground(true);
    QPalette palette = cover->palette();
    palette.setColor(QPalette::Window, CoverSilver);
    cover->setPalette(palette);
    SetTextColour(cover, Qt::black);
    cover->raise();
    binder.panel(cover, controls.cover);
}

// The month's forecast under the figures, outside their cover: it means something also without
// a budget.
void BuildForecast(QGroupBox* box, int top, MainWindow& model, Binder& binder) {
    constexpr int LineHeight = 15;
    StaticText(box, QStringLiteral("Prognose :"), QRect(18, top, 84, LineHeight));
    binder.label(StaticText(box, QString(), QRect(104, top, 110, LineHeight),
                            Qt::AlignRight | Qt::AlignVCenter),
                 model.monthForecast);
    binder.label(StaticText(box, QString(), QRect(224, top, 128, LineHeight)), model.monthOutlook);
}

// A group box whose heading (a tick box or a text) sits on its top line.
QGroupBox* HeadedBox(QWidget* page, const QRect& geometry, QWidget* heading) {
    auto* box = Place(new QGroupBox(page), geometry.adjusted(0, 8, 0, 0));
    heading->setParent(page);
    heading->setGeometry(geometry.x() + 8, geometry.y(), heading->sizeHint().width(), 16);
    heading->setAutoFillBackground(true);
    heading->raise();
    return box;
}

}  // namespace

void BuildBudgetsPage(QWidget* page, MainWindow& model, Binder& binder) {
    // The checkbox needs its caption before its width is measured.
    auto* weekInUse = new QCheckBox(Q(model.useWeeklyBudget.caption()));
    QGroupBox* week = HeadedBox(page, QRect(4, 4, 357, 108), weekInUse);
    week->setObjectName(QStringLiteral("GroupBox1"));
    binder.checkBox(weekInUse, model.useWeeklyBudget);
    BuildFigures(week, 20,
                 {model.weekAmount, model.weekUsed, model.weekLeft, model.weekCover,
                  model.changeWeeklyBudget},
                 binder);

    auto* monthHeading = new QLabel(QStringLiteral(" Monatsbuget : "));
    QGroupBox* month = HeadedBox(page, QRect(4, 118, 357, 125), monthHeading);
    month->setObjectName(QStringLiteral("GroupBox2"));
    binder.checkBox(Place(new QCheckBox(month), QRect(10, 14, 200, 18)), model.useMonthlyBudget);
    BuildFigures(month, 40,
                 {model.monthAmount, model.monthUsed, model.monthLeft, model.monthCover,
                  model.changeMonthlyBudget},
                 binder);
    BuildForecast(month, 99, model, binder);
}

}  // namespace ruvo::gui
