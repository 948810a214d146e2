#include "view/Justification.h"

namespace Lecterna {

int64_t Justification::width(std::string_view line, const ByteMetrics& metrics) const {
    if (!isActive())
        return metrics.width(line);
    const int64_t share = extra / spaces;
    const int64_t remainder = extra % spaces;
    int64_t x = 0;
    int64_t spaceNumber = 0;
    for (unsigned char c : line) {
        if (c == '\t') {
            x = metrics.nextTabStop(x);
        } else {
            x += metrics.advance[c];
            if (c == ' ')
                x += share + (spaceNumber++ < remainder ? 1 : 0);
        }
    }
    return x;
}

Justification Justification::forLine(std::string_view line, const ByteMetrics& metrics, int availablePixels) {
    int spaces = 0;
    int tabs = 0;
    for (unsigned char c : line) {
        spaces += c == ' ';
        tabs += c == '\t';
    }
    const int64_t available = toFixed(availablePixels);
    const int64_t w = metrics.width(line);
    // w >= 0.85 * A, in integers so that the threshold does not depend on float rounding.
    if (spaces == 0 || w > available || w * 100 < available * 85)
        return {};
    const int64_t gap = available - w;
    if (tabs == 0)
        return {spaces, gap};

    // With TABs: try gap, gap - spaces px, gap - 2*spaces px, ... and keep the first that fits.
    // Each step takes exactly one pixel from every space, so the width can only shrink from one
    // try to the next; a binary search over the steps therefore finds the same gap as trying
    // them one by one, in a handful of measurements however wide the gap is.
    const int64_t step = toFixed(spaces);
    auto gapAt = [&](int64_t k) { return gap - k * step; };
    auto fits = [&](int64_t k) { return Justification{spaces, gapAt(k)}.width(line, metrics) <= available; };
    const int64_t lastPositive = (gap - 1) / step; // the last k with gapAt(k) > 0
    int64_t lo = 0;
    int64_t hi = lastPositive + 1; // one past the tries: "no gap left"
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (fits(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    if (lo > lastPositive)
        return {};
    const int64_t chosen = gapAt(lo);
    // A gap that ended below one pixel is not worth spreading.
    if (chosen < toFixed(1))
        return {};
    return {spaces, chosen};
}

} // namespace Lecterna
