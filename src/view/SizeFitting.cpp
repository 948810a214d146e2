#include "view/SizeFitting.h"

#include "view/LineLayout.h"
#include "view/LineList.h"

#include <cmath>

namespace Lecterna {

std::vector<int64_t> SizeFitting::measureLines(const LineList& lines, const ByteMetrics& metrics) {
    std::vector<int64_t> widths;
    widths.reserve(lines.count());
    for (size_t i = 0; i < lines.count(); ++i)
        widths.push_back(ceilPixels(metrics.width(lines.line(i))));
    return widths;
}

size_t SizeFitting::widestLine(std::span<const int64_t> widths) {
    size_t best = kNone;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (best == kNone || widths[i] > widths[best])
            best = i;
    }
    return best;
}

size_t SizeFitting::smartReferenceLine(std::span<const int64_t> widths) {
    double low = 0;
    double high = 2147483647.0;
    for (int pass = 0; pass < 2; ++pass) {
        double sum = 0;
        int64_t count = 0;
        for (int64_t w : widths) {
            if (w >= low && w <= high) {
                sum += static_cast<double>(w);
                ++count;
            }
        }
        if (count == 0)
            break;
        const double mean = std::ceil(sum / static_cast<double>(count));
        double squares = 0;
        for (int64_t w : widths) {
            if (w >= low && w <= high) {
                const double d = static_cast<double>(w) - mean;
                squares += d * d;
            }
        }
        const double sd = std::ceil(std::sqrt(squares / static_cast<double>(count)));
        high = mean + sd;
        low = mean - sd;
    }

    size_t best = kNone;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (widths[i] <= high && (best == kNone || widths[i] > widths[best]))
            best = i;
    }
    return best;
}

int SizeFitting::fitCharHeight(std::string_view line, int currentHeight, int availableWidth,
                               const MetricsForHeight& metricsFor) {
    const int64_t room = toFixed(availableWidth);
    const int64_t width = metricsFor(currentHeight).width(line);
    if (width <= 0)
        return currentHeight;
    int height = width <= room ? currentHeight : 1;
    while (height < kMaxCharHeight) {
        ++height;
        if (metricsFor(height).width(line) > room)
            return height - 1;
    }
    return height;
}

} // namespace Lecterna
