#pragma once

#include "document/ParagraphList.h"
#include "view/ByteMetrics.h"
#include "view/LineList.h"

#include <vector>

namespace Lecterna::testsupport {

// A plain greedy word wrap (break at spaces, drop the break's spaces) that stands in for the real
// layout where painter tests and benchmarks need a page of wrapped lines.
inline std::vector<TextSpan> greedyWrap(const ParagraphList& paragraphs, const ByteMetrics& m, int widthPixels) {
    std::vector<TextSpan> lines;
    const int64_t limit = toFixed(widthPixels);
    for (size_t i = 0; i < paragraphs.count(); ++i) {
        const std::string_view text = paragraphs.paragraph(i);
        const uint64_t base = paragraphs.span(i).offset;
        size_t start = 0;
        do {
            size_t end = text.find(' ', start + 1);
            end = end == std::string_view::npos ? text.size() : end;
            while (end < text.size()) {
                size_t next = text.find(' ', end + 1);
                next = next == std::string_view::npos ? text.size() : next;
                if (m.width(text.substr(start, next - start)) > limit)
                    break;
                end = next;
            }
            lines.push_back({base + start, static_cast<uint32_t>(end - start)});
            start = text.find_first_not_of(' ', end);
        } while (start != std::string_view::npos && start < text.size());
    }
    return lines;
}

} // namespace Lecterna::testsupport
