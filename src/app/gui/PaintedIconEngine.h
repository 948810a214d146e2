#pragma once

#include <QIconEngine>

#include <functional>

namespace Lecterna {

// An icon drawn by code at whatever size it is asked for, so the same picture is sharp on the
// 18-pixel and the 36-pixel tool bar and in the status bar. The drawing function paints into a
// 24 x 24 box; disabled icons are the same picture in faded grey.
class PaintedIconEngine final : public QIconEngine {
public:
    using Draw = std::function<void(QPainter&)>;
    explicit PaintedIconEngine(Draw draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QIconEngine* clone() const override { return new PaintedIconEngine(m_draw); }
    QString key() const override { return QStringLiteral("LecternaPainted"); }

private:
    QImage render(const QSize& pixels, QIcon::Mode mode) const;

    Draw m_draw;
};

} // namespace Lecterna
