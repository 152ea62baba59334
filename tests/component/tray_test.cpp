// The tray icon in the notification area of a real tray host (tint2) on Xvfb.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <set>
#include <vector>

#include "platform/desktop/desktop_tray.h"
#include "platform/desktop/drawn_icon.h"
#include "platform/desktop/tray_pictures.h"
#include "qt_wait.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

using platform::TrayPicture;

bool TrayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

// Counts of the picture's pixels by colour.
struct Colours {
    int transparent = 0;
    int red = 0;
    int green = 0;
    int grey = 0;
};

Colours CountColours(const QImage& image) {
    Colours counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128) {
                ++counts.transparent;
            } else if (c.red() > 180 && c.green() < 90 && c.blue() < 90) {
                ++counts.red;
            } else if (c.green() > 150 && c.red() < 90 && c.blue() < 90) {
                ++counts.green;
            } else if (std::abs(c.red() - c.green()) < 20 && std::abs(c.green() - c.blue()) < 20) {
                ++counts.grey;
            }
        }
    }
    return counts;
}

TEST(Tray, FollowsTheTrayHostAndReportsLeftClicks) {
    std::string whyNot;
    if (test::TestApplication(test::NeedsX::Yes, whyNot) == nullptr) {
        GTEST_SKIP() << whyNot;
    }
    test::XSession& session = *test::SharedSession();
    DesktopTray tray;
    int clicks = 0;
    tray.setLeftClickHandler([&clicks] { ++clicks; });

    ASSERT_TRUE(test::ProcessEventsUntil([] { return !TrayAvailable(); }));
    EXPECT_FALSE(tray.add()) << "no tray host runs";
    EXPECT_FALSE(tray.modify(TrayPicture::Online, "Quelmar Ruvometer"));

    if (!session.startTrayHost(whyNot)) {
        GTEST_SKIP() << whyNot;
    }
    ASSERT_TRUE(test::ProcessEventsUntil(TrayAvailable));
    EXPECT_TRUE(tray.add());
    EXPECT_TRUE(tray.modify(TrayPicture::Offline, "Quelmar Ruvometer"));
    std::vector<test::ScreenPoint> icons;
    ASSERT_TRUE(test::ProcessEventsUntil([&] {
        icons = test::DockedTrayIcons(session.displayName());
        return icons.size() == 1;
    })) << "the icon never reached the notification area";

    // The tray host shows the picture drawn for it: the red screen offline, the green online.
    const auto shown = [&] {
        constexpr int Side = 12;
        return CountColours(
            QGuiApplication::primaryScreen()
                ->grabWindow(0, icons[0].x - Side / 2, icons[0].y - Side / 2, Side, Side)
                .toImage());
    };
    EXPECT_TRUE(test::ProcessEventsUntil([&] { return shown().red >= 4; }))
        << "no red screen in the tray";
    EXPECT_TRUE(tray.modify(TrayPicture::Online, "Quelmar Ruvometer"));
    EXPECT_TRUE(test::ProcessEventsUntil([&] {
        const Colours colours = shown();
        return colours.green >= 4 && colours.red == 0;
    })) << "no green screen in the tray";

    const std::string xdotool = test::FindProgram("xdotool");
    if (!xdotool.empty()) {
        // The pointer comes first and the click a moment later, as a hand does; a click that
        // arrives with the pointer's first move is not taken.
        const std::vector<std::string> display = {"DISPLAY=" + session.displayName()};
        test::RunProcess(xdotool,
                         {"mousemove", std::to_string(icons[0].x), std::to_string(icons[0].y)},
                         display);
        test::ProcessEventsUntil([] { return false; }, 300);
        ASSERT_EQ(test::RunProcess(xdotool, {"click", "1"}, display), 0);
        EXPECT_TRUE(test::ProcessEventsUntil([&] { return clicks == 1; }))
            << "the left click did not arrive";

        // A right click opens the context menu; its items are renamed in place, and choosing
        // one tells its position.
        std::vector<std::size_t> chosen;
        tray.setMenuHandler([&chosen](std::size_t item) { chosen.push_back(item); });
        tray.setMenu({"Öffnen", "Verbindungen...", "Überwachung deaktivieren", "Beenden"});
        ASSERT_EQ(test::RunProcess(xdotool, {"click", "3"}, display), 0);
        QMenu* menu = nullptr;
        ASSERT_TRUE(test::ProcessEventsUntil([&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr;
        })) << "the right click opened no menu";
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
        EXPECT_EQ(texts, QStringList(
                             {"Öffnen", "Verbindungen...", "Überwachung deaktivieren", "Beenden"}));
        tray.setMenu({"Öffnen", "Verbindungen...", "Überwachung aktivieren", "Beenden"});
        EXPECT_EQ(menu->actions().at(2)->text(), "Überwachung aktivieren");
        menu->actions().at(2)->trigger();
        menu->hide();
        EXPECT_EQ(chosen, std::vector<std::size_t>{2});
    }

    // The host goes away: requests are refused. It comes back: a new icon is accepted.
    session.stopTrayHost();
    ASSERT_TRUE(test::ProcessEventsUntil([] { return !TrayAvailable(); }));
    EXPECT_FALSE(tray.modify(TrayPicture::Online, "Quelmar Ruvometer"));
    ASSERT_TRUE(session.startTrayHost(whyNot)) << whyNot;
    ASSERT_TRUE(test::ProcessEventsUntil(TrayAvailable));
    EXPECT_TRUE(tray.add());
    EXPECT_TRUE(tray.modify(TrayPicture::Warning, "Quelmar Ruvometer"));
    EXPECT_TRUE(test::ProcessEventsUntil(
        [&] { return test::DockedTrayIcons(session.displayName()).size() == 1; }));
    EXPECT_TRUE(tray.remove());
    EXPECT_FALSE(tray.modify(TrayPicture::Online, "Quelmar Ruvometer")) << "no icon to modify";
    EXPECT_TRUE(test::ProcessEventsUntil(
        [&] { return test::DockedTrayIcons(session.displayName()).empty(); }));
    session.stopTrayHost();
}

