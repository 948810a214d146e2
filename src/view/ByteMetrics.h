#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Lecterna {

// Widths of the reading font for the 256 byte values of the book's display code page, in 1/64
// pixel (26.6 fixed point, the unit the font engine itself works in). The layout measures with
// these tables alone, and the painter positions what it draws by the same numbers, so a line is
// drawn exactly as wide as it was measured.
struct ByteMetrics {
    // Advance of each byte, letter spacing included. Bytes that take no room inside a line
    // (CR, LF, FF, the soft hyphen) have 0. TAB's entry is unused: tabs go to the next stop.
    std::array<int32_t, 256> advance{};
    // Distance between the default tab stops, measured from the start of the line.
    int32_t tabStop = 64 * 64;
    // Height of a line of text in pixels (the base of the row height) and the font's character
    // height in pixels.
    int textHeight = 16;
    int charHeight = 16;

    // Tab-expanded width of a line drawn from x = 0.
    int64_t width(std::string_view bytes) const {
        int64_t x = 0;
        for (unsigned char c : bytes) {
            if (c == '\t')
                x = nextTabStop(x);
            else
                x += advance[c];
        }
        return x;
    }
    int64_t nextTabStop(int64_t x) const { return tabStop > 0 ? (x / tabStop + 1) * tabStop : x; }

    // A fixed-pitch measure: every byte `pixels` wide, tab stops every `tabPixels`.
    static ByteMetrics fixedPitch(int pixels, int tabPixels) {
        ByteMetrics m;
        m.advance.fill(pixels * 64);
        m.tabStop = tabPixels * 64;
        m.textHeight = m.charHeight = pixels * 2;
        return m;
    }
};

inline constexpr int64_t toFixed(int64_t pixels) { return pixels * 64; }

} // namespace Lecterna
