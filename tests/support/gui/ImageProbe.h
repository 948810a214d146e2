#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Where the ink is in a rendered image: anything that differs from the background colour.
namespace Lecterna::testsupport {

inline QImage blankImage(QSize size, QColor background = Qt::white) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

inline bool isInk(const QImage& image, int x, int y, QRgb background) {
    return image.pixel(x, y) != background;
}

// Rightmost column holding ink inside `area`, or -1.
inline int inkRight(const QImage& image, QRect area = {}, QRgb background = qRgb(255, 255, 255)) {
    area = area.isNull() ? image.rect() : area.intersected(image.rect());
    for (int x = area.right(); x >= area.left(); --x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (isInk(image, x, y, background))
                return x;
    return -1;
}

inline bool hasInk(const QImage& image, QRect area = {}, QRgb background = qRgb(255, 255, 255)) {
    return inkRight(image, area, background) >= 0;
}

} // namespace Lecterna::testsupport
