#include "app/headless_label.h"

#include "app/command_wiring.h"
#include "app/main_window.h"
#include "files/file_commands.h"
#include "files/label_reading.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ini_settings.h"
#include "platform/screen_metrics.h"
#include "printing/label_file_page.h"
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

// The screen the editor measures text sizes with; the editor warns when it has none, and so does
// this.
int screenDpiOrWarning(Dialogs& dialogs)
{
    const int dpi = screenDpi();
    if (dpi == 0)
        dialogs.information(QStringLiteral("警告提示"),
                            QStringLiteral("警告：无法取得屏幕DPI大小，这将导致打印字体和可视编辑不一致，请谨慎打印！"));
    return dpi;
}

void cannotWrite(const QString& path, std::FILE* errors)
{
    std::fputs(qPrintable(QStringLiteral("vortelle: cannot write ") + path + QLatin1Char('\n')), errors);
}

// Print and PDF need no window: the label file is read as Open reads it, and its page is the one
// the print command makes of the opened label.
bool printOrExportPdf(const HeadlessJob& job, Dialogs& dialogs, std::FILE* errors)
{
    OpenedLabel label;
    if (const std::optional<OpenRefusal> refusal = readLabelForOpen(job.labelFile, label)) {
        dialogs.error(refusal->title, refusal->text);
        return false;
    }
    const AppPaths paths = systemAppPaths();
    const IniSettings settings(paths.settingsFile, paths.settingsFolderIsOurs);
    PrintSettings print
        = job.kind == HeadlessJob::Kind::Print ? readPrintSettings(settings) : readPageSettings(settings);
    const int dpi = screenDpiOrWarning(dialogs);
    const LabelPage page = labelPageOfFile(label, MainWindow::labelOrigin(), dpi, print.dotDensity);
    if (job.kind == HeadlessJob::Kind::Print) {
        if (!job.printerName.isEmpty())
            print.printerName = job.printerName;
        return printPage(page, print, dialogs);
    }
    if (exportLabelPdf(page, job.outputPath, print.orientation))
        return true;
    cannotWrite(job.outputPath, errors);
    return false;
}

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

// The picture is the label surface as the editor shows it, so the label is opened in the editor's
// own window, which never reaches a screen.
bool exportPng(const HeadlessJob& job, Dialogs& dialogs, std::FILE* errors)
{
    SystemClock clock;
    MainWindow window(MainWindowEnvironment{&dialogs, &clock, systemAppPaths(), screenDpi, screenWidth});
    connectEditorCommands(window);
    if (!window.startUp())
        return false;
    window.show();
    bool done = false;
    FileCommands* files = window.findChild<FileCommands*>();
    if (waitUntilLaidOut(window) && files && files->openLabelFile(job.labelFile)) {
        const QImage surface = labelSurfaceSnapshot(window.document());
        QImageWriter writer(job.outputPath, "png");
        done = !surface.isNull() && writer.write(surface);
        if (!done)
            cannotWrite(job.outputPath, errors);
    }
    // Ended as the editor ends: the label reset and the run's scratch folder deleted.
    window.exitProgram();
    return done;
}

} // namespace

int runHeadlessJob(const HeadlessJob& job, std::FILE* errors)
{
    WrittenDialogs dialogs(errors);
    const bool done = job.kind == HeadlessJob::Kind::ExportPng ? exportPng(job, dialogs, errors)
                                                               : printOrExportPdf(job, dialogs, errors);
    return done ? 0 : 1;
}
