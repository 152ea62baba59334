// The program's own top-level windows, known by their native window ids.
#pragma once

#include <cstdint>

namespace ruvo::desktop {

// True when `window` is the native window of one of this process's Qt windows (every window and
// dialog of the program, shown or not). Never creates a native window to find out.
bool IsProgramWindow(std::uint64_t window);

}  // namespace ruvo::desktop
