// Narrowing of 64-bit intermediate results to the 32-bit figures the program keeps and stores
// (Pfennig, seconds, units): a value outside the 32-bit range stops at the nearest limit instead
// of wrapping.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ruvo {

constexpr std::int32_t SaturateToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace ruvo
