#pragma once

#include "view/ByteMetrics.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace Lecterna {

class LineList;

// Picks the largest character height at which a reference line of the book fits the width of
// the reading area: for texts that keep their own line breaks, the font grows until their lines
// just fill the window.
class SizeFitting {
public:
    static constexpr size_t kNone = static_cast<size_t>(-1);
    static constexpr int kMaxCharHeight = 1000;

    // Tab-expanded width of every line in whole pixels (rounded up). 64-bit: a line of an
    // unwrapped book can be far wider than 65535 pixels.
    static std::vector<int64_t> measureLines(const LineList& lines, const ByteMetrics& metrics);

    // Index of the widest line, the first of equal widths; kNone for no lines.
    static size_t widestLine(std::span<const int64_t> widths);

    // The widest line that is not an outlier: twice, the mean and the standard deviation (both
    // rounded up to integers) of the widths inside the band [low, high] make the new band
    // [mean - sd, mean + sd], starting from [0, 2147483647]. The result is the widest line not
    // above the final high end (the first of equal widths); kNone for no lines.
    static size_t smartReferenceLine(std::span<const int64_t> widths);

    // Gives the measures of the reading font at a character height (letter spacing included).
    using MetricsForHeight = std::function<ByteMetrics(int charHeight)>;

    // The character height at which `line` fits `availableWidth` pixels: from the current height
    // when the line fits now, otherwise from 1, the height grows a pixel at a time until the
    // line is wider than the room; the answer is one less. A line with no width fits at every
    // height: the current height is kept. The search stops at kMaxCharHeight.
    static int fitCharHeight(std::string_view line, int currentHeight, int availableWidth,
                             const MetricsForHeight& metricsFor);
};

} // namespace Lecterna
