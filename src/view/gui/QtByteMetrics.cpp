#include "view/gui/QtByteMetrics.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace Lecterna {

namespace {

QFont makeFont(const ReadingFontSpec& fontSpec, int letterSpacing, bool smooth = true) {
    QFont f(fontSpec.family);
    f.setPixelSize(std::max(1, fontSpec.pixelSize));
    f.setBold(fontSpec.bold);
    // Kerning and shaping would make a character's width depend on its neighbours; the layout
    // measures byte by byte, so the drawing must too.
    f.setKerning(false);
    f.setStyleStrategy(smooth ? QFont::PreferNoShaping
                              : QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoAntialias));
    f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return f;
}

// Characters that take no room inside a line and have nothing to draw.
bool takesNoRoom(QChar c) {
    const QChar::Category cat = c.category();
    return cat == QChar::Other_Control || cat == QChar::Other_Format;
}

bool isMark(QChar c) {
    const QChar::Category cat = c.category();
    return cat == QChar::Mark_NonSpacing || cat == QChar::Mark_Enclosing;
}

// The same face as `raw`, with smoothing off.
QRawFont monoVariant(const QRawFont& raw, const QFont& like) {
    QFont f = like;
    f.setFamily(raw.familyName());
    f.setStyleName(raw.styleName());
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoAntialias));
    return QRawFont::fromFont(f);
}

} // namespace

int ReadingFontSpec::pixelSizeForPoints(qreal points, qreal dpi) {
    return std::max(1, static_cast<int>(std::lround(points * dpi / 72.0)));
}

int ReadingFontSpec::pixelSizeForFontHeight(const QString& family, bool bold, int height) {
    if (height < 0)
        return -height;
    if (height == 0)
        return 1;
    ReadingFontSpec reference{family, 1000, bold};
    const QFontMetricsF fm(makeFont(reference, 0));
    const qreal cell = fm.ascent() + fm.descent();
    if (cell <= 0)
        return height;
    return std::max(1, static_cast<int>(std::lround(height * 1000.0 / cell)));
}

// Nothing measured yet: every byte is blank and takes no room.
QtByteMetrics::QtByteMetrics() : m_font(makeFont(m_fontSpec, 0)), m_monoFont(makeFont(m_fontSpec, 0, false)) {}

QtByteMetrics QtByteMetrics::create(const ReadingFontSpec& fontSpec, const DisplayTable& table, int letterSpacingPixels) {
    QtByteMetrics m;
    m.m_fontSpec = fontSpec;
    m.m_table = table;
    m.m_letterSpacing = letterSpacingPixels;
    m.m_font = makeFont(fontSpec, letterSpacingPixels);
    m.m_monoFont = makeFont(fontSpec, letterSpacingPixels, false);

    // Advances come from the font without letter spacing; the spacing is added here once.
    const QFont plain = makeFont(fontSpec, 0);
    const QFontMetricsF fm(plain);
    const QFontMetrics im(plain);
    const QRawFont primary = QRawFont::fromFont(plain);
    m.m_rawFonts.push_back(primary);
    m.m_monoRawFonts.push_back(QRawFont::fromFont(makeFont(fontSpec, 0, false)));

    auto fontIndexOf = [&m, &plain](const QRawFont& raw) {
        for (size_t i = 0; i < m.m_rawFonts.size(); ++i)
            if (m.m_rawFonts[i] == raw)
                return static_cast<quint16>(i);
        m.m_rawFonts.push_back(raw);
        m.m_monoRawFonts.push_back(monoVariant(raw, plain));
        return static_cast<quint16>(m.m_rawFonts.size() - 1);
    };

    const int64_t spacing = toFixed(letterSpacingPixels);
    for (int b = 0; b < 256; ++b) {
        const QChar c = table.at(static_cast<unsigned char>(b));
        Glyph& g = m.m_glyphs[b];
        int32_t& advance = m.m_metrics.advance[b];
        if (b == '\t' || takesNoRoom(c)) {
            advance = 0;
            continue;
        }
        const double width = isMark(c) ? 0.0 : fm.horizontalAdvance(c);
        advance = static_cast<int32_t>(std::lround(width * 64.0) + (isMark(c) ? 0 : spacing));
        if (c == QChar(u' '))
            continue;
        if (primary.supportsCharacter(c)) {
            const QList<quint32> idx = primary.glyphIndexesForString(QString(c));
            g.index = idx.value(0);
            g.drawn = true;
            continue;
        }
        // Not in the reading font: draw it from the font Qt itself falls back to, which is also
        // the one QFontMetricsF measured above.
        QTextLayout layout(QString(c), plain);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (!runs.isEmpty() && !runs.front().glyphIndexes().isEmpty()) {
            g.index = runs.front().glyphIndexes().front();
            g.font = fontIndexOf(runs.front().rawFont());
            g.drawn = true;
        } else {
            g.index = primary.glyphIndexesForString(QString(c)).value(0);
            g.drawn = true;
        }
    }

    m.m_ascent = im.ascent();
    m.m_metrics.textHeight = im.ascent() + im.descent();
    m.m_metrics.charHeight = m.m_metrics.textHeight;
    // Default tab stops every eight average character widths, as the classic tabbed text calls have.
    int average = im.averageCharWidth();
    if (average <= 0)
        average = std::max(1, static_cast<int>(std::lround(fm.horizontalAdvance(QChar(u'x')))));
    m.m_metrics.tabStop = static_cast<int32_t>(toFixed(int64_t{8} * average));
    return m;
}

} // namespace Lecterna
