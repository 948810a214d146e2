#include "view/gui/QtByteMetrics.h"
#include "document/CodePage.h"
#include "support/gui/Fixtures.h"
#include "support/gui/ImageProbe.h"
#include "view/gui/RowPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Lecterna;
using namespace Lecterna::testsupport;

namespace {

constexpr QPointF kOrigin(10, 30);

QImage drawWithRowPainter(const QtByteMetrics& font, std::string_view line, bool smooth = true) {
    QImage image = blankImage({1800, 44});
    QPainter p(&image);
    RowStyle style;
    style.font = &font;
    style.smooth = smooth;
    RowPainter::drawLine(p, kOrigin, line, Justification{}, style);
    return image;
}

QImage drawWithQt(const QtByteMetrics& font, QPointF at, const QString& text, bool smooth = true) {
    QImage image = blankImage({1800, 44});
    QPainter p(&image);
    p.setFont(font.font(smooth));
    p.setPen(Qt::black);
    p.drawText(at, text);
    return image;
}

} // namespace

// The layout wraps by ByteMetrics widths; the reader sees what the painter draws. Each line ends
// in a '|' sentinel: drawn by our painter at the end of the line, it must fall exactly where Qt
// draws a '|' placed at the measured width. Without TABs Qt's own drawText of the whole line,
// with the font we hand out, must even match pixel for pixel.
TEST(QtByteMetrics, DrawnLinesEndExactlyWhereTheyWereMeasured) {
    const DisplayTable dos = DisplayTable::forCodePage(CodePage(866), false);
    const DisplayTable win = DisplayTable::forCodePage(CodePage(1251), false);
    const std::string cyrillic = readFixture("cyrillic-cp866.txt").substr(0, 140);
    ASSERT_FALSE(cyrillic.empty());
    struct Line {
        const DisplayTable* table;
        std::string bytes;
    } lines[] = {
        {&dos, cyrillic},
        {&win, "AVATAR office flow, WAVY fjord: 0123456789 ()[]{} \"quoted\" and so\xAD"
               "ft hy\xADphen\x0C."},
        {&dos, "\t\xAC\xA8\xE0\tTab\tstops  \t\t\xA4\xAE\xAC.\tend"},
    };
    struct FontCase {
        const char* family;
        int pixelSize;
        bool bold;
        bool smooth;
    } fonts[] = {{"Arial", 17, false, true},
                 {"Arial", 16, true, true},
                 {"Times New Roman", 21, false, true},
                 {"Courier New", 15, false, true},
                 {"Arial", 17, false, false}};
    for (const FontCase& f : fonts)
        for (int spacing : {-2, 0, 3})
            for (const Line& line : lines) {
                const QtByteMetrics font =
                    QtByteMetrics::create({QString::fromLatin1(f.family), f.pixelSize, f.bold}, *line.table, spacing);
                SCOPED_TRACE(::testing::Message() << f.family << ' ' << f.pixelSize << (f.bold ? " bold" : "")
                                                  << (f.smooth ? "" : " unsmoothed") << " spacing " << spacing
                                                  << " line " << line.bytes.substr(0, 12));
                const qreal measured = font.metrics().width(line.bytes) / 64.0;
                const QImage ours = drawWithRowPainter(font, line.bytes + "|", f.smooth);
                const QImage sentinel = drawWithQt(font, kOrigin + QPointF(measured, 0), QStringLiteral("|"), f.smooth);
                EXPECT_EQ(inkRight(ours), inkRight(sentinel));
                if (line.bytes.find('\t') == std::string::npos) {
                    EXPECT_EQ(ours, drawWithQt(font, kOrigin, line.table->toQString(line.bytes + "|"), f.smooth));
                }
            }
}

TEST(QtByteMetrics, ControlBytesShowAsDosPicturesOnlyWithAllSymbols) {
    const std::string controls("\x01\x03\x0C\x14\x1A\x1F", 6);
    const CodePage cp(866);
    const QtByteMetrics hidden = QtByteMetrics::create({}, DisplayTable::forCodePage(cp, false), 0);
    const QtByteMetrics shown = QtByteMetrics::create({}, DisplayTable::forCodePage(cp, true), 0);

    EXPECT_EQ(hidden.metrics().width(controls), 0);
    EXPECT_FALSE(hasInk(drawWithRowPainter(hidden, controls)));

    EXPECT_EQ(shown.displayTable().toQString(controls), QString::fromUtf8("☺♥♀¶→▼"));
    EXPECT_EQ(drawWithRowPainter(shown, controls), drawWithQt(shown, kOrigin, QString::fromUtf8("☺♥♀¶→▼")));
    // NUL is a blank as wide as a space; TAB stays a tab.
    EXPECT_EQ(shown.metrics().advance[0], shown.metrics().advance[' ']);
    EXPECT_EQ(shown.displayTable().at('\t'), QChar(u'\t'));
}

TEST(QtByteMetrics, FontHeights) {
    EXPECT_EQ(ReadingFontSpec::pixelSizeForFontHeight(QStringLiteral("Arial"), false, -20), 20);
    // A positive height is the whole cell: the chosen size fills it to the pixel.
    const int size = ReadingFontSpec::pixelSizeForFontHeight(QStringLiteral("Arial"), false, 23);
    const QtByteMetrics font = QtByteMetrics::create({QStringLiteral("Arial"), size, false}, DisplayTable(), 0);
    EXPECT_NEAR(font.metrics().textHeight, 23, 1);
    EXPECT_EQ(font.metrics().textHeight, QFontMetrics(font.font()).height());
}
