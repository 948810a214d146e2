#include "view/LineSpacing.h"

#include <algorithm>

namespace Lecterna {

std::array<LineSpacing::Item, LineSpacing::kCount> LineSpacing::items(int userLineSpacing) {
    return {{
        {"&Одинарный", "Ctrl+1", 10},
        {"&Полуторный", "Ctrl+5", 15},
        {"&Двойной", "Ctrl+2", 20},
        {"&Максимальный", "Ctrl+9", 25},
        {"&Настраиваемый", "Ctrl+0", userLineSpacing},
    }};
}

int LineSpacing::tenths(int index, int userLineSpacing) {
    if (index < 0 || index >= kCount)
        index = 0;
    return items(userLineSpacing)[static_cast<size_t>(index)].tenths;
}

int LineSpacing::rowHeight(int textHeight, int tenths) {
    // Exact in integers: no binary fraction sits between the rounding and the half.
    const long long x = static_cast<long long>(textHeight) * tenths;
    long long q = x / 10;
    const long long r = x % 10;
    if (r > 5 || (r == 5 && q % 2 != 0))
        ++q;
    return static_cast<int>(std::max(1LL, q));
}

int LineSpacing::linesPerPage(int clientHeight, int rowHeight, int charHeight) {
    if (clientHeight <= 0)
        return 0;
    rowHeight = std::max(rowHeight, 1);
    const int rows = clientHeight / rowHeight;
    return clientHeight % rowHeight >= 2 * charHeight ? rows + 1 : rows;
}

} // namespace Lecterna
