#pragma once

#include <cstdint>

namespace Lecterna {

// After a new layout the reader's place and the bookmarks keep their relative position in the
// book: line counts change, the passage stays (roughly) the same. Both are computed in floating
// point, the quotient of the counts first, then rounded down, as stored positions always were.

// The new top line: Floor(newCount / oldCount * oldTop); 0 when there were no lines.
int64_t scaleTopLine(int64_t oldTop, int64_t oldCount, int64_t newCount);

// A bookmark position: Floor(p * (newCount / oldCount)) when oldCount > 0 and the count changed;
// otherwise p unchanged.
int32_t scaleBookmarkPosition(int32_t position, int64_t oldCount, int64_t newCount);

} // namespace Lecterna
