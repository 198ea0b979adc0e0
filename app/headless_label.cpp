#include "app/headless_label.h"

#include "app/command_wiring.h"
#include "app/main_window.h"
#include "files/file_commands.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/screen_metrics.h"
#include "printing/label_printer.h"
#include "printing/label_snapshot.h"
#include "printing/print_command.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QImageWriter>

namespace {

// No one sits at the screen: questions are answered Yes (the window's own exit asks one), every
// box is written out as "title: text", and dialogs that would ask for something are cancelled.
class WrittenDialogs final : public Dialogs {
public:
    explicit WrittenDialogs(std::FILE* out) : out_(out) {}

    bool ask(const QString&, const QString&) override { return true; }
    void error(const QString& title, const QString& text) override { write(title, text); }
    void information(const QString& title, const QString& text) override { write(title, text); }
    void message(const QString& title, const QString& text) override { write(title, text); }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> openFile(const QString&, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&, const QString&,
                                    const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }

private:
    void write(const QString& title, const QString& text)
    {
        QString line = title + QStringLiteral(": ") + text;
        line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        std::fputs(qPrintable(line + QLatin1Char('\n')), out_);
    }

    std::FILE* out_;
};

// The window lays its label out at its first activation, which the platform sends through the
// event loop.
bool waitUntilLaidOut(const MainWindow& window)
{
    const QDeadlineTimer deadline(10000);
    while (!window.isLaidOut() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
    return window.isLaidOut();
}

bool runOn(MainWindow& window, const HeadlessJob& job, std::FILE* errors)
{
    FileCommands* files = window.findChild<FileCommands*>();
    if (!files || !files->openLabelFile(job.labelFile))
        return false;
    LabelDocument& document = window.document();
    switch (job.kind) {
    case HeadlessJob::Kind::Print:
        return printLabel(document, window.settings(), window.dialogs(), window.screenDpiValue(), job.printerName);
    case HeadlessJob::Kind::ExportPdf: {
        const PrintSettings print = readPrintSettings(window.settings());
        if (exportLabelPdf(labelPageOf(document, window.screenDpiValue(), print.dotDensity), job.outputPath,
                           print.orientation))
            return true;
        break;
    }
    case HeadlessJob::Kind::ExportPng: {
        const QImage surface = labelSurfaceSnapshot(document);
        QImageWriter writer(job.outputPath, "png");
        if (!surface.isNull() && writer.write(surface))
            return true;
        break;
    }
    }
    std::fputs(qPrintable(QStringLiteral("vortelle: cannot write ") + job.outputPath + QLatin1Char('\n')), errors);
    return false;
}

} // namespace

int runHeadlessJob(const HeadlessJob& job, std::FILE* errors)
{
    SystemClock clock;
    WrittenDialogs dialogs(errors);
    MainWindow window(MainWindowEnvironment{&dialogs, &clock, systemAppPaths(), screenDpi, screenWidth});
    connectEditorCommands(window);
    if (!window.startUp())
        return 1;
    window.show();
    const bool done = waitUntilLaidOut(window) && runOn(window, job, errors);
    // Exit as the editor exits: the label reset and the run's scratch folder deleted.
    window.exitProgram();
    return done ? 0 : 1;
}
