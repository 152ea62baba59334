// Where a window goes on the screen: all of it, the frame the window manager adds included,
// inside the screen's available area (the screen less the panels), as far as it can be. With a
// scale factor a window designed for 640 by 480 pixels may be larger than that area: a window
// that can be resized is made smaller, down to its minimum size; one that cannot keeps its size
// and its title bar's top left corner stays inside the area, so that it can still be moved.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace ruvo::gui {

struct WindowPlacement {
    QPoint frameTopLeft;  // the top left corner of the frame
    QSize clientSize;     // the window without its frame
};

struct PlacementRequest {
    QRect available;                     // the screen's available area
    QMargins frame;                      // the window manager's frame around the client
    QSize clientSize;                    // the size the window has
    QSize minimumSize;                   // the smallest client size it may take
    QSize maximumSize;                   // the largest; equal to the minimum for a fixed size
    std::optional<QPoint> frameTopLeft;  // where it was; nothing: centred on `centre`
    std::optional<QRect> centre;         // the window to centre on; nothing: the available area
};

WindowPlacement PlaceWindow(const PlacementRequest& request);

}  // namespace ruvo::gui
