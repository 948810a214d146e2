#include "view/gui/JpegLoader.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace Lecterna;

// A background picture comes from any file the user picks: nothing in it may crash the reader
// or make it allocate what a header merely claims.
TEST(JpegLoader, DecodesPicturesAndRefusesBrokenOrOversizedOnes) {
    QImage noise(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            noise.setPixel(x, y, qRgb(x * 6, (x * y) % 256, (x ^ y) * 4));
    QByteArray good;
    QBuffer buffer(&good);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(noise.save(&buffer, "JPG", 95));
    const QImage decoded = JpegLoader::decode(good);
    ASSERT_EQ(decoded.size(), QSize(40, 30));
    EXPECT_NEAR(qRed(decoded.pixel(30, 2)), 180, 12);

    QByteArray huge = good;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    huge[sof + 5] = huge[sof + 7] = char(0xEA); // 60000 x 60000
    huge[sof + 6] = huge[sof + 8] = char(0x60);
    struct Case {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", {}},
        {"not a jpeg", "GIF89a......"},
        {"start marker only", QByteArray("\xFF\xD8\xFF", 3)},
        {"cut inside the header", good.left(sof + 4)},
        {"garbage after the start", QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(300, '\x11')},
        {"claims 60000 x 60000", huge},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(JpegLoader::decode(c.data).isNull()) << c.what;
    // Cut inside the picture data: libjpeg fills in the rest.
    EXPECT_EQ(JpegLoader::decode(good.left(good.size() * 3 / 4)).size(), QSize(40, 30));
}
