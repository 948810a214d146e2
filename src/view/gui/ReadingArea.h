#pragma once

#include "view/gui/QtByteMetrics.h"
#include "view/gui/RowPainter.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPixmap>
#include <QTimer>

#include <functional>

namespace Lecterna {

// The page the reader looks at: a list of fixed-height rows, one display line each, drawn by the
// program. It shows the rows of one segment of the line list (row r is line segmentOffset + r);
// the vertical scroll bar counts rows. Only the rows that intersect the area being painted are
// drawn, so the number of rows does not matter.
//
// The widget shows; it does not navigate. Keys are left to the window, and clicks and wheel turns
// are reported as signals for the navigation to interpret.
class ReadingArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ReadingArea(QWidget* parent = nullptr);

    // --- What is shown ---------------------------------------------------------------------
    // The line list must outlive the area or be replaced first; nullptr shows no rows.
    void setLines(const LineList* lines, size_t segmentOffset, int rowCount);
    const RowSource& rows() const { return m_rows; }
    // The row at the top. Like a list box, the area does not scroll past its last full page: the
    // value is clamped to 0..maxTopRow().
    void setTopRow(int row);
    int topRow() const { return m_topRow; }
    int maxTopRow() const;
    void setRowHeight(int pixels);
    int rowHeight() const { return m_rowHeight; }
    // Rows that fit whole in the client height.
    int visibleRowCount() const;
    // Rows of one page: the whole rows, plus the partly visible one when at least twice the
    // character height of it shows.
    int linesPerPage() const;

    // --- How it is drawn -------------------------------------------------------------------
    void setReadingFont(const QtByteMetrics& font);
    const QtByteMetrics& readingFont() const { return m_font; }
    void setJustification(bool on);
    bool justification() const { return m_justified; }
    void setDoublePageMode(bool on);
    bool doublePageMode() const { return m_doublePage; }
    // Double-page geometry from the client width (PageGeometry): the width of one page and of
    // the sunken separator between the two.
    int pageWidth() const;
    int separatorWidth() const;
    void setMargins(int left, int right);
    int leftMargin() const { return m_leftMargin; }
    int rightMargin() const { return m_rightMargin; }
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_textColor; }
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return m_backgroundColor; }
    // A picture tiled behind the text, used only in double-page mode. It is read when it is
    // first needed; a file that cannot be read leaves the colour background.
    void setTextureFileName(const QString& fileName);
    QString textureFileName() const { return m_textureFileName; }
    bool isTextureShown() const { return m_doublePage && !m_texture.isNull(); }
    // The width of the widest line, pixels: the horizontal scroll bar covers what does not fit.
    void setHorizontalExtent(int pixels);
    int horizontalExtent() const { return m_horizontalExtent; }
    // Smoothing of the reading font while the window is active; inactive, the default applies.
    void setFontSmoothing(bool on);
    bool fontSmoothing() const { return m_fontSmoothing; }
    bool effectiveFontSmoothing() const;
    void setMouseCursorHidden(bool hidden);
    bool isSeparatorShown() const;

    // --- Hooks for autoscroll ----------------------------------------------------------------
    // Draws the rows moved up by `pixels` (negative: down) without changing the top row, for
    // smooth scrolling; rows entering at the edge are drawn as the offset uncovers them.
    void setPixelOffset(int pixels);
    int pixelOffset() const { return m_pixelOffset; }
    // Drawn over the rows after every paint (progress indicator, sweeping line). The painter is
    // in viewport coordinates and clipped to the area being painted.
    using Overlay = std::function<void(QPainter&, const QRect& clip)>;
    void setOverlay(Overlay overlay);
    // One row through the installed painter with its top at y, and the background behind a
    // rectangle: what a wave or smooth scroll draws between repaints.
    void paintRow(QPainter& p, int row, int y) const;
    void fillBackground(QPainter& p, const QRect& rect) const;

    // --- The one painting path -------------------------------------------------------------
    // Everything inside `clip` (viewport coordinates): background, rows, separator, overlay.
    // paintEvent calls this; so do tests and benchmarks that render into an image.
    void paintContents(QPainter& p, const QRect& clip) const;
    // Rows the last paintContents drew (a pair of pages counts once).
    int rowsPaintedLastTime() const { return m_rowsPainted; }

signals:
    void topRowChanged(int row);
    void mousePressed(QPoint pos, Qt::MouseButton button);
    void mouseReleased(QPoint pos, Qt::MouseButton button);
    void mouseMoved(QPoint pos);
    // Whole wheel notches; positive when the wheel turned away from the reader.
    void wheelTurned(int notches);
    void clientSizeChanged(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    RowStyle rowStyle(const QRect& clip) const;
    PagePair pagePair() const;
    void paintOneRow(QPainter& p, const QRect& rowRect, int row, const RowStyle& style) const;
    void updateScrollBars();
    void updateTexture();

    RowSource m_rows;
    int m_topRow = 0;
    int m_rowHeight = 16;
    QtByteMetrics m_font;
    bool m_justified = false;
    bool m_doublePage = false;
    int m_leftMargin = 5;
    int m_rightMargin = 5;
    QColor m_textColor;
    QColor m_backgroundColor;
    QString m_textureFileName;
    bool m_textureTried = false;
    QPixmap m_texture;
    int m_horizontalExtent = 0;
    bool m_fontSmoothing = true;
    int m_pixelOffset = 0;
    Overlay m_overlay;
    int m_wheelRemainder = 0;
    bool m_separatorSuppressed = false;
    QTimer m_separatorTimer;
    mutable int m_rowsPainted = 0;
};

} // namespace Lecterna
