#include "gui/window_placement.h"

#include <algorithm>

namespace ruvo::gui {

namespace {

// The start of a span of `length` moved inside [low, low + room): to `low` when it is longer.
int KeepInside(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace

WindowPlacement PlaceWindow(const PlacementRequest& request) {
    const QRect& area = request.available;
    const QMargins& frame = request.frame;
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();

    // A resizable window shrinks to what the area holds, never below its minimum.
    QSize client = request.clientSize;
    client.setWidth(
        std::max(request.minimumSize.width(), std::min(client.width(), area.width() - frameWidth)));
    client.setHeight(std::max(request.minimumSize.height(),
                              std::min(client.height(), area.height() - frameHeight)));
    client = client.boundedTo(request.maximumSize);
    const QSize outer(client.width() + frameWidth, client.height() + frameHeight);

    QPoint topLeft;
    if (request.frameTopLeft) {
        topLeft = *request.frameTopLeft;
    } else {
        const QRect centre = request.centre.value_or(area);
        topLeft = QPoint(centre.x() + (centre.width() - outer.width()) / 2,
                         centre.y() + (centre.height() - outer.height()) / 2);
    }
    topLeft.setX(KeepInside(topLeft.x(), outer.width(), area.x(), area.width()));
    topLeft.setY(KeepInside(topLeft.y(), outer.height(), area.y(), area.height()));
    return {topLeft, client};
}

}  // namespace ruvo::gui
