#include "app/command_line.h"
#include "app/command_wiring.h"
#include "app/main_window.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/screen_metrics.h"
#include "printing/chinese_fonts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vortelle"));
    const CommandLine command = parseCommandLine(QCoreApplication::arguments().mid(1));
    if (!command.error.isEmpty()) {
        std::fputs(qPrintable(command.error + QLatin1Char('\n') + commandLineUsage()), stderr);
        return 2;
    }
    // Labels name Windows faces such as 黑体 and 宋体; they are to find CJK faces here, before any
    // font is made.
    installChineseFontSubstitutions();

    SystemClock clock;
    QtDialogs dialogs;
    MainWindow window(MainWindowEnvironment{&dialogs, &clock, systemAppPaths(), screenDpi, screenWidth});
    dialogs.setOwner(&window);
    connectEditorCommands(window);
    if (!window.startUp())
        return 1;
    QObject::connect(&window, &MainWindow::exited, &app, [](int code) { QCoreApplication::exit(code); });
    app.setQuitOnLastWindowClosed(false);
    window.show();
    if (!command.labelFile.isEmpty())
        openWhenStarted(window, command.labelFile);
    return app.exec();
}
