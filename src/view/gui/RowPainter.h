#pragma once

#include "view/Justification.h"
#include "view/LineList.h"

#include <QColor>
#include <QPointF>
#include <QRect>

#include <limits>
#include <string_view>

class QPainter;

namespace Lecterna {

class QtByteMetrics;

// The rows of one segment of the line list: row r shows line segmentOffset + r.
struct RowSource {
    const LineList* lines = nullptr;
    size_t segmentOffset = 0;
    int rowCount = 0;

    bool has(int row) const { return lines && row >= 0 && row < rowCount && segmentOffset + row < lines->count(); }
    std::string_view line(int row) const { return lines->line(segmentOffset + static_cast<size_t>(row)); }
};

// What every row painter needs besides the row itself.
struct RowStyle {
    const QtByteMetrics* font = nullptr;
    QColor textColor = Qt::black;
    int leftMargin = 5;
    int rightMargin = 5;
    bool smooth = true; // font smoothing
    // The horizontal span that will be seen, in painter coordinates. Glyphs wholly outside it are
    // not drawn, so a long unwrapped line costs only what shows of it.
    qreal visibleLeft = -std::numeric_limits<qreal>::infinity();
    qreal visibleRight = std::numeric_limits<qreal>::infinity();
};

// Two pages side by side: the right page shows the row one page further down.
struct PagePair {
    int pageWidth = 0;
    int separatorWidth = 13;
    int linesPerPage = 1;
    bool justified = false;
};

// The row painters of the reading area. They keep no state, so the widget, its tests and the
// benchmarks draw through exactly the same code. Every glyph is placed at the position the
// ByteMetrics give it (1/64 px), which is what makes drawn lines as wide as the layout measured.
class RowPainter {
public:
    // The line at the row's left edge plus the left margin, centred vertically in the row but
    // never above its top (a row lower than the text shows the text from its top down).
    static void drawPlain(QPainter& p, const QRect& row, std::string_view line, const RowStyle& style);
    // As drawPlain, but a line that fills at least 85% of the row width less the margins is
    // stretched over its spaces to end exactly at the right margin.
    static void drawJustified(QPainter& p, const QRect& row, std::string_view line, const RowStyle& style);
    // Double-page mode: row r on the left page, row r + linesPerPage on the right page when that
    // row exists in the segment. `row` spans both pages and the separator.
    static void drawPair(QPainter& p, const QRect& row, int r, const RowSource& rows, const PagePair& pages,
                         const RowStyle& style);

    // Glyphs of a line with the pen starting at `origin` (x) on the baseline `origin.y()`.
    static void drawLine(QPainter& p, QPointF origin, std::string_view line, const Justification& justification,
                         const RowStyle& style);
    // Top of the text inside a row.
    static int textTop(const QRect& row, int textHeight);
};

} // namespace Lecterna
