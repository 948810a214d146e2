#include "view/gui/ReadingArea.h"

#include "view/LineSpacing.h"
#include "view/PageGeometry.h"
#include "view/gui/TextureLoader.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <qdrawutil.h>

#include <algorithm>

namespace Lecterna {

namespace {

// How long the separator stays hidden after the last resize step: long enough for the window to
// lay the pages out again for the new width, short enough not to be noticed.
constexpr int kSeparatorHideMs = 250;

int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

} // namespace

ReadingArea::ReadingArea(QWidget* parent)
    : QAbstractScrollArea(parent), m_textColor(palette().color(QPalette::Text)),
      m_backgroundColor(palette().color(QPalette::Base)) {
    // We paint every pixel ourselves.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    // A scroll bar that comes and goes with the row count would change the width the text is
    // wrapped to, which changes the row count: keep it.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_separatorTimer.setSingleShot(true);
    m_separatorTimer.setInterval(kSeparatorHideMs);
    connect(&m_separatorTimer, &QTimer::timeout, this, [this] {
        m_separatorSuppressed = false;
        viewport()->update();
    });
    updateScrollBars();
}

// --- Model ------------------------------------------------------------------------------------

void ReadingArea::setLines(const LineList* lines, size_t segmentOffset, int rowCount) {
    m_rows = RowSource{lines, segmentOffset, std::max(0, rowCount)};
    m_separatorSuppressed = false;
    updateScrollBars();
    setTopRow(m_topRow);
    viewport()->update();
}

int ReadingArea::visibleRowCount() const {
    return viewport()->height() / std::max(1, m_rowHeight);
}

int ReadingArea::maxTopRow() const {
    return std::max(0, m_rows.rowCount - visibleRowCount());
}

int ReadingArea::linesPerPage() const {
    // A row taller than the window still makes a page of one row, so the right page of a pair
    // never repeats the left one.
    return std::max(1, LineSpacing::linesPerPage(viewport()->height(), m_rowHeight, m_font.metrics().charHeight));
}

void ReadingArea::setTopRow(int row) {
    row = std::clamp(row, 0, maxTopRow());
    verticalScrollBar()->setValue(row); // lands in scrollContentsBy when it moves
    if (row != m_topRow) {
        m_topRow = row;
        viewport()->update();
        emit topRowChanged(m_topRow);
    }
}

void ReadingArea::setRowHeight(int pixels) {
    m_rowHeight = std::max(1, pixels);
    updateScrollBars();
    setTopRow(m_topRow);
    viewport()->update();
}

// --- Drawing parameters -------------------------------------------------------------------------

void ReadingArea::setReadingFont(const QtByteMetrics& font) {
    m_font = font;
    m_separatorSuppressed = false;
    updateScrollBars();
    viewport()->update();
}

void ReadingArea::setJustification(bool on) {
    if (m_justified == on)
        return;
    m_justified = on;
    viewport()->update();
}

void ReadingArea::setDoublePageMode(bool on) {
    if (m_doublePage == on)
        return;
    m_doublePage = on;
    setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    updateTexture();
    updateScrollBars();
    viewport()->update();
}

int ReadingArea::pageWidth() const {
    return PageGeometry::compute(viewport()->width(), true, m_leftMargin, m_rightMargin).pageWidth;
}

int ReadingArea::separatorWidth() const {
    return PageGeometry::compute(viewport()->width(), true, m_leftMargin, m_rightMargin).separatorWidth;
}

void ReadingArea::setMargins(int left, int right) {
    m_leftMargin = left;
    m_rightMargin = right;
    viewport()->update();
}

void ReadingArea::setTextColor(const QColor& color) {
    m_textColor = color;
    viewport()->update();
}

void ReadingArea::setBackgroundColor(const QColor& color) {
    m_backgroundColor = color;
    viewport()->update();
}

void ReadingArea::setTextureFileName(const QString& fileName) {
    if (fileName == m_textureFileName)
        return;
    m_textureFileName = fileName;
    m_texture = QPixmap();
    m_textureTried = false;
    updateTexture();
    viewport()->update();
}

void ReadingArea::updateTexture() {
    // Read only once double-page mode needs it, and only once per name: a broken file is not
    // tried again on every switch.
    if (!m_doublePage || m_textureTried || m_textureFileName.isEmpty())
        return;
    m_textureTried = true;
    const QImage image = TextureLoader::load(m_textureFileName);
    m_texture = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

void ReadingArea::setHorizontalExtent(int pixels) {
    m_horizontalExtent = std::max(0, pixels);
    updateScrollBars();
    viewport()->update();
}

void ReadingArea::setFontSmoothing(bool on) {
    if (m_fontSmoothing == on)
        return;
    m_fontSmoothing = on;
    viewport()->update();
}

bool ReadingArea::effectiveFontSmoothing() const {
    // While another window is active the reading font looks as every other program's text does.
    return isActiveWindow() ? m_fontSmoothing : true;
}

void ReadingArea::setMouseCursorHidden(bool hidden) {
    if (hidden)
        viewport()->setCursor(Qt::BlankCursor);
    else
        viewport()->unsetCursor();
}

bool ReadingArea::isSeparatorShown() const {
    return m_doublePage && !m_separatorSuppressed;
}

void ReadingArea::setPixelOffset(int pixels) {
    if (m_pixelOffset == pixels)
        return;
    m_pixelOffset = pixels;
    viewport()->update();
}

void ReadingArea::setOverlay(Overlay overlay) {
    m_overlay = std::move(overlay);
    viewport()->update();
}

void ReadingArea::updateScrollBars() {
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, maxTopRow());
    v->setPageStep(std::max(1, visibleRowCount()));
    v->setSingleStep(1);
    QScrollBar* h = horizontalScrollBar();
    const int width = viewport()->width();
    h->setRange(0, m_doublePage ? 0 : std::max(0, m_horizontalExtent - width));
    h->setPageStep(std::max(1, width));
    h->setSingleStep(std::max(1, m_font.metrics().charHeight));
}

// --- Painting -------------------------------------------------------------------------------

RowStyle ReadingArea::rowStyle(const QRect& clip) const {
    RowStyle s;
    s.font = &m_font;
    s.textColor = m_textColor;
    s.leftMargin = m_leftMargin;
    s.rightMargin = m_rightMargin;
    s.smooth = effectiveFontSmoothing();
    s.visibleLeft = clip.left();
    s.visibleRight = clip.left() + clip.width();
    return s;
}

PagePair ReadingArea::pagePair() const {
    return PagePair{pageWidth(), separatorWidth(), linesPerPage(), m_justified};
}

void ReadingArea::fillBackground(QPainter& p, const QRect& rect) const {
    if (isTextureShown())
        p.fillRect(rect, QBrush(m_texture)); // tiled from the area's top-left corner
    else
        p.fillRect(rect, m_backgroundColor);
}

void ReadingArea::paintOneRow(QPainter& p, const QRect& rowRect, int row, const RowStyle& style) const {
    if (m_doublePage)
        RowPainter::drawPair(p, rowRect, row, m_rows, pagePair(), style);
    else if (m_justified)
        RowPainter::drawJustified(p, rowRect, m_rows.line(row), style);
    else
        RowPainter::drawPlain(p, rowRect, m_rows.line(row), style);
}

void ReadingArea::paintRow(QPainter& p, int row, int y) const {
    if (!m_rows.has(row))
        return;
    const int x = m_doublePage ? 0 : -horizontalScrollBar()->value();
    paintOneRow(p, QRect(x, y, viewport()->width(), m_rowHeight), row, rowStyle(viewport()->rect()));
}

void ReadingArea::paintContents(QPainter& p, const QRect& clip) const {
    m_rowsPainted = 0;
    fillBackground(p, clip);

    const int h = std::max(1, m_rowHeight);
    const int width = viewport()->width();
    const int x = m_doublePage ? 0 : -horizontalScrollBar()->value();
    if (m_rows.rowCount > 0 && m_rows.lines) {
        const RowStyle style = rowStyle(clip);
        // Text taller than its row hangs into the rows below: start early enough to draw the
        // part of it that reaches into the clip.
        const int textHeight = m_font.metrics().textHeight;
        const int overhang = textHeight > h ? (textHeight - 1) / h : 0;
        const int first = floorDiv(clip.top() + m_pixelOffset, h) - overhang;
        int last = floorDiv(clip.bottom() + m_pixelOffset, h);
        // Two pages end with their last whole page row: a partly visible row below the left page
        // would repeat the first row of the right page.
        if (m_doublePage)
            last = std::min(last, floorDiv(linesPerPage() * h + m_pixelOffset - 1, h));
        for (int j = first; j <= last; ++j) {
            const int row = m_topRow + j;
            if (!m_rows.has(row))
                continue;
            paintOneRow(p, QRect(x, j * h - m_pixelOffset, width, h), row, style);
            ++m_rowsPainted;
        }
    }

    if (isSeparatorShown()) {
        const QRect bar(pageWidth(), 0, separatorWidth(), viewport()->height());
        if (bar.intersects(clip))
            qDrawShadePanel(&p, bar, palette(), true, 1, &palette().brush(QPalette::Button));
    }
    if (m_overlay) {
        p.save();
        p.setClipRect(clip);
        m_overlay(p, clip);
        p.restore();
    }
}

void ReadingArea::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    paintContents(p, event->rect());
}

