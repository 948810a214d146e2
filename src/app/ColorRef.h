#pragma once

#include <cstdint>

namespace Lecterna {

// Colours live in the program as 0xRRGGBB. The settings file keeps them in the layout of older
// Windows-made files, 0x00BBGGRR, so that a copied settings file keeps its colours.
constexpr uint32_t colorRefFromRgb(uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
constexpr uint32_t rgbFromColorRef(uint32_t colorRef) {
    return colorRefFromRgb(colorRef & 0xFFFFFF);
}

} // namespace Lecterna
