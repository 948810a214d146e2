#include "app/gui/PaintedIconEngine.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace Lecterna {

QImage PaintedIconEngine::render(const QSize& pixels, QIcon::Mode mode) const {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (pixels.isEmpty())
        return image;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const qreal side = qMin(pixels.width(), pixels.height());
        painter.translate((pixels.width() - side) / 2.0, (pixels.height() - side) / 2.0);
        painter.scale(side / 24.0, side / 24.0);
        m_draw(painter);
    }
    if (mode == QIcon::Disabled) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = QColor::fromRgba(qUnpremultiply(line[x]));
                const int grey = 96 + qGray(c.rgb()) / 3;
                line[x] = qPremultiply(qRgba(grey, grey, grey, c.alpha() * 2 / 5));
            }
        }
    }
    return image;
}

QPixmap PaintedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    return QPixmap::fromImage(render(size, mode));
}

QPixmap PaintedIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) {
    QPixmap result = QPixmap::fromImage(render(size * scale, mode));
    result.setDevicePixelRatio(scale);
    return result;
}

void PaintedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, ratio));
}

} // namespace Lecterna
