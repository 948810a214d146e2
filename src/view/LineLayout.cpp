#include "view/LineLayout.h"

#include "document/ParagraphList.h"
#include "view/LineList.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace Lecterna {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The wrap rule. `s` is the rest of a paragraph from the start of the line, `n` its length, and
// `width(k)` the tab-expanded width of its first k bytes. It is written once and used both by
// the layout (with O(1) widths from prefix sums) and by wrapLine().
//
// The rule starts from the candidate of at most W bytes (no byte is narrower than a pixel in any
// font worth reading), guesses the fitting length from the average byte width, and then walks
// back to the nearest blank (dropped) or hyphen (kept at the end of the line). Only when no
// break fits does it cut inside a word, and a lone byte wider than the whole line still makes
// a line, so the layout always advances.
template <class Width>
size_t applyWrapRule(const char* s, size_t n, int wrapWidth, const Width& width) {
    const int64_t limit = toFixed(wrapWidth);
    n = std::min(n, static_cast<size_t>(wrapWidth));
    const int64_t w = width(n);
    if (w <= limit)
        return n;

    // w > limit > 0 here, and n * limit stays below 2^55 with kMaxWrapWidth.
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

// Widths of the prefixes of the lines of one paragraph, each in O(1).
//
// Without tabs the width of bytes [a, b) is S[b] - S[a], where S is the running sum of advances
// from the start of the paragraph. S is kept only for a window of at most W + 1 positions from
// the current line start, in a ring buffer: every line looks at no more than W bytes, and line
// starts only move forward, so each byte is summed once and memory does not grow with the
// paragraph. A TAB makes the width depend on where the line starts; a line whose candidate holds
// TABs gets their part expanded by a short walk up to the last TAB, and everything after the
// last TAB is again a difference of sums.
class ParagraphWindow {
public:
    // `window` is the most bytes a line may look at: the wrap width, or the longest paragraph
    // when that is shorter.
    ParagraphWindow(const ByteMetrics& metrics, size_t window, std::vector<int64_t>& ring,
                    std::vector<int64_t>& tabbed)
        : m_metrics(metrics), m_ring(ring), m_tabbed(tabbed) {
        const size_t capacity = std::bit_ceil(window + 2);
        if (m_ring.size() != capacity)
            m_ring.assign(capacity, 0);
        m_mask = capacity - 1;
        m_tabbed.assign(window + 1, 0);
    }

    void startParagraph(const char* text, size_t length) {
        m_text = text;
        m_length = length;
        m_summed = 0;
        m_ring[0] = 0;
        m_nextTab = 0;
        findNextTab(0);
    }

    // Prepares widths of the first `n` bytes from `p` (n at most the wrap width).
    void startLine(size_t p, size_t n) {
        m_start = p;
        const size_t end = p + n;
        int64_t sum = m_ring[m_summed & m_mask];
        for (; m_summed < end; ++m_summed) {
            sum += m_metrics.advance[static_cast<unsigned char>(m_text[m_summed])];
            m_ring[(m_summed + 1) & m_mask] = sum;
        }

        if (m_nextTab < p)
            findNextTab(p);
        m_head = 0;
        if (m_nextTab >= end)
            return;
        size_t lastTab = m_nextTab;
        while (const void* t = std::memchr(m_text + lastTab + 1, '\t', end - lastTab - 1))
            lastTab = static_cast<size_t>(static_cast<const char*>(t) - m_text);
        m_head = lastTab + 1 - p;
        int64_t x = 0;
        for (size_t k = 0; k < m_head; ++k) {
            const unsigned char c = static_cast<unsigned char>(m_text[p + k]);
            x = c == '\t' ? m_metrics.nextTabStop(x) : x + m_metrics.advance[c];
            m_tabbed[k + 1] = x;
        }
    }

    int64_t operator()(size_t k) const {
        if (k <= m_head)
            return m_tabbed[k];
        return m_tabbed[m_head] + sum(m_start + k) - sum(m_start + m_head);
    }

private:
    int64_t sum(size_t i) const { return m_ring[i & m_mask]; }

    void findNextTab(size_t from) {
        const void* t = from < m_length ? std::memchr(m_text + from, '\t', m_length - from) : nullptr;
        m_nextTab = t ? static_cast<size_t>(static_cast<const char*>(t) - m_text) : m_length;
    }

    const ByteMetrics& m_metrics;
    std::vector<int64_t>& m_ring;
    std::vector<int64_t>& m_tabbed; // m_tabbed[0] stays 0
    size_t m_mask = 0;
    const char* m_text = nullptr;
    size_t m_length = 0;
    size_t m_summed = 0;  // S is known up to this index
    size_t m_nextTab = 0; // first TAB at or after the last line start, or m_length
    size_t m_start = 0;   // start of the current line
    size_t m_head = 0;    // bytes of the current line up to and including its last TAB
};

} // namespace

std::vector<TextSpan> LineLayout::wrappedSpans(const ParagraphList& paragraphs, int wrapWidth) {
    m_widest = 0;
    if (wrapWidth <= 0)
        return unwrappedSpans(paragraphs);
    wrapWidth = std::min(wrapWidth, kMaxWrapWidth);

    size_t longest = 0;
    for (const TextSpan& para : paragraphs.spans())
        longest = std::max<size_t>(longest, para.length);
    ParagraphWindow window(m_metrics, std::min(longest, static_cast<size_t>(wrapWidth)), m_ring, m_tabbed);
    const char* const buffer = paragraphs.buffer().data();
    std::vector<TextSpan> lines;
    lines.reserve(paragraphs.count());

    for (const TextSpan& para : paragraphs.spans()) {
        const char* const text = buffer + para.offset;
        const size_t length = para.length;
        window.startParagraph(text, length);
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

std::vector<TextSpan> LineLayout::unwrappedSpans(const ParagraphList& paragraphs) { return paragraphs.spans(); }

void LineLayout::layOut(const ParagraphList& paragraphs, bool wordWrap, int wrapWidth, LineList& lines) {
    std::vector<TextSpan> spans;
    if (wordWrap && wrapWidth > 0) {
        spans = wrappedSpans(paragraphs, wrapWidth);
    } else {
        spans = unwrappedSpans(paragraphs);
        m_widest = 0;
        for (size_t i = 0; i < paragraphs.count(); ++i)
            m_widest = std::max(m_widest, m_metrics.width(paragraphs.paragraph(i)));
    }
    lines.assign(&paragraphs.buffer(), std::move(spans));
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
