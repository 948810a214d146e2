#pragma once

#include "view/AutoscrollView.h"

#include <QColor>
#include <QPointer>
#include <QRect>

class QPainter;

namespace Lecterna {

class ReadingArea;

// Autoscroll's view of the reading area. Everything it shows is drawn by the area's own painting
// from the state kept here (the rows moved by a pixel offset, an overlay with the indicator and
// the wave); nothing moves pixels already on the screen, so a repaint at any moment shows the
// same picture. Only the band that changed is repainted.
class AutoscrollAdapter final : public AutoscrollView {
public:
    static constexpr int kIndicatorWidth = 3; // the page type's indicator
    static constexpr int kSweepWidth = 1;     // the wave's line

    explicit AutoscrollAdapter(ReadingArea& area);
    ~AutoscrollAdapter() override;

    // `UserColors_ScrollProgressBar`.
    void setIndicatorColor(const QColor& color) { m_indicatorColor = color; }
    QColor indicatorColor() const { return m_indicatorColor; }
    const WaveFrame& wave() const { return m_wave; }

    int rowCount() const override;
    int topRow() const override;
    int rowHeight() const override;
    int clientWidth() const override;
    int clientHeight() const override;
    void setTopRow(int row) override;
    void setPixelOffset(int pixels) override;
    void setIndicator(int x, int fromY, int toY) override;
    void setTextDimmed(bool dimmed) override;
    void setWave(const WaveFrame& frame) override;
    void setRunning(bool running) override;

private:
    void paintOverlay(QPainter& p) const;
    QRect indicatorRect() const;
    void updateViewport(const QRect& rect) const;

    ReadingArea& m_area;
    QPointer<ReadingArea> m_alive; // the area may go first at shutdown
    QColor m_indicatorColor = Qt::darkBlue;
    bool m_running = false;
    int m_indicatorX = 0, m_indicatorFrom = 0, m_indicatorTo = 0;
    bool m_dimmed = false;
    QColor m_textColor; // the text colour while dimmed
    WaveFrame m_wave;
};

} // namespace Lecterna