// --- Events ---------------------------------------------------------------------------------

void ReadingArea::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    setTopRow(m_topRow);
    if (m_doublePage) {
        // The pages are still laid out for the old width until the window wraps them again.
        m_separatorSuppressed = true;
        m_separatorTimer.start();
    }
    emit clientSizeChanged(viewport()->size());
}

void ReadingArea::scrollContentsBy(int, int) {
    const int row = verticalScrollBar()->value();
    if (row != m_topRow) {
        m_topRow = row;
        emit topRowChanged(m_topRow);
    }
    viewport()->update();
}

void ReadingArea::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->position().toPoint(), event->button());
}

void ReadingArea::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a double click is a click like any other for paging.
    emit mousePressed(event->position().toPoint(), event->button());
}

void ReadingArea::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->position().toPoint(), event->button());
}

void ReadingArea::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void ReadingArea::wheelEvent(QWheelEvent* event) {
    // High-resolution wheels send fractions of a notch; report whole notches only.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    event->accept();
    if (notches != 0)
        emit wheelTurned(notches);
}

void ReadingArea::keyPressEvent(QKeyEvent* event) {
    // Paging keys belong to the window's navigation, not to the scroll area's own handling.
    event->ignore();
}

void ReadingArea::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !m_fontSmoothing)
        viewport()->update();
}

} // namespace Lecterna
