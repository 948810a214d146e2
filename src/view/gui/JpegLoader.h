#pragma once

#include <QByteArrayView>
#include <QImage>

namespace Lecterna {

// Decodes JPEG pictures with libjpeg (background textures of the reading area). Any failure gives
// a null image; a broken file never ends the program, which is what libjpeg's own error handler
// would do.
class JpegLoader {
public:
    // Pictures larger than this are refused before anything is allocated: a header can claim
    // 65535 x 65535 pixels in a few hundred bytes.
    static constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

    static bool looksLikeJpeg(QByteArrayView data);
    static QImage decode(QByteArrayView data);
};

} // namespace Lecterna
