#include "app/command_line.h"
#include "app/command_wiring.h"
#include "app/headless_label.h"
#include "app/main_window.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/screen_metrics.h"
#include "printing/chinese_fonts.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Whether the command line names a Qt platform of its own ("-platform NAME").
bool asksForPlatform(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

// Standard error of a run without a screen holds the program's own messages only: Qt's notes
// (a missing runtime folder, a painter that could not start) say nothing the message does not.
void keepQtNotesToItself(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
}

} // namespace

int main(int argc, char** argv)
{
    // Printing, exporting, --help and --version work without a screen: on Qt's offscreen platform,
    // unless a platform was asked for.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (runsWithoutScreen(arguments)) {
        qInstallMessageHandler(keepQtNotesToItself);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !asksForPlatform(argc, argv))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vortelle"));
    const CommandLine command = parseCommandLine(QCoreApplication::arguments().mid(1));
    if (!command.error.isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("vortelle: ") + command.error + QLatin1Char('\n') + commandLineUsage()),
                   stderr);
        return 2;
    }
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(commandLineHelp()), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(qPrintable(versionText()), stdout);
        return 0;
    case CommandLine::Action::Edit:
    case CommandLine::Action::Print:
    case CommandLine::Action::ExportPdf:
    case CommandLine::Action::ExportPng:
        break;
    }
    // Labels name Windows faces such as 黑体 and 宋体; they are to find CJK faces here, before any
    // font is made.
    installChineseFontSubstitutions();
    if (command.action != CommandLine::Action::Edit) {
        HeadlessJob job;
        job.kind = command.action == CommandLine::Action::Print       ? HeadlessJob::Kind::Print
                 : command.action == CommandLine::Action::ExportPdf ? HeadlessJob::Kind::ExportPdf
                                                                    : HeadlessJob::Kind::ExportPng;
        job.labelFile = command.labelFile;
        job.printerName = command.printerName;
        job.outputPath = command.outputPath;
        return runHeadlessJob(job, stderr);
    }

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
