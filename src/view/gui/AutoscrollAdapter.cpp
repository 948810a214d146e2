#include "view/gui/AutoscrollAdapter.h"

#include "view/HlsColor.h"
#include "view/gui/ReadingArea.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace Lecterna {

AutoscrollAdapter::AutoscrollAdapter(ReadingArea& area) : m_area(area), m_alive(&area) {}

AutoscrollAdapter::~AutoscrollAdapter() {
    if (!m_alive)
        return;
    if (m_running)
        setRunning(false);
    if (m_dimmed)
        setTextDimmed(false);
}

int AutoscrollAdapter::rowCount() const {
    return m_area.rows().rowCount;
}

int AutoscrollAdapter::topRow() const {
    return m_area.topRow();
}

int AutoscrollAdapter::rowHeight() const {
    return m_area.rowHeight();
}

int AutoscrollAdapter::clientWidth() const {
    return m_area.viewport()->width();
}

int AutoscrollAdapter::clientHeight() const {
    return m_area.viewport()->height();
}

void AutoscrollAdapter::setTopRow(int row) {
    m_area.setTopRow(row);
}

void AutoscrollAdapter::setPixelOffset(int pixels) {
    m_area.setPixelOffset(pixels);
}

void AutoscrollAdapter::updateViewport(const QRect& rect) const {
    if (!rect.isEmpty())
        m_area.viewport()->update(rect);
}

QRect AutoscrollAdapter::indicatorRect() const {
    // A pen of three pixels centred on x, from the start point up to (not including) the end.
    const int top = std::min(m_indicatorFrom, m_indicatorTo);
    return QRect(m_indicatorX - kIndicatorWidth / 2, top, kIndicatorWidth, std::abs(m_indicatorTo - m_indicatorFrom));
}

void AutoscrollAdapter::setIndicator(int x, int fromY, int toY) {
    const QRect before = indicatorRect();
    m_indicatorX = x;
    m_indicatorFrom = fromY;
    m_indicatorTo = toY;
    updateViewport(before.united(indicatorRect()));
}

void AutoscrollAdapter::setTextDimmed(bool dimmed) {
    if (dimmed == m_dimmed)
        return;
    m_dimmed = dimmed;
    if (dimmed) {
        m_textColor = m_area.textColor();
        const uint32_t rgb =
            HlsColor::dimmedText(m_textColor.rgb() & 0xFFFFFF, m_area.backgroundColor().rgb() & 0xFFFFFF);
        m_area.setTextColor(QColor::fromRgb(rgb));
    } else {
        m_area.setTextColor(m_textColor);
    }
}

void AutoscrollAdapter::setWave(const WaveFrame& frame) {
    const WaveFrame before = m_wave;
    m_wave = frame;
    const int width = m_area.viewport()->width();
    if (!before.active || !frame.active || before.newTop != frame.newTop) {
        m_area.viewport()->update();
        return;
    }
    // Between two steps only the rows next to the line change: the row it has just left (which
    // now shows the new page) and the one it sweeps.
    const int h = m_area.rowHeight();
    const int top = std::min(before.lineY, frame.lineY) - h;
    const int bottom = std::max(before.lineY, frame.lineY) + h + 1;
    updateViewport(QRect(0, top, width, bottom - top));
}

void AutoscrollAdapter::setRunning(bool running) {
    if (running == m_running)
        return;
    m_running = running;
    m_area.verticalScrollBar()->setEnabled(!running);
    m_area.horizontalScrollBar()->setEnabled(!running);
    if (running)
        m_area.setOverlay([this](QPainter& p, const QRect&) { paintOverlay(p); });
    else
        m_area.setOverlay(nullptr);
    if (!running) {
        m_indicatorFrom = m_indicatorTo = 0;
        m_wave = WaveFrame{};
    }
}

void AutoscrollAdapter::paintOverlay(QPainter& p) const {
    if (m_wave.active) {
        const int h = m_area.rowHeight();
        const int width = m_area.viewport()->width();
        // Slots already passed show the new page over the old one.
        for (int slot = m_wave.newFrom; slot < m_wave.newTo; ++slot) {
            m_area.fillBackground(p, QRect(0, slot * h, width, h));
            m_area.paintRow(p, m_wave.newTop + slot, slot * h);
        }
        if (m_wave.clearedTo > m_wave.clearedFrom)
            m_area.fillBackground(p, QRect(0, m_wave.clearedFrom, width, m_wave.clearedTo - m_wave.clearedFrom));
        p.fillRect(QRect(0, m_wave.lineY, width, kSweepWidth), m_indicatorColor);
    }
    const QRect indicator = indicatorRect();
    if (!indicator.isEmpty())
        p.fillRect(indicator, m_indicatorColor);
}

} // namespace Lecterna
