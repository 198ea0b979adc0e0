// GoogleTest with a QApplication, for the tests that build real windows.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Qt's offscreen platform on a screen 1366 × 768 at 96 dots per inch (screen_1366x768.json), also
    // when the tests are only listed at build time.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VORTELLE_TEST_DATA "/screen_1366x768.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
