#pragma once

// A direct, slow transcription of the wrap rule that measures every candidate from scratch. The
// layout computes the same widths from running sums over a sliding window; the tests compare.
#include "document/ParagraphList.h"
#include "view/ByteMetrics.h"

#include <algorithm>
#include <vector>

namespace Lecterna::Reference {

inline size_t wrapLine(const ByteMetrics& m, std::string_view rest, int wrapWidth) {
    const int64_t limit = int64_t(wrapWidth) * 64;
    auto fits = [&](size_t len) { return m.width(rest.substr(0, len)) <= limit; };
    const size_t n = std::min(rest.size(), size_t(wrapWidth));
    const int64_t w = m.width(rest.substr(0, n));
    if (w <= limit)
        return n;
    size_t len = size_t((int64_t(n) * limit + w - 1) / w);
    for (size_t i = len; i >= 1; --i) {
        const char c = rest[i - 1];
        if ((c == ' ' || c == '\t' || c == '-') && fits(len = c == '-' ? i : i - 1))
            return len;
    }
    for (size_t k = len - 1; k >= 1; --k)
        if (fits(k))
            return k;
    return 1;
}

inline std::vector<TextSpan> layOut(const ParagraphList& paragraphs, const ByteMetrics& m, int wrapWidth) {
    std::vector<TextSpan> lines;
    for (size_t i = 0; i < paragraphs.count(); ++i) {
        const std::string_view s = paragraphs.paragraph(i);
        size_t p = 0;
        do {
            const size_t len = wrapLine(m, s.substr(p), wrapWidth);
            lines.push_back({paragraphs.span(i).offset + p, uint32_t(len)});
            p += len;
            while (p < s.size() && (s[p] == ' ' || s[p] == '\t'))
                ++p;
        } while (p < s.size());
    }
    return lines;
}

} // namespace Lecterna::Reference
