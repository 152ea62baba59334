#include <gtest/gtest.h>

#include <QLabel>

#include "gui/startup_window_view.h"
#include "tests/view/qt_app.h"
#include "window_models/startup_window.h"

namespace ruvo::gui {
namespace {

TEST(StartupLineRed, FollowsTheBackgroundFormula) {
    struct Case {
        int x;
        int width;
        int red;
    };
    // The last case goes below zero: the division truncates toward zero, and only the low eight
    // bits are kept.
    for (const Case& c :
         {Case{0, 344, 247}, Case{100, 344, 182}, Case{343, 344, 23}, Case{999, 1000, 101}}) {
        EXPECT_EQ(StartupLineRed(c.x, c.width), c.red) << c.x << " " << c.width;
    }
}

TEST(StartupWindowView, ShowsItsModelAndEndsTheProgramOnlyWhenAskedToClose) {
    StartupWindow model;
    int closeRequests = 0;
    StartupWindowView view(
        model, [](const std::function<void()>& action) { action(); },
        [&closeRequests] { ++closeRequests; });

    EXPECT_EQ(view.objectName(), "Form2");
    EXPECT_EQ(view.size(), QSize(344, 184));
    EXPECT_TRUE(view.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(view.windowFlags() & Qt::WindowStaysOnTopHint);

    model.captionLabel.setText("Ruvometer 2.3");
    model.dataDirectoryLabel.setText("/daten/");
    EXPECT_EQ(view.findChild<QLabel*>("Label2")->text(), "Ruvometer 2.3");
    EXPECT_EQ(view.findChild<QLabel*>("Label4")->text(), "/daten/");

    model.show();
    EXPECT_TRUE(view.isVisible());
    test::PressEscape(view);
    EXPECT_EQ(closeRequests, 0);
    view.close();
    EXPECT_EQ(closeRequests, 1);
    model.hide();
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace ruvo::gui
