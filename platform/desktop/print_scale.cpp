#include "platform/desktop/print_scale.h"

#include <algorithm>

namespace ruvo::desktop {

double DevicePixelsPerUnit(int deviceDotsPerInch, double printableWidth, double printableHeight) {
    const double nominal = static_cast<double>(deviceDotsPerInch) / PrintedUnitsPerInch;
    return std::min(
        {nominal, printableWidth / FullPageWidthUnits, printableHeight / FullPageHeightUnits});
}

}  // namespace ruvo::desktop
