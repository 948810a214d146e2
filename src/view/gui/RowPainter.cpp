#include "view/gui/RowPainter.h"

#include "view/gui/QtByteMetrics.h"

#include <QGlyphRun>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace Lecterna {

namespace {

// Glyphs of one row, gathered per raw font. Kept between rows so that painting allocates
// nothing once the buffers have grown to the longest visible line.
struct GlyphBuffer {
    std::vector<quint32> indexes;
    std::vector<QPointF> positions;
};

std::vector<GlyphBuffer>& scratch(size_t fonts) {
    thread_local std::vector<GlyphBuffer> buffers;
    if (buffers.size() < fonts)
        buffers.resize(fonts);
    for (size_t i = 0; i < fonts; ++i) {
        buffers[i].indexes.clear();
        buffers[i].positions.clear();
    }
    return buffers;
}

} // namespace

int RowPainter::textTop(const QRect& row, int textHeight) {
    return row.top() + std::max(0, (row.height() - textHeight) / 2);
}

void RowPainter::drawLine(QPainter& p, QPointF origin, std::string_view line, const Justification& justification,
                          const RowStyle& style) {
    if (line.empty() || !style.font)
        return;
    const QtByteMetrics& font = *style.font;
    const ByteMetrics& m = font.metrics();
    const size_t fontCount = static_cast<size_t>(font.rawFontCount());
    std::vector<GlyphBuffer>& buffers = scratch(fontCount);

    // Ink may stick out of a glyph's advance (italics, negative bearings): keep a glyph whose
    // origin lies within one character height of the visible span.
    const qreal slack = font.fontSpec().pixelSize;
    const qreal left = style.visibleLeft - slack;
    const qreal right = style.visibleRight + slack;

    const bool justify = justification.isActive();
    const int64_t share = justify ? justification.extra / justification.spaces : 0;
    const int64_t remainder = justify ? justification.extra % justification.spaces : 0;
    int64_t spaceNumber = 0;
    int64_t x = 0;
    for (unsigned char c : line) {
        if (c == '\t') {
            x = m.nextTabStop(x);
            continue;
        }
        const QtByteMetrics::Glyph& g = font.glyph(c);
        if (g.drawn) {
            const qreal gx = origin.x() + static_cast<qreal>(x) / 64.0;
            if (gx > right)
                break;
            if (gx >= left) {
                GlyphBuffer& b = buffers[g.font];
                b.indexes.push_back(g.index);
                b.positions.emplace_back(gx, origin.y());
            }
        }
        x += m.advance[c];
        if (justify && c == ' ')
            x += share + (spaceNumber++ < remainder ? 1 : 0);
    }

    p.setPen(style.textColor);
    for (size_t i = 0; i < fontCount; ++i) {
        const GlyphBuffer& b = buffers[i];
        if (b.indexes.empty())
            continue;
        QGlyphRun run;
        run.setRawFont(font.rawFont(static_cast<int>(i), style.smooth));
        run.setRawData(b.indexes.data(), b.positions.data(), static_cast<int>(b.indexes.size()));
        p.drawGlyphRun(QPointF(0, 0), run);
    }
}

void RowPainter::drawPlain(QPainter& p, const QRect& row, std::string_view line, const RowStyle& style) {
    if (!style.font)
        return;
    const int top = textTop(row, style.font->metrics().textHeight);
    drawLine(p, QPointF(row.left() + style.leftMargin, top + style.font->ascent()), line, Justification{}, style);
}

void RowPainter::drawJustified(QPainter& p, const QRect& row, std::string_view line, const RowStyle& style) {
    if (!style.font)
        return;
    const int available = row.width() - (style.leftMargin + style.rightMargin);
    const Justification j = Justification::forLine(line, style.font->metrics(), available);
    const int top = textTop(row, style.font->metrics().textHeight);
    drawLine(p, QPointF(row.left() + style.leftMargin, top + style.font->ascent()), line, j, style);
}

void RowPainter::drawPair(QPainter& p, const QRect& row, int r, const RowSource& rows, const PagePair& pages,
                          const RowStyle& style) {
    auto draw = [&](const QRect& rect, int index) {
        if (!rows.has(index))
            return;
        if (pages.justified)
            drawJustified(p, rect, rows.line(index), style);
        else
            drawPlain(p, rect, rows.line(index), style);
    };
    const QRect left(row.left(), row.top(), pages.pageWidth, row.height());
    draw(left, r);
    const int r2 = r + pages.linesPerPage;
    if (r2 < rows.rowCount)
        draw(left.translated(pages.pageWidth + pages.separatorWidth, 0), r2);
}

} // namespace Lecterna
