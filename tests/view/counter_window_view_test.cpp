#include "gui/counter_window_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
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
    model.selectPage(CounterPage::Warnings);
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
    EXPECT_EQ(model.page(), CounterPage::BudgetStatus);

    Find<QPushButton>(view, "Ok")->click();
    EXPECT_FALSE(model.visible());
    EXPECT_FALSE(view.isVisible());
}

// The tariff line holds the longest texts it can get, with the hint of a zone without charge on
// a line of its own, beside the longest zone name, without being cut; the window keeps its size.
TEST_F(CounterWindowViewTest, TheTariffLineIsShownWhole) {
    CounterWindow model;
    CounterWindowView view(model, Run);
    const struct {
        const char* zone;
        const char* price;
    } cases[] = {
        {"Mondschein1", "12345 Pf in 12345 Sekunden."},
        {"Mondschein1", "0 Pf in 12345 Sekunden.\nKeine Telefongebühren."},
        {"Mondschein1", "12345 Pf in 0 Sekunden.\nKeine Telefongebühren."},
    };
    model.dayLine.setText("Donnerstag, 30.12.99, Wochenende");
    model.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.price);
        model.zoneName.setText(c.zone);
        model.priceLine.setText(c.price);
        model.changed();
        // The labels' new sizes reach the layouts through posted events, one level at a time.
        for (int level = 0; level < 4; ++level) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        for (const char* name : {"Label4", "Label18", "Label28"}) {
            const auto* label = Find<QLabel>(view, name);
            EXPECT_GE(label->width(), label->sizeHint().width()) << name;
            EXPECT_GE(label->height(), label->sizeHint().height()) << name;
        }
        EXPECT_EQ(view.size(), QSize(320, 300));
        EXPECT_LE(view.minimumSizeHint().height(), 300);
    }
}

}  // namespace
}  // namespace ruvo::testing
