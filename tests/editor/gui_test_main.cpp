// GoogleTest with a QApplication, for the tests that build real windows.
#include "printing/chinese_fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

// Suites in other folders name the screen file of this one.
#ifndef VORTELLE_SCREEN_CONFIG
#define VORTELLE_SCREEN_CONFIG VORTELLE_TEST_DATA "/screen_1366x768.json"
#endif

int main(int argc, char** argv)
{
    // Qt's offscreen platform on a screen 1366 × 768 at 96 dots per inch (screen_1366x768.json), also
    // when the tests are only listed at build time.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VORTELLE_SCREEN_CONFIG);
    QApplication app(argc, argv);
    // As the program does at start-up: the Windows face names of labels find CJK faces.
    installChineseFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
