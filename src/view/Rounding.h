#pragma once

#include <cmath>
#include <cstdint>

namespace Lecterna {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4): the rounding
// the stored view parameters were always computed with, so row heights and letter spacings
// come out the same as in books the reader already knows.
inline int64_t roundHalfEven(double x) {
    const double f = std::floor(x);
    const double d = x - f;
    const auto i = static_cast<int64_t>(f);
    if (d > 0.5)
        return i + 1;
    if (d < 0.5)
        return i;
    return (i % 2 == 0) ? i : i + 1;
}

} // namespace Lecterna
