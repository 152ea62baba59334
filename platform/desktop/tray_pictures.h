// The four pictures of the tray icon, drawn by code at 16 x 16 pixels on a transparent ground:
//   Inactive  a small grey computer crossed out by a large red X
//   Offline   a grey computer with a clock at its top left and a red screen
//   Online    the same with a green screen
//   Warning   the whole computer and the clock in red
// None is fully transparent.
#pragma once

#include <QImage>

#include "platform/platform.h"

namespace ruvo::desktop {

inline constexpr int TrayPictureSize = 16;

// Drawn at `scale` times its size, so that a tray scaled up (a device pixel ratio of 2, a tray of
// 32 pixels) shows it sharp.
QImage DrawTrayPicture(platform::TrayPicture picture, int scale = 1);

}  // namespace ruvo::desktop
