#include "view/PositionScaling.h"

#include <cmath>

namespace Lecterna {

int64_t scaleTopLine(int64_t oldTop, int64_t oldCount, int64_t newCount) {
    if (oldCount == 0)
        return 0;
    const double ratio = static_cast<double>(newCount) / static_cast<double>(oldCount);
    const double scaled = std::floor(ratio * static_cast<double>(oldTop));
    // The caller clamps the line into the list; only keep the conversion defined.
    constexpr double kLimit = 9.0e18;
    return static_cast<int64_t>(scaled < -kLimit ? -kLimit : scaled > kLimit ? kLimit : scaled);
}

} // namespace Lecterna
