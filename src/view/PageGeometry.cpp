#include "view/PageGeometry.h"

#include <algorithm>

namespace Lecterna {

PageGeometry PageGeometry::compute(int clientWidth, bool doublePage, int leftMargin, int rightMargin) {
    PageGeometry g;
    clientWidth = std::max(clientWidth, 0);
    if (doublePage) {
        g.pageWidth = std::max(0, (clientWidth - kSeparatorWidth) / 2);
        g.separatorWidth = kSeparatorWidth + clientWidth % 2;
    } else {
        g.pageWidth = clientWidth;
    }
    g.wrapWidth = g.pageWidth - (leftMargin + rightMargin);
    return g;
}

} // namespace Lecterna
