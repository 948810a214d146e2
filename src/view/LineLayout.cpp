#include "view/LineLayout.h"

#include "document/ParagraphList.h"
#include "view/LineList.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace Lecterna {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The wrap rule. `s` is the rest of a paragraph from the start of the line, `n` its length, and
// `width(k)` the tab-expanded width of its first k bytes. It is written once and used both by
// the layout (with O(1) widths from prefix sums) and by wrapLine().
//
// The rule starts from the candidate of at most W bytes (no byte is narrower than a pixel in any
// font worth reading), guesses the fitting length from the average byte width, and then walks
// back to the nearest blank (dropped) or hyphen (kept at the end of the line). Only when no
// break fits does it cut inside a word, and a lone byte wider than the whole line still makes
// a line, so the layout always advances.
template <class Width> size_t applyWrapRule(const char* s, size_t n, int wrapWidth, const Width& width) {
    const int64_t limit = toFixed(wrapWidth);
    n = std::min(n, static_cast<size_t>(wrapWidth));
    const int64_t w = width(n);
    if (w <= limit)
        return n;

    // w > limit > 0 here, and n * limit stays below 2^39 with kMaxWrapWidth.
    size_t len = static_cast<size_t>((static_cast<int64_t>(n) * limit + w - 1) / w);

    for (size_t i = len; i >= 1; --i) {
        const char c = s[i - 1];
        if (isBlank(c)) {
            len = i - 1;
            if (width(len) <= limit)
                return len;
        } else if (c == '-') {
            len = i;
            if (width(len) <= limit)
                return len;
        }
    }
    for (size_t k = len; k-- > 1;) {
        if (width(k) <= limit)
            return k;
    }
    return 1;
}

// Widths of the prefixes of the lines of one paragraph, each in O(1) or O(log TABs).
//
// Without tabs the width of bytes [a, b) is S[b] - S[a], where S is the running sum of advances
// from the start of the paragraph. S is kept only for a window of at most W + 1 positions from
// the current line start, in a ring buffer: every line looks at no more than W bytes, and line
// starts only move forward, so each byte is summed once and memory does not grow with the
// paragraph. A TAB makes the width depend on where the line starts. The TABs of the window are
// queued as the window grows; for each line the position after every TAB of its candidate is
// worked out from the sums, and the width of a prefix is then the position after its last TAB
// plus the sum of the bytes since. A line pays for the TABs it may hold, never for every byte.
class ParagraphWindow {
public:
    // `window` is the most bytes a line may look at: the wrap width, or the longest paragraph
    // when that is shorter.
    ParagraphWindow(const ByteMetrics& metrics, size_t window)
        : m_metrics(metrics), m_sums(std::bit_ceil(window + 2)), m_tabs(m_sums.size()), m_afterTab(m_sums.size()),
          m_mask(m_sums.size() - 1) {}

    void startParagraph(const char* text) {
        m_text = text;
        m_summed = 0;
        m_sums[0] = 0;
        m_tabHead = m_tabTail = 0;
    }

    // Prepares widths of the first `n` bytes from `p`. Windows never move backwards: p and
    // p + n only grow within a paragraph.
    void startLine(size_t p, size_t n) {
        m_start = p;
        const size_t end = p + n;
        while (m_tabHead != m_tabTail && tab(m_tabHead) < p)
            ++m_tabHead;
        int64_t sum = m_sums[m_summed & m_mask];
        for (; m_summed < end; ++m_summed) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_summed]);
            // TABs skipped over at a break (before p) never enter the queue, so it holds no
            // more than the window.
            if (c == '\t' && m_summed >= p)
                m_tabs[m_tabTail++ & m_mask] = m_summed;
            sum += m_metrics.advance[c];
            m_sums[(m_summed + 1) & m_mask] = sum;
        }

        // Every queued TAB now lies in [p, end): the summed end never passes the window end.
        int64_t x = 0;
        size_t from = p;
        for (size_t i = m_tabHead; i != m_tabTail; ++i) {
            const size_t t = tab(i);
            x = m_metrics.nextTabStop(x + this->sum(t) - this->sum(from));
            m_afterTab[i & m_mask] = x;
            from = t + 1;
        }
    }

    int64_t operator()(size_t k) const {
        const size_t end = m_start + k;
        // The last TAB before `end`, by binary search over the queue.
        size_t lo = m_tabHead;
        size_t hi = m_tabTail;
        while (lo != hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (tab(mid) < end)
                lo = mid + 1;
            else
                hi = mid;
        }
        if (lo == m_tabHead)
            return sum(end) - sum(m_start);
        const size_t last = lo - 1;
        return m_afterTab[last & m_mask] + sum(end) - sum(tab(last) + 1);
    }

