#include "view/HlsColor.h"

#include <algorithm>

namespace Lecterna {

namespace {

// Integer arithmetic with rounding at each step, so that a colour converted there and back comes
// out as the same 8-bit triple for every grey and every fully saturated hue.
constexpr int kRgbMax = 255;
constexpr int kHlsMax = HlsColor::kMax;
constexpr int kUndefinedHue = kHlsMax * 2 / 3; // the hue of greys

int hueToRgb(int n1, int n2, int hue) {
    if (hue < 0)
        hue += kHlsMax;
    if (hue > kHlsMax)
        hue -= kHlsMax;
    if (hue < kHlsMax / 6)
        return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    if (hue < kHlsMax / 2)
        return n2;
    if (hue < kHlsMax * 2 / 3)
        return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    return n1;
}

int channel(int value) {
    return std::clamp(value, 0, kRgbMax);
}

} // namespace

HlsColor HlsColor::fromRgb(uint32_t rgb) {
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    const int cMax = std::max({r, g, b}), cMin = std::min({r, g, b});
    HlsColor c;
    c.luminance = ((cMax + cMin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (cMax == cMin) {
        c.hue = kUndefinedHue;
        return c;
    }
    const int range = cMax - cMin;
    if (c.luminance <= kHlsMax / 2)
        c.saturation = (range * kHlsMax + (cMax + cMin) / 2) / (cMax + cMin);
    else
        c.saturation = (range * kHlsMax + (2 * kRgbMax - cMax - cMin) / 2) / (2 * kRgbMax - cMax - cMin);
    const int rDelta = ((cMax - r) * (kHlsMax / 6) + range / 2) / range;
    const int gDelta = ((cMax - g) * (kHlsMax / 6) + range / 2) / range;
    const int bDelta = ((cMax - b) * (kHlsMax / 6) + range / 2) / range;
    if (r == cMax)
        c.hue = bDelta - gDelta;
    else if (g == cMax)
        c.hue = kHlsMax / 3 + rDelta - bDelta;
    else
        c.hue = kHlsMax * 2 / 3 + gDelta - rDelta;
    if (c.hue < 0)
        c.hue += kHlsMax;
    if (c.hue > kHlsMax)
        c.hue -= kHlsMax;
    return c;
}

uint32_t HlsColor::toRgb() const {
    int r, g, b;
    if (saturation == 0) {
        r = g = b = luminance * kRgbMax / kHlsMax;
    } else {
        const int magic2 = luminance <= kHlsMax / 2
                               ? (luminance * (kHlsMax + saturation) + kHlsMax / 2) / kHlsMax
                               : luminance + saturation - (luminance * saturation + kHlsMax / 2) / kHlsMax;
        const int magic1 = 2 * luminance - magic2;
        r = (hueToRgb(magic1, magic2, hue + kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
        g = (hueToRgb(magic1, magic2, hue) * kRgbMax + kHlsMax / 2) / kHlsMax;
        b = (hueToRgb(magic1, magic2, hue - kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
    }
    return (uint32_t(channel(r)) << 16) | (uint32_t(channel(g)) << 8) | uint32_t(channel(b));
}

uint32_t HlsColor::dimmedText(uint32_t textRgb, uint32_t backgroundRgb) {
    HlsColor text = fromRgb(textRgb);
    const int background = fromRgb(backgroundRgb).luminance;
    // C++ division truncates toward zero, as the rule wants for a darker background too.
    text.luminance += (background - text.luminance) / 2;
    return text.toRgb();
}

} // namespace Lecterna
