// An icon drawn when it is asked for, and held as nothing but the routine that draws it.
//
// An icon made of pixmaps keeps every size of it, each with the paint engine it was drawn with,
// for as long as the icon lives; the window and tray icons live as long as the program and are
// looked at only when a window is made or the tray repaints. A drawn icon draws the size that
// is asked for then and keeps nothing.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>
#include <vector>

namespace ruvo::desktop {

// Draws the picture as a square of `side` pixels.
using DrawPicture = std::function<QPixmap(int side)>;

// The icon drawn at the sides given (the sizes it tells it has). Asked for another size it
// looks as an icon of pixmaps at those sides would: the smallest side that covers the size is
// drawn (the largest when none does) and scaled down smoothly to fit.
QIcon DrawnIcon(std::vector<int> sides, DrawPicture draw);

}  // namespace ruvo::desktop
