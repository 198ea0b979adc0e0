// Every printing test needs a QGuiApplication for fonts and printers; one is made for the run.
#include "printing/chinese_fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        // The default printer would follow these before the scheduler's own choice.
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        static int argc = 1;
        static char name[] = "printing_tests";
        static char* argv[] = { name, nullptr };
        app_ = new QGuiApplication(argc, argv);
        installChineseFontSubstitutions();
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    QGuiApplication* app_ = nullptr;
};

[[maybe_unused]] const ::testing::Environment* const kEnvironment
    = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
