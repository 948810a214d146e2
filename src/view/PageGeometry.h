#pragma once

namespace Lecterna {

// Horizontal geometry of the reading area: one page as wide as the area, or two pages side by
// side with a separator between them. Every page has the left and right margins inside it.
struct PageGeometry {
    static constexpr int kSeparatorWidth = 13;

    int pageWidth = 0;      // width of one page, margins included
    int separatorWidth = 0; // 0 on a single page
    int wrapWidth = 0;      // room for text on one page; zero or less when the margins fill it

    // In double-page mode the page width is (client width - 13) div 2 and the separator takes
    // 13 pixels plus the odd one. A window narrower than the separator gets pages of width 0.
    static PageGeometry compute(int clientWidth, bool doublePage, int leftMargin, int rightMargin);
};

} // namespace Lecterna
