#include "gui/window_placement.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace ruvo::gui {
namespace {

// The screen of 1024 by 768 pixels at a scale factor of 2, less a panel of 20 at the bottom.
const QRect Available(0, 0, 512, 364);
const QMargins Frame(2, 12, 2, 2);
const QSize Unlimited(16777215, 16777215);

TEST(WindowPlacement, EveryWindowLiesInsideTheAvailableAreaAsFarAsItCan) {
    struct Case {
        const char* name;
        QSize client;
        QSize minimum;
        QSize maximum;
        std::optional<QPoint> was;
        std::optional<QRect> centre;
        QPoint frameTopLeft;
        QSize placedClient;
    };
    const std::vector<Case> cases = {
        {"a small window, centred",
         {280, 210},
         {280, 210},
         {280, 210},
         {},
         {},
         {114, 70},
         {280, 210}},
        // The connection list: 580 by 390 shrinks to the area less the frame.
        {"a resizable window too large",
         {580, 390},
         {200, 150},
         Unlimited,
         {},
         {},
         {0, 0},
         {508, 350}},
        {"a resizable window at its minimum",
         {580, 390},
         {530, 380},
         Unlimited,
         {},
         {},
         {0, 0},
         {530, 380}},
        // The main window cannot shrink: its title bar stays on the screen.
        {"a fixed window too large",
         {514, 330},
         {514, 330},
         {514, 330},
         {},
         {},
         {0, 10},
         {514, 330}},
        {"a fixed window taller than the area",
         {300, 400},
         {300, 400},
         {300, 400},
         {},
         {},
         {104, 0},
         {300, 400}},
        {"where it was, inside",
         {280, 210},
         {280, 210},
         {280, 210},
         QPoint(30, 40),
         {},
         {30, 40},
         {280, 210}},
        {"where it was, above and left of the area",
         {280, 210},
         {280, 210},
         {280, 210},
         QPoint(-50, -30),
         {},
         {0, 0},
         {280, 210}},
        {"where it was, past the right and bottom",
         {280, 210},
         {280, 210},
         {280, 210},
         QPoint(400, 300),
         {},
         {228, 140},
         {280, 210}},
        {"centred over its parent",
         {100, 50},
         {100, 50},
         {100, 50},
         {},
         QRect(100, 100, 200, 100),
         {148, 118},
         {100, 50}},
        {"centred over a parent near the edge",
         {100, 50},
         {100, 50},
         {100, 50},
         {},
         QRect(450, 330, 200, 100),
         {408, 300},
         {100, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlacementRequest request;
        request.available = Available;
        request.frame = Frame;
        request.clientSize = c.client;
        request.minimumSize = c.minimum;
        request.maximumSize = c.maximum;
        request.frameTopLeft = c.was;
        request.centre = c.centre;
        const WindowPlacement placed = PlaceWindow(request);
        EXPECT_EQ(placed.frameTopLeft, c.frameTopLeft);
        EXPECT_EQ(placed.clientSize, c.placedClient);
    }
}

}  // namespace
}  // namespace ruvo::gui
