#pragma once

#include "document/TextSpan.h"
#include "view/ByteMetrics.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace Lecterna {

class LineList;
class ParagraphList;

// Turns the paragraphs of the open book into display lines, either wrapped to a width in pixels
// or one line per paragraph. Lines are spans into the paragraph buffer, so a layout costs a few
// bytes per line whatever the length of the book or of its paragraphs.
//
// The widths compared are the tab-expanded widths of the painter (ByteMetrics, 1/64 pixel,
// letter spacing included), measured from the start of each line, so a wrapped line is never
// drawn wider than the width it was wrapped to.
class LineLayout {
public:
    explicit LineLayout(const ByteMetrics& metrics) : m_metrics(metrics) {}

    const ByteMetrics& metrics() const { return m_metrics; }

    // Replaces the contents of `lines` with the layout of `paragraphs`. With `wordWrap` every
    // paragraph is broken to fit `wrapWidth` pixels; otherwise every paragraph is one line. A
    // wrap width of zero or less (a window narrower than its margins) cannot hold a character:
    // the paragraphs are then laid out unwrapped until the window is wide enough again.
    void layOut(const ParagraphList& paragraphs, bool wordWrap, int wrapWidth, LineList& lines);

    // The spans alone, for callers that keep their own list (unwrapped when wrapWidth <= 0).
    std::vector<TextSpan> wrappedSpans(const ParagraphList& paragraphs, int wrapWidth);
    static std::vector<TextSpan> unwrappedSpans(const ParagraphList& paragraphs);

    // Width in 1/64 pixel of the widest line of the last layOut() or wrappedSpans() (0 for an
    // empty book).
    int64_t widestLine() const { return m_widest; }

    // Length of the longest prefix of `rest` (the remaining text of a paragraph from the start
    // of a line) that the wrap rule lets fit in `wrapWidth` > 0 pixels. Always at least 1 for a
    // non-empty `rest` unless the line starts with a blank that the caller skips. Costs a walk
    // over at most `wrapWidth` bytes; the layout itself shares the work between lines.
    static size_t wrapLine(const ByteMetrics& metrics, std::string_view rest, int wrapWidth);

    // Wrap widths beyond this are treated as this. No screen is that wide, and it bounds the
    // work buffers of a layout (a few MB at most) and keeps the rule's arithmetic inside 64 bits.
    static constexpr int kMaxWrapWidth = 1 << 16;

private:
    std::vector<TextSpan> measuredUnwrapped(const ParagraphList& paragraphs);

    ByteMetrics m_metrics;
    int64_t m_widest = 0;
};

// The width of the reading area's horizontal scroll range: the widest line (1/64 pixel, rounded
// up to whole pixels) plus the left margin, plus the right margin when that exceeds the client
// width. With word wrap the text never scrolls sideways, so the extent stops at the client width.
int horizontalExtent(int64_t widestLine, int leftMargin, int rightMargin, int clientWidth, bool wordWrap);

// Pixels a width in 1/64 pixel covers on the screen.
inline int64_t ceilPixels(int64_t width) {
    return width >= 0 ? (width + 63) / 64 : -((-width) / 64);
}

} // namespace Lecterna
