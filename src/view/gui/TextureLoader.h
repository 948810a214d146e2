#pragma once

#include <QImage>
#include <QString>

namespace Lecterna {

// Loads the picture tiled behind the pages in double-page mode. JPEG goes through our libjpeg
// decoder, other formats through Qt's image readers. A file that cannot be read, or a format
// nobody here reads (metafiles), gives a null image: the reading area then keeps its colour.
class TextureLoader {
public:
    // Larger files are not pictures anyone tiles behind text; reading them would only stall.
    static constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

    static QImage load(const QString& fileName);
};

} // namespace Lecterna
