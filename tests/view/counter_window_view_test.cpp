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

#include "gui/unit_progress_bar.h"
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

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A second of the connection repaints the figures that changed, not the tab widget around them
// (whose frame Qt draws with helper threads, waking the process many times a second).
TEST_F(CounterWindowViewTest, ASecondRepaintsOnlyTheFiguresThatChanged) {
    CounterWindow model;
    CounterWindowView view(model, Run);
    model.durationText.setText("00:00:01");
    model.restText.setText("noch 59 Sek.");
    model.progressMaximum = 60;
    model.progressPosition = 1;
    model.show();
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
    PaintCounter tabs(view.tabs());
    PaintCounter duration(Find<QLabel>(view, "Label6"));
    // The seconds left shrink from two digits to one: the label asks for another size.
    for (int second = 49; second < 52; ++second) {
        model.durationText.setText("00:00:" + std::to_string(second));
        model.restText.setText("Rest von 60 Sekunden : " + std::to_string(60 - second) + "  ");
        model.progressPosition = second;
        model.changed();
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }
    EXPECT_GE(duration.paints, 1);
    EXPECT_EQ(tabs.paints, 0);
}

// The unit's bar is painted in strips; it must look exactly as a bar painted whole.
TEST_F(CounterWindowViewTest, TheUnitBarPaintedInStripsLooksLikeOnePaintedWhole) {
    for (const auto& [value, maximum] :
         {std::pair{0, 60}, {1, 60}, {29, 60}, {59, 60}, {60, 60}, {7, 240}, {0, 1}}) {
        SCOPED_TRACE(std::to_string(value) + " of " + std::to_string(maximum));
        gui::UnitProgressBar strips;
        strips.paintInStripsOn(QColor(240, 240, 240));
        QProgressBar whole;
        QPalette background = whole.palette();
        background.setColor(QPalette::Window, QColor(240, 240, 240));
        whole.setPalette(background);
        whole.setAutoFillBackground(true);
        for (QProgressBar* bar : {static_cast<QProgressBar*>(&strips), &whole}) {
            bar->setTextVisible(false);
            bar->setRange(0, maximum);
            bar->setValue(value);
            bar->resize(287, 14);
        }
        EXPECT_EQ(strips.grab().toImage(), whole.grab().toImage());
    }
}

}  // namespace
}  // namespace ruvo::testing
