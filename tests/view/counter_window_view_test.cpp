#include "gui/counter_window_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "tests/view/dialog_test_app.h"

namespace ruvo::testing {
namespace {

using gui::CounterWindowView;

class CounterWindowViewTest : public DialogViewTest {};

TEST_F(CounterWindowViewTest, ShowsTheCounterAndPassesTheUsersChoicesOn) {
    CounterWindow model;
    CounterWindowView view(model, Run);
    model.zoneName.setText("Nacht");
    model.durationText.setText("00:12:34");
    model.totalText.setText("1,23 DM");
    model.unitText.setText("13");
    model.progressMaximum = 60;
    model.progressPosition = 20;
    model.weekLeft.setText("- 1,20 DM");
    model.weekLeft.setRed(true);
    model.weekCover.setVisible(false);
    model.selectPage(CounterPage::Warnungen);
    model.show();

    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), "Quelmar Ruvometer");
    EXPECT_EQ(view.tabs()->currentIndex(), 0) << "showing selects the Verbindung tab";
    EXPECT_EQ(Find<QLabel>(view, "Label4")->text(), "Nacht");
    EXPECT_EQ(Find<QLabel>(view, "Label6")->text(), "00:12:34");
    EXPECT_EQ(Find<QLabel>(view, "Label12")->text(), "1,23 DM");
    EXPECT_EQ(Find<QLabel>(view, "Label14")->text(), "13");
    EXPECT_EQ(view.unitProgress()->maximum(), 60);
    EXPECT_EQ(view.unitProgress()->value(), 20);
    EXPECT_EQ(Find<QLabel>(view, "WeekLeft")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_TRUE(Find<QLabel>(view, "WeekCover")->isHidden());
    EXPECT_FALSE(Find<QLabel>(view, "MonthCover")->isHidden());

    // A unit of no length shows an empty bar, not a busy one.
    model.progressMaximum = 0;
    model.changed();
    EXPECT_EQ(view.unitProgress()->value(), 0);
    EXPECT_GT(view.unitProgress()->maximum(), 0);

    Find<QCheckBox>(view, "CheckBox1")->click();
    EXPECT_TRUE(model.warnInTray.checked());
    Find<QSlider>(view, "TrackBar1")->setValue(5);
    EXPECT_EQ(model.leadSlider.position(), 5);
    view.tabs()->setCurrentIndex(1);
    EXPECT_EQ(model.page(), CounterPage::Budgetstatus);

    Find<QPushButton>(view, "Ok")->click();
    EXPECT_FALSE(model.visible());
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace ruvo::testing
