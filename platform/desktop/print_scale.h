// How the program's print positions become positions on paper.
//
// The positions of a print job are device units of a printer of about 300 dots per inch: rows 70
// units apart, 50 rows from Y 340, a totals line 121 characters wide in 10-point Courier New. Such
// a page is 3030 units wide and 3960 high, more than A4 or Letter holds at 300 units per inch.
// So the whole page, fonts included, is drawn at three quarters of its size, 400 units per inch
// (7.6 x 9.9 inches), and smaller still when the printable area of the paper is smaller than that.
#pragma once

namespace ruvo::desktop {

// The resolution the positions were chosen for; font sizes in points are converted at it.
inline constexpr int DesignUnitsPerInch = 300;
// Units per inch on paper, unless the page is too small for it.
inline constexpr int PrintedUnitsPerInch = 400;
// The extent of a full page of the program's printout, in units.
inline constexpr int FullPageWidthUnits = 3030;
inline constexpr int FullPageHeightUnits = 3960;

// Device pixels per unit for a printer of `deviceDotsPerInch` whose printable area is
// `printableWidth` x `printableHeight` device pixels.
double DevicePixelsPerUnit(int deviceDotsPerInch, double printableWidth, double printableHeight);

}  // namespace ruvo::desktop
