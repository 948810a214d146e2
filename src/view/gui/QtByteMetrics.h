#pragma once

#include "view/ByteMetrics.h"
#include "view/gui/DisplayTable.h"

#include <QFont>
#include <QRawFont>
#include <QString>

#include <array>
#include <vector>

namespace Lecterna {

// The reading font as the user chose it.
struct ReadingFontSpec {
    QString family = QStringLiteral("Arial");
    int pixelSize = 16; // character (em) height in pixels
    bool bold = false;

    // Font sizes are stored in points and convert at the screen's logical DPI, rounding halves
    // away from zero as the classic MulDiv does.
    static int pixelSizeForPoints(qreal points, qreal dpi);
    // A stored font height: a negative value is the character height in pixels; a positive one
    // is the whole cell height (ascent + descent), converted through the family's proportions.
    static int pixelSizeForFontHeight(const QString& family, bool bold, int height);
};

// The reading font measured for one display table and one letter spacing: the per-byte advances
// the layout wraps with, and everything the row painters need to draw exactly those advances.
//
// Measured on this platform: QFontMetricsF's per-character advances are multiples of 1/64 px and,
// with kerning and shaping off and the letter spacing added to every character, add up to
// precisely what QPainter::drawText draws; the integer advances of QFontMetrics would drift by
// tens of pixels over a line. Inside a string the soft hyphen and the control characters (CR, LF,
// FF, ...) take no room at all, not even the letter spacing. The painters place every glyph
// themselves from these advances (one glyph run per row), so a drawn line is as wide as it was
// measured whatever the font does with ligatures; font() draws the same widths through drawText.
class QtByteMetrics {
public:
    struct Glyph {
        quint32 index = 0;
        quint16 font = 0;   // index into the raw fonts: 0 is the reading font, others fallbacks
        bool drawn = false; // false for blanks and for bytes that take no room
    };

    QtByteMetrics();
    static QtByteMetrics create(const ReadingFontSpec& fontSpec, const DisplayTable& table, int letterSpacingPixels);

    const ByteMetrics& metrics() const { return m_metrics; }
    // The font configured to draw exactly these widths with QPainter::drawText; unsmoothed when
    // `smooth` is false.
    const QFont& font(bool smooth = true) const { return smooth ? m_font : m_monoFont; }
    const DisplayTable& displayTable() const { return m_table; }
    const ReadingFontSpec& fontSpec() const { return m_fontSpec; }
    int letterSpacing() const { return m_letterSpacing; }
    // Baseline below the top of the text, pixels.
    int ascent() const { return m_ascent; }

    const Glyph& glyph(unsigned char byte) const { return m_glyphs[byte]; }
    // Whether glyphs are smoothed is a property of the font engine, not of the painter, so each
    // raw font comes twice; both have the same glyphs and advances.
    const QRawFont& rawFont(int i, bool smooth = true) const {
        return (smooth ? m_rawFonts : m_monoRawFonts)[static_cast<size_t>(i)];
    }
    int rawFontCount() const { return static_cast<int>(m_rawFonts.size()); }

private:
    ReadingFontSpec m_fontSpec;
    DisplayTable m_table;
    int m_letterSpacing = 0;
    QFont m_font;
    QFont m_monoFont;
    ByteMetrics m_metrics;
    int m_ascent = 0;
    std::array<Glyph, 256> m_glyphs{};
    std::vector<QRawFont> m_rawFonts;
    std::vector<QRawFont> m_monoRawFonts;
};

} // namespace Lecterna
