#include <QApplication>
#include <QFontInfo>
#include <QFont>

#include <gtest/gtest.h>

// The tests that measure text rely on the set-up having installed a metric-compatible 'Arial'.
TEST(Environment, ArialResolvesToAnInstalledFont) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    EXPECT_FALSE(QFontInfo(f).family().isEmpty());
}
