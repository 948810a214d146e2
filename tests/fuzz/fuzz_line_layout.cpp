// Wrapping arbitrary bytes at arbitrary widths: the layout must agree with the direct rule, cover
// every byte of every paragraph in order, and never start a line with the blank it broke at.
#include "../support/ReferenceWrap.h"
#include "document/ParagraphList.h"
#include "view/LineLayout.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4 || size > 8192)
        return 0;
    const int width = (data[0] | (data[1] << 8)) % 600 - 20; // a few widths of zero or less
    Lecterna::ByteMetrics metrics;
    for (int c = 0; c < 256; ++c)
        metrics.advance[c] = ((c * (data[2] | 1) + data[2]) % 29) * 37; // 0 to about 16 px
    metrics.tabStop = data[3] * 50;

    Lecterna::ParagraphList paragraphs;
    paragraphs.setTextKeepingNul(std::string(reinterpret_cast<const char*>(data) + 4, size - 4));
    Lecterna::LineLayout layout(metrics);
    const std::vector<Lecterna::TextSpan> lines = layout.wrappedSpans(paragraphs, width);
    if (width > 0 && lines != Lecterna::Reference::layOut(paragraphs, metrics, width))
        std::abort();

    // Every paragraph gives at least one line; its lines follow each other with nothing but
    // the blanks of a break between them, and only blanks are left after the last.
    const std::string& text = paragraphs.buffer();
    auto blanks = [&](uint64_t from, uint64_t to) {
        for (uint64_t i = from; i < to; ++i)
            if (text[i] != ' ' && text[i] != '\t')
                return false;
        return true;
    };
    size_t line = 0;
    for (const Lecterna::TextSpan& para : paragraphs.spans()) {
        uint64_t at = para.offset;
        size_t count = 0;
        while (line < lines.size() && lines[line].offset <= para.end()) {
            const Lecterna::TextSpan& l = lines[line++];
            if (l.offset < at || l.end() > para.end() || (count == 0 && l.offset != para.offset) ||
                !blanks(at, l.offset))
                std::abort();
            at = l.end();
            ++count;
        }
        if (count == 0 || !blanks(at, para.end()))
            std::abort();
    }
    if (line != lines.size())
        std::abort();
    return 0;
}
