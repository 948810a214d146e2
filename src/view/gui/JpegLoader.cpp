#include "view/gui/JpegLoader.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <memory>

#include <jpeglib.h>

namespace Lecterna {

namespace {

// libjpeg reports fatal errors through error_exit and expects it not to return; we jump back to
// the decoder. Everything the jump crosses is C (libjpeg's own frames), and the decoder keeps its
// state in this heap object, whose address does not change between setjmp and longjmp.
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf escape{};
    bool created = false;
    bool cmyk = false;
    bool adobeInverted = false;

    ~Decoder() {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(static_cast<Decoder*>(info->client_data)->escape, 1);
}

// Warnings (corrupt data that libjpeg can step over) are not worth a message on the console.
void onMessage(j_common_ptr) {}

} // namespace

bool JpegLoader::looksLikeJpeg(QByteArrayView data) {
    return data.size() >= 3 && static_cast<unsigned char>(data[0]) == 0xFF &&
           static_cast<unsigned char>(data[1]) == 0xD8 && static_cast<unsigned char>(data[2]) == 0xFF;
}

QImage JpegLoader::decode(QByteArrayView data) {
    if (!looksLikeJpeg(data))
        return {};
    auto decoder = std::make_unique<Decoder>();
    Decoder* d = decoder.get();
    d->info.err = jpeg_std_error(&d->errors);
    d->info.client_data = d;
    d->errors.error_exit = onError;
    d->errors.output_message = onMessage;

    // First jump target: anything up to the header. No C++ object is created or changed here.
    if (setjmp(d->escape))
        return {};
    jpeg_create_decompress(&d->info);
    d->created = true;
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&d->info, TRUE) != JPEG_HEADER_OK)
        return {};
    const qint64 width = d->info.image_width;
    const qint64 height = d->info.image_height;
    if (width <= 0 || height <= 0 || width * height > kMaxPixels)
        return {};
    d->cmyk = d->info.jpeg_color_space == JCS_CMYK || d->info.jpeg_color_space == JCS_YCCK;
    d->adobeInverted = d->cmyk && d->info.saw_Adobe_marker;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const J_COLOR_SPACE rgb32 = JCS_EXT_BGRA; // alpha is filled with 0xFF: exactly QImage's RGB32
#else
    const J_COLOR_SPACE rgb32 = JCS_EXT_ARGB;
#endif
    d->info.out_color_space = d->cmyk ? JCS_CMYK : rgb32;

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    // The pixel memory is reached through this pointer only; the QImage object itself is not
    // touched until decoding is over, so the jump below leaves it intact.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();

    if (setjmp(d->escape))
        return {};
    jpeg_start_decompress(&d->info);
    if (d->info.output_components != 4)
        return {};
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW row = bits + stride * static_cast<qsizetype>(d->info.output_scanline);
        jpeg_read_scanlines(&d->info, &row, 1);
        if (d->cmyk) {
            // Naive CMYK to RGB, good enough for a background picture. Adobe writers store the
            // inks inverted.
            for (JDIMENSION x = 0; x < d->info.output_width; ++x) {
                const JSAMPLE* px = row + 4 * static_cast<size_t>(x);
                unsigned c = px[0], m = px[1], y = px[2], k = px[3];
                if (!d->adobeInverted) {
                    c = 255 - c;
                    m = 255 - m;
                    y = 255 - y;
                    k = 255 - k;
                }
                reinterpret_cast<QRgb*>(row)[x] = qRgb(int(c * k / 255), int(m * k / 255), int(y * k / 255));
            }
        }
    }
    jpeg_finish_decompress(&d->info);
    return image;
}

} // namespace Lecterna
