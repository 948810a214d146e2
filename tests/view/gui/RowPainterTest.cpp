#include "view/gui/RowPainter.h"
#include "document/CodePage.h"
#include "document/ParagraphList.h"
#include "support/gui/Fixtures.h"
#include "support/gui/ImageProbe.h"
#include "view/LineLayout.h"
#include "view/gui/QtByteMetrics.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace Lecterna;
using namespace Lecterna::testsupport;

namespace {

constexpr int kRowWidth = 640;
constexpr int kRowHeight = 30;

// Adds `letter` to a short word and a space until the line fills `percent` of the room: just below it when
// `below`, else just above.
std::string lineFilling(const ByteMetrics& m, char letter, int percent, bool below, int available) {
    std::string line = "\xA0\xA1 ";
    const int64_t target = toFixed(available) * percent / 100;
    while (m.width(line + letter) <= target)
        line += letter;
    if (!below)
        line += letter;
    return line;
}

} // namespace

// A stretched line must end at the right margin to the pixel, whatever its letter spacing; lines
// that fill less than 85% of the room, and lines without spaces, keep their natural width.
TEST(RowPainter, JustifiedLinesEndExactlyAtTheRightMarginShortOnesStayRagged) {
    const DisplayTable table = DisplayTable::forCodePage(CodePage(866), false);
    ParagraphList text;
    text.setTextKeepingNul(readFixture("cyrillic-cp866.txt"));
    for (int spacing : {0, 3}) {
        const QtByteMetrics font = QtByteMetrics::create({QStringLiteral("Arial"), 17, false}, table, spacing);
        const ByteMetrics& m = font.metrics();
        RowStyle style;
        style.font = &font;
        const int available = kRowWidth - style.leftMargin - style.rightMargin;

        // Paragraph text (the last line of each paragraph is short), and three lines made to measure.
        struct Line {
            std::string bytes;
            int expectStretched; // -1: whatever the fill says
        };
        std::vector<Line> lines;
        for (const TextSpan& s : LineLayout(m).wrappedSpans(text, available))
            lines.push_back({text.buffer().substr(s.offset, s.length), -1});
        lines.push_back({lineFilling(m, '\xAE', 84, true, available), 0});
        lines.push_back({lineFilling(m, '\xAE', 86, false, available), 1});
        const auto noSpace = static_cast<size_t>(toFixed(available) * 95 / 100 / m.advance[0xAE]);
        lines.push_back({std::string(noSpace, '\xAE'), 0}); // 95% but no space

        int stretchedCount = 0;
        for (const Line& line : lines) {
            SCOPED_TRACE(table.toQString(line.bytes).toStdString());
            QImage drawn = blankImage({kRowWidth + 60, kRowHeight});
            {
                QPainter p(&drawn);
                RowPainter::drawJustified(p, QRect(0, 0, kRowWidth, kRowHeight), line.bytes, style);
            }
            const int64_t w = m.width(line.bytes);
            const bool stretched = w * 100 >= toFixed(available) * 85 && line.bytes.find(' ') != std::string::npos;
            if (line.expectStretched >= 0) {
                EXPECT_EQ(stretched, line.expectStretched == 1);
            }
            // The last character drawn by Qt where the line must end: the right margin, or the
            // line's natural width.
            const unsigned char last = static_cast<unsigned char>(line.bytes.back());
            const qreal end = style.leftMargin + (stretched ? available : w / 64.0);
            QImage expected = blankImage(drawn.size());
            {
                QPainter p(&expected);
                p.setFont(font.font());
                p.drawText(QPointF(end - m.advance[last] / 64.0,
                                   RowPainter::textTop(drawn.rect(), m.textHeight) + font.ascent()),
                           QString(table.at(last)));
            }
            EXPECT_EQ(inkRight(drawn), inkRight(expected));
            stretchedCount += stretched;
        }
        EXPECT_GE(stretchedCount, 10);
    }
}