private:
    int64_t sum(size_t i) const { return m_sums[i & m_mask]; }
    size_t tab(size_t i) const { return m_tabs[i & m_mask]; }

    const ByteMetrics& m_metrics;
    std::vector<int64_t> m_sums;     // ring: S[i] at i & m_mask
    std::vector<size_t> m_tabs;      // ring: positions of the queued TABs
    std::vector<int64_t> m_afterTab; // ring, beside m_tabs: x after each TAB of the current line
    size_t m_mask;
    const char* m_text = nullptr;
    size_t m_summed = 0; // S is known up to this index
    size_t m_tabHead = 0, m_tabTail = 0;
    size_t m_start = 0; // start of the current line
};

} // namespace

std::vector<TextSpan> LineLayout::wrappedSpans(const ParagraphList& paragraphs, int wrapWidth) {
    // A wrap width below one pixel holds nothing: such a narrow window shows the text unwrapped
    // until it is wide enough again.
    if (wrapWidth <= 0)
        return measuredUnwrapped(paragraphs);
    m_widest = 0;
    wrapWidth = std::min(wrapWidth, kMaxWrapWidth);

    size_t longest = 0;
    for (const TextSpan& para : paragraphs.spans())
        longest = std::max<size_t>(longest, para.length);
    ParagraphWindow window(m_metrics, std::min(longest, static_cast<size_t>(wrapWidth)));
    const char* const buffer = paragraphs.buffer().data();
    std::vector<TextSpan> lines;
    lines.reserve(paragraphs.count());

    for (const TextSpan& para : paragraphs.spans()) {
        const char* const text = buffer + para.offset;
        const size_t length = para.length;
        window.startParagraph(text);
        size_t p = 0;
        do {
            const size_t n = std::min(length - p, static_cast<size_t>(wrapWidth));
            window.startLine(p, n);
            size_t len = applyWrapRule(text + p, length - p, wrapWidth, window);
            m_widest = std::max(m_widest, window(len));
            lines.push_back({para.offset + p, static_cast<uint32_t>(len)});
            p += len;
            // The blanks at a break are dropped: a line never starts with the space it broke at.
            while (p < length && isBlank(text[p]))
                ++p;
        } while (p < length);
    }
    return lines;
}

std::vector<TextSpan> LineLayout::unwrappedSpans(const ParagraphList& paragraphs) {
    return paragraphs.spans();
}

std::vector<TextSpan> LineLayout::measuredUnwrapped(const ParagraphList& paragraphs) {
    m_widest = 0;
    for (size_t i = 0; i < paragraphs.count(); ++i)
        m_widest = std::max(m_widest, m_metrics.width(paragraphs.paragraph(i)));
    return unwrappedSpans(paragraphs);
}

void LineLayout::layOut(const ParagraphList& paragraphs, bool wordWrap, int wrapWidth, LineList& lines) {
    lines.assign(&paragraphs.buffer(), wordWrap ? wrappedSpans(paragraphs, wrapWidth) : measuredUnwrapped(paragraphs));
}

size_t LineLayout::wrapLine(const ByteMetrics& metrics, std::string_view rest, int wrapWidth) {
    if (wrapWidth <= 0)
        return rest.size();
    wrapWidth = std::min(wrapWidth, kMaxWrapWidth);
    const size_t n = std::min(rest.size(), static_cast<size_t>(wrapWidth));
    std::vector<int64_t> prefix(n + 1, 0);
    int64_t x = 0;
    for (size_t k = 0; k < n; ++k) {
        const unsigned char c = static_cast<unsigned char>(rest[k]);
        x = c == '\t' ? metrics.nextTabStop(x) : x + metrics.advance[c];
        prefix[k + 1] = x;
    }
    return applyWrapRule(rest.data(), rest.size(), wrapWidth, [&](size_t k) { return prefix[k]; });
}

int horizontalExtent(int64_t widestLine, int leftMargin, int rightMargin, int clientWidth, bool wordWrap) {
    int64_t extent = ceilPixels(widestLine) + leftMargin;
    if (extent > clientWidth)
        extent += rightMargin;
    if (wordWrap)
        extent = std::min<int64_t>(extent, clientWidth);
    return static_cast<int>(std::clamp<int64_t>(extent, 0, INT32_MAX));
}

} // namespace Lecterna
