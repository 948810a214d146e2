#include "view/PositionScaling.h"

#include <cmath>

namespace Lecterna {

int64_t scaleTopLine(int64_t oldTop, int64_t oldCount, int64_t newCount) {
    if (oldCount == 0)
        return 0;
    const double ratio = static_cast<double>(newCount) / static_cast<double>(oldCount);
    return static_cast<int64_t>(std::floor(ratio * static_cast<double>(oldTop)));
}

int32_t scaleBookmarkPosition(int32_t position, int64_t oldCount, int64_t newCount) {
    if (oldCount <= 0 || newCount == oldCount)
        return position;
    const double ratio = static_cast<double>(newCount) / static_cast<double>(oldCount);
    return static_cast<int32_t>(std::floor(static_cast<double>(position) * ratio));
}

} // namespace Lecterna
