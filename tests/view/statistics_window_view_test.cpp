// The statistics window's view: a widget for every control, the charts chosen with the keys and
// the mouse, the month chosen from the list, Escape closing the window.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include <string>
#include <vector>

#include "gui/bar_chart_widget.h"
#include "gui/statistics_window_view.h"
#include "tests/view/dialog_test_app.h"
#include "tests/view/qt_app.h"

namespace ruvo::testing {
namespace {

using gui::BarChartWidget;
using gui::StatisticsWindowView;

class StatisticsWindowViewTest : public DialogViewTest {
protected:
    StatisticsWindowViewTest() {
        std::vector<BarChart::Bar> bars;
        std::vector<std::string> items;
        for (int i = 0; i < 13; ++i) {
            items.push_back("Monat " + std::to_string(i));
            bars.push_back({"M" + std::to_string(i), "Monat " + std::to_string(i), {100, 50}});
        }
        model.monthBox.setItems(items);
        model.monthChart.setBars(bars);
        model.monthChart.chooseQuietly(12);
        model.monthBox.onClick = [this] {
            model.monthChart.chooseQuietly(model.monthBox.selectedIndex());
        };
        model.dayHeading.setText("Tage im Dezember 1999");
        model.show();
    }

    StatisticsWindow model;
    StatisticsWindowView view{model, Run};
};

TEST_F(StatisticsWindowViewTest, EveryControlTheUserSeesHasAWidgetOfItsName) {
    for (const Control* control : model.controls()) {
        EXPECT_NE(view.findChild<QWidget*>(gui::Q(control->name())), nullptr) << control->name();
    }
    EXPECT_EQ(view.objectName(), "Form15");
    EXPECT_EQ(view.windowTitle(), "Quelmar Ruvometer - Statistik");
    EXPECT_FALSE(view.isModal());
    // The heading's first word takes the focus to the days.
    EXPECT_EQ(Find<QGroupBox>(view, "DayHeading")->title(), "&Tage im Dezember 1999");
}

TEST_F(StatisticsWindowViewTest, KeysAndClicksChooseABar) {
    auto* chart = Find<BarChartWidget>(view, "MonthChart");
    EXPECT_EQ(chart->focusPolicy(), Qt::StrongFocus);
    const struct {
        Qt::Key key;
        int chosen;
    } keys[] = {{Qt::Key_Left, 11}, {Qt::Key_Home, 0}, {Qt::Key_Left, 0},
                {Qt::Key_Right, 1}, {Qt::Key_End, 12}, {Qt::Key_Right, 12}};
    for (const auto& k : keys) {
        PressKey(chart, k.key);
        EXPECT_EQ(model.monthChart.chosen(), k.chosen) << k.key;
    }

    chart->resize(600, 140);
    const QPoint firstBar(60, chart->height() / 2);  // right of the axis
    QMouseEvent click(QEvent::MouseButtonPress, firstBar, chart->mapToGlobal(firstBar),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &click);
    EXPECT_EQ(model.monthChart.chosen(), 0);

    auto* chooser = Find<QComboBox>(view, "ComboBox1");
    EXPECT_FALSE(chooser->isEditable());
    ASSERT_EQ(chooser->count(), 13);
    emit chooser->activated(5);
    EXPECT_EQ(model.monthChart.chosen(), 5);
    EXPECT_EQ(model.monthBox.text(), "Monat 5");
    EXPECT_EQ(chooser->currentIndex(), 5);

    test::PressEscape(view);
    EXPECT_FALSE(model.visible());
}

TEST(BarChartAxis, RoundStepsOfMoneyAndTime) {
    const struct {
        std::int64_t largest;
        BarChart::Unit unit;
        std::int64_t step;
        const char* text;
    } cases[] = {
        {0, BarChart::Unit::Pfennig, 100, "1 DM"},
        {44, BarChart::Unit::Pfennig, 10, "0,10 DM"},
        {4999, BarChart::Unit::Pfennig, 1000, "10 DM"},
        {15180, BarChart::Unit::Pfennig, 5000, "50 DM"},
        {0, BarChart::Unit::Seconds, 3600, "1 Std"},
        {250, BarChart::Unit::Seconds, 60, "1 Min"},
        {4000, BarChart::Unit::Seconds, 900, "15 Min"},
        {40000, BarChart::Unit::Seconds, 5 * 3600, "5 Std"},
        {30 * 86400, BarChart::Unit::Seconds, 10 * 86400, "240 Std"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.largest);
        const std::int64_t step = BarChartWidget::AxisStep(c.largest, c.unit);
        EXPECT_EQ(step, c.step);
        EXPECT_LE(c.largest, step * 5);
        EXPECT_EQ(BarChartWidget::AxisText(step, c.unit).toStdString(), c.text);
    }
}

}  // namespace
}  // namespace ruvo::testing
