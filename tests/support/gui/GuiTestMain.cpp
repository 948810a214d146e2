// Entry point of the Qt tests: one QApplication for the whole run, offscreen, with a pinned
// font DPI so that text measures the same on every machine, and the Russian pair of code pages
// whatever the machine's locale is.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Fontconfig and the platform plugins keep caches until exit that the leak checker would report.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("LECTERNA_OEMCP", "866");
    qputenv("LECTERNA_ANSICP", "1251");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
