#pragma once

#include <cstdint>

namespace Lecterna {

// After a new layout the reader's place keeps its relative position in the book: the line count
// changes, the passage at the top stays (roughly) the same. Floor(newCount / oldCount * oldTop),
// the quotient first, in floating point, as stored positions always were scaled; 0 when there
// were no lines before. Bookmarks scale the same way (TBookmarkList::rescale).
int64_t scaleTopLine(int64_t oldTop, int64_t oldCount, int64_t newCount);

} // namespace Lecterna
