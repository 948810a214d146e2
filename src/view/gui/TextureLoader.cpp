#include "view/gui/TextureLoader.h"

#include "view/gui/JpegLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace Lecterna {

QImage TextureLoader::load(const QString& fileName) {
    if (fileName.isEmpty())
        return {};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    const QByteArray data = file.readAll();
    if (JpegLoader::looksLikeJpeg(data))
        return JpegLoader::decode(data);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Qt's readers refuse absurd sizes by an allocation limit; keep ours the same for all formats.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > JpegLoader::kMaxPixels)
        return {};
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

} // namespace Lecterna
