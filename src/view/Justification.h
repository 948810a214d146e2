#pragma once

#include "view/ByteMetrics.h"

#include <cstdint>
#include <string_view>

namespace Lecterna {

// How a justified line spreads its free room over its spaces. The room is in 1/64 pixel, the
// unit of ByteMetrics, so a stretched line ends exactly at the right margin instead of up to a
// pixel short: every space gets the same share, and the shares that do not divide evenly go one
// unit each to the first spaces, the way the classic text-justification call hands out its
// remainder.
struct Justification {
    int spaces = 0;    // spaces that receive room (every 0x20 of the line)
    int64_t extra = 0; // total room added to the line, 1/64 px

    bool isActive() const { return spaces > 0 && extra > 0; }
    // Room added after the space with the given 0-based number.
    int64_t spaceExtra(int spaceNumber) const {
        if (!isActive())
            return 0;
        return extra / spaces + (spaceNumber < extra % spaces ? 1 : 0);
    }

    // Decides whether and how a line is stretched to `availablePixels` (the row width less the
    // margins). Lines narrower than 85% of the room, lines that would overflow it and lines
    // without a space stay ragged (an inactive result). Without TABs the whole gap goes to the
    // spaces. TAB stops swallow part of any added room, so with TABs the gap is reduced a pixel
    // per space at a time until the tab-expanded line fits.
    static Justification forLine(std::string_view line, const ByteMetrics& metrics, int availablePixels);

    // Tab-expanded width of the line with this justification applied, 1/64 px.
    int64_t width(std::string_view line, const ByteMetrics& metrics) const;
};

} // namespace Lecterna
