#pragma once

#include <cstdint>

namespace Lecterna {

// A colour in the hue-luminance-saturation model with every component in 0..240, the scale the
// program's colour rules are written in. Colours outside are 0xRRGGBB.
struct HlsColor {
    static constexpr int kMax = 240;

    int hue = 0;
    int luminance = 0;
    int saturation = 0;

    static HlsColor fromRgb(uint32_t rgb);
    uint32_t toRgb() const;

    // The text colour the page type of autoscroll fades the page to before it turns: the
    // luminance moved half way towards the background's (truncating), hue and saturation kept.
    static uint32_t dimmedText(uint32_t textRgb, uint32_t backgroundRgb);
};

} // namespace Lecterna