TEST(TrayPictures, EachStateHasItsColours) {
    std::string whyNot;
    ASSERT_NE(test::TestApplication(test::NeedsX::No, whyNot), nullptr) << whyNot;
    std::set<QByteArray> distinct;
    for (TrayPicture picture : {TrayPicture::None, TrayPicture::Inactive, TrayPicture::Offline,
                                TrayPicture::Online, TrayPicture::Warning}) {
        const QImage image = DrawTrayPicture(picture);
        EXPECT_EQ(image.size(), QSize(16, 16));
        distinct.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), 5u);
    EXPECT_EQ(CountColours(DrawTrayPicture(TrayPicture::None)).transparent, 256);
    const Colours inactive = CountColours(DrawTrayPicture(TrayPicture::Inactive));
    const Colours offline = CountColours(DrawTrayPicture(TrayPicture::Offline));
    const Colours online = CountColours(DrawTrayPicture(TrayPicture::Online));
    const Colours warning = CountColours(DrawTrayPicture(TrayPicture::Warning));
    EXPECT_GT(inactive.red, 20) << "the large X";
    EXPECT_GT(inactive.transparent, 100) << "the computer is small";
    EXPECT_GE(offline.red, 12) << "red screen";
    EXPECT_EQ(offline.green, 0);
    EXPECT_GE(online.green, 12) << "green screen";
    EXPECT_EQ(online.red, 0);
    EXPECT_GT(online.grey, 40) << "grey computer";
    EXPECT_GT(warning.red, online.green + 20) << "computer and clock in red";
    EXPECT_EQ(warning.green, 0);
}

// The tray and window icons are drawn when asked for; at any size they must look as the icon of
// pixmaps drawn at the same sides, which Qt scales down to fit.
TEST(DrawnIcon, LooksAsTheIconOfItsPixmapsAtEverySize) {
    std::string whyNot;
    ASSERT_NE(test::TestApplication(test::NeedsX::No, whyNot), nullptr) << whyNot;
    const auto draw = [](int side) {
        return QPixmap::fromImage(DrawTrayPicture(TrayPicture::Online, side / TrayPictureSize));
    };
    const std::vector<int> sides = {16, 32, 48};
    QIcon ofPixmaps;
    for (const int side : sides) {
        ofPixmaps.addPixmap(draw(side));
    }
    const QIcon drawn = DrawnIcon(sides, draw);
    EXPECT_EQ(drawn.availableSizes(), ofPixmaps.availableSizes());
    for (const QSize size : {QSize(16, 16), QSize(12, 12), QSize(22, 22), QSize(24, 24),
                             QSize(32, 32), QSize(40, 40), QSize(64, 64), QSize(22, 30)}) {
        SCOPED_TRACE(size.width() * 1000 + size.height());
        EXPECT_EQ(drawn.actualSize(size), ofPixmaps.actualSize(size));
        EXPECT_EQ(drawn.pixmap(size).toImage(), ofPixmaps.pixmap(size).toImage());
    }
}

}  // namespace
}  // namespace ruvo::desktop
