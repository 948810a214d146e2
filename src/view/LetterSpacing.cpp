#include "view/LetterSpacing.h"

#include "view/ByteMetrics.h"
#include "view/Rounding.h"

#include <algorithm>

namespace Lecterna {

int letterSpacingPixels(int mode, double pointSize, int condensedPercent, int widePercent) {
    switch (mode) {
    case static_cast<int>(LetterSpacingMode::Condensed):
        return static_cast<int>(-roundHalfEven(pointSize * condensedPercent / 100.0));
    case static_cast<int>(LetterSpacingMode::Wide):
        return static_cast<int>(roundHalfEven(pointSize * widePercent / 100.0));
    default: return 0;
    }
}

void applyLetterSpacing(ByteMetrics& metrics, int pixels) {
    const int32_t extra = static_cast<int32_t>(toFixed(pixels));
    for (int c = 0; c < 256; ++c) {
        int32_t& a = metrics.advance[c];
        if (c == '\t' || a == 0)
            continue;
        a = std::max<int32_t>(0, a + extra);
    }
}

} // namespace Lecterna
