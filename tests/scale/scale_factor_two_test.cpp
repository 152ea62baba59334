// The program's windows at a scale factor of 2 (this test runs with QT_SCALE_FACTOR=2) on a screen
// of 1024 by 768 pixels under Xvfb with openbox, and tint2 as the panel at the bottom when it is
// installed: a screen of 512 by 384 of Qt's pixels, smaller than the windows were designed for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <functional>
#include <string>
#include <vector>

#include "gui/connection_list_view.h"
#include "gui/list_pictures.h"
#include "gui/main_window_view.h"
#include "gui/new_budget_view.h"
#include "gui/program_icon.h"
#include "tests/component/qt_wait.h"
#include "tests/component/x_session.h"

namespace ruvo::gui {
namespace {

void RunDirectly(const std::function<void()>& action) {
    action();
}

// Shown, each window lies inside the screen's available area with its frame, or, when it cannot
// be made that small, keeps its title bar on the screen: its top left corner inside the area.
TEST(ScaleFactorTwo, EveryWindowOpensInsideTheAvailableArea) {
    std::string whyNot;
    if (test::TestApplication(test::NeedsX::Yes, whyNot) == nullptr) {
        GTEST_SKIP() << "no X server with a window manager: " << whyNot;
    }
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "the test runs with QT_SCALE_FACTOR=2";
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(512, 384));
    std::string noPanel;
    if (test::SharedSession()->startTrayHost(noPanel)) {
        // The panel's strut reaches Qt as a smaller work area.
        test::ProcessEventsUntil([screen] { return screen->availableGeometry().height() < 384; });
    }
    const QRect available = screen->availableGeometry();

    MainWindow mainModel;
    MainWindowView mainView(mainModel, RunDirectly, {});
    ConnectionListWindow listModel;
    ConnectionListView listView(listModel, RunDirectly);
    NewBudgetWindow budgetModel;
    NewBudgetView budgetView(budgetModel, RunDirectly, &mainView);
    struct Case {
        const char* name;
        WindowModel& model;
        QWidget& view;
        bool fitsWhole;
    };
    // The main window is 514 pixels wide without its frame and cannot be resized.
    const std::vector<Case> cases = {
        {"the main window", mainModel, mainView, false},
        {"the connection list", listModel, listView, true},
        {"a dialog of the main window", budgetModel, budgetView, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.model.show();
        // Framed by the window manager, and placed.
        ASSERT_TRUE(test::ProcessEventsUntil([&c] {
            return c.view.isVisible() && c.view.frameGeometry() != c.view.geometry() &&
                   c.view.frameGeometry().contains(c.view.geometry());
        }));
        test::ProcessEventsUntil([] { return false; }, 300);
        const QRect frame = c.view.frameGeometry();
        SCOPED_TRACE(::testing::Message()
                     << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                     << frame.height() << " in " << available.x() << "," << available.y() << " "
                     << available.width() << "x" << available.height());
        EXPECT_TRUE(available.contains(frame.topLeft()));
        if (c.fitsWhole) {
            EXPECT_TRUE(available.contains(frame));
        }
    }
}

// Pictures drawn by code have twice the pixels, so they stay sharp.
TEST(ScaleFactorTwo, PicturesAreDrawnAtTheDevicePixelRatio) {
    std::string whyNot;
    ASSERT_NE(test::TestApplication(test::NeedsX::No, whyNot), nullptr) << whyNot;
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "the test runs with QT_SCALE_FACTOR=2";
    const std::vector<QPixmap> pictures = {PrinterPicture(16), ProgramPixmap(32)};
    for (const QPixmap& picture : pictures) {
        EXPECT_EQ(picture.devicePixelRatio(), 2.0);
        EXPECT_EQ(picture.deviceIndependentSize().toSize() * 2, picture.size());
    }
}

}  // namespace
}  // namespace ruvo::gui
