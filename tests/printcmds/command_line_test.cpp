// `vortelle print`, `vortelle export`, --help and --version: the arguments, and the real program run
// as a process beside the real editor, which opens the same files.
#include "app/command_line.h"
#include "files/file_commands.h"
#include "printing/label_printer.h"
#include "printing/label_snapshot.h"
#include "printing/print_command.h"
#include "tests/editor/editor_fixture.h"
#include "tests/printing/pdf_probe.h"
#include "tests/printing/print_output.h"

#include <QDir>
#include <QProcess>
#include <QPrinterInfo>

namespace {

QString compatFile(const char* name)
{
    return QStringLiteral(VORTELLE_TEST_DATA "/../files/compat/") + QString::fromLatin1(name);
}

TEST(CommandLineArguments, NameTheActionItsFilesAndItsPrinter)
{
    using Action = CommandLine::Action;
    const QString here = QDir::currentPath() + QLatin1Char('/');
    const struct {
        const char* rule;
        QStringList arguments;
        Action action;
        QString labelFile;
        QString output;
        QString printer;
    } taken[] = {
        {"print on the label printer", {"print", "a.lab"}, Action::Print, here + "a.lab", {}, {}},
        {"print on a printer named", {"print", "a.lab", "--printer", "标签机"}, Action::Print, here + "a.lab", {}, "标签机"},
        {"the printer before the file", {"print", "--printer=p2", "/x/a.lab"}, Action::Print, "/x/a.lab", {}, "p2"},
        {"export a PDF", {"export", "a.lab", "/tmp/b.pdf"}, Action::ExportPdf, here + "a.lab", "/tmp/b.pdf", {}},
        {"export a picture, the suffix in capitals", {"export", "a.lab", "b.PNG"}, Action::ExportPng, here + "a.lab",
         here + "b.PNG", {}},
        {"after -- a name may start with -", {"export", "--", "-a.lab", "-b.pdf"}, Action::ExportPdf, here + "-a.lab",
         here + "-b.pdf", {}},
        {"a file named print, after --", {"--", "print"}, Action::Edit, here + "print", {}, {}},
        {"the editor with a file", {"a.lab"}, Action::Edit, here + "a.lab", {}, {}},
        {"help", {"--help"}, Action::Help, {}, {}, {}},
        {"help, short", {"-h"}, Action::Help, {}, {}, {}},
        {"version", {"--version"}, Action::Version, {}, {}, {}},
    };
    for (const auto& c : taken) {
        const CommandLine command = parseCommandLine(c.arguments);
        EXPECT_TRUE(command.error.isEmpty()) << c.rule << ": " << command.error.toStdString();
        EXPECT_EQ(command.action, c.action) << c.rule;
        EXPECT_EQ(command.labelFile, c.labelFile) << c.rule;
        EXPECT_EQ(command.outputPath, c.output) << c.rule;
        EXPECT_EQ(command.printerName, c.printer) << c.rule;
    }
    const struct {
        const char* rule;
        QStringList arguments;
    } refused[] = {
        {"print without a file", {"print"}},
        {"print with two files", {"print", "a.lab", "b.lab"}},
        {"--printer without a name", {"print", "a.lab", "--printer"}},
        {"--printer with an empty name", {"print", "a.lab", "--printer="}},
        {"export without an output", {"export", "a.lab"}},
        {"export to a file of another kind", {"export", "a.lab", "b.jpg"}},
        {"export to a name without a suffix", {"export", "a.lab", "pdf"}},
        {"--printer is print's", {"export", "a.lab", "b.pdf", "--printer", "p"}},
        {"an unknown option", {"print", "a.lab", "--copies", "2"}},
        {"help with something else", {"--help", "a.lab"}},
        {"an empty file name", {"print", ""}},
    };
    for (const auto& c : refused)
        EXPECT_FALSE(parseCommandLine(c.arguments).error.isEmpty()) << c.rule;

    EXPECT_TRUE(runsWithoutScreen({"print", "a.lab"}));
    EXPECT_TRUE(runsWithoutScreen({"export", "a.lab", "b.png"}));
    EXPECT_TRUE(runsWithoutScreen({"--version"}));
    EXPECT_FALSE(runsWithoutScreen({"a.lab"}));
    EXPECT_FALSE(runsWithoutScreen({"--", "print"}));
    EXPECT_FALSE(runsWithoutScreen({}));
}

TEST_F(EditorTest, LabelSurfaceStandsAtTheOriginThatTheCommandLineUses)
{
    start();
    EXPECT_EQ(window->labelSurfaceControl()->pos(), MainWindow::labelOrigin());
    EXPECT_EQ(MainWindow::labelOrigin(), QPoint(24, toolBarHeight() + 24));
}

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class CommandLineTest : public EditorTest {
protected:
    // The program with this test's home for its settings and label folders; the variables named in
    // `unset` are taken out of its environment.
    ProgramRun vortelle(const QStringList& arguments, const QStringList& unset = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kHomeVariable), home());
        for (const QString& name : unset)
            environment.remove(name);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VORTELLE_EXECUTABLE), arguments);
        ProgramRun run;
        if (!process.waitForStarted(10000) || !process.waitForFinished(60000))
            return run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // The file opened by the editor's Open, as a user would after its dialog.
    bool openInEditor(const QString& path)
    {
        if (!window)
            start();
        FileCommands* files = window->findChild<FileCommands*>();
        return files && files->openLabelFile(path);
    }

    QString out(const char* name) const { return root.filePath(QString::fromLatin1(name)); }
};

TEST_F(CommandLineTest, ExportsThePictureOfTheLabelSurfaceAsTheEditorShowsIt)
{
    const ProgramRun run = vortelle({"export", compatFile("one_of_each.lab"), out("label.png")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QImage exported(out("label.png"));
    ASSERT_FALSE(exported.isNull());
    ASSERT_TRUE(openInEditor(compatFile("one_of_each.lab")));
    const QImage shown = labelSurfaceSnapshot(doc());
    // One pixel per design pixel: the label's 50 x 30 mm.
    EXPECT_EQ(exported.size(), QSize(500, 300));
    EXPECT_EQ(exported.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));

    ASSERT_EQ(vortelle({"export", compatFile("empty_72x25.lab"), out("empty.png")}).exitCode, 0);
    EXPECT_EQ(QImage(out("empty.png")).size(), QSize(720, 250));
}

TEST_F(CommandLineTest, ExportsThePageThatTheEditorsPrintCommandDraws)
{
    writeSettings("[Print]\r\nR=300\r\nD=0\r\n");
    const ProgramRun run = vortelle({"export", compatFile("one_of_each.lab"), out("label.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(openInEditor(compatFile("one_of_each.lab")));
    const PrintSettings print = readPageSettings(window->settings());
    ASSERT_EQ(print.dotDensity, 300);
    ASSERT_TRUE(exportLabelPdf(labelPageOf(doc(), window->screenDpiValue(), print.dotDensity), out("editor.pdf"),
                               print.orientation));

    // Portrait: the 50 x 30 mm label turned onto a page whose longer side runs down.
    const auto size = pdfPageSize(out("label.pdf"));
    ASSERT_TRUE(size);
    EXPECT_NEAR(size->width(), 30 * 72 / 25.4, 0.5);
    EXPECT_NEAR(size->height(), 50 * 72 / 25.4, 0.5);
    const auto words = pdfWords(out("label.pdf"));
    const auto editorWords = pdfWords(out("editor.pdf"));
    ASSERT_FALSE(words.empty());
    ASSERT_EQ(words.size(), editorWords.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i].text, editorWords[i].text);
        EXPECT_NEAR(words[i].box.left(), editorWords[i].box.left(), 0.01);
        EXPECT_NEAR(words[i].box.top(), editorWords[i].box.top(), 0.01);
        EXPECT_NEAR(words[i].box.height(), editorWords[i].box.height(), 0.01);
    }
    const QImage page = rasterise(out("label.pdf"), 300);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page, rasterise(out("editor.pdf"), 300));
}

TEST_F(CommandLineTest, RefusesWhatOpenRefusesWithOpensOwnWords)
{
    QFile garbage(out("garbage.lab"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a label");
    garbage.close();
    const QString paths[] = {out("garbage.lab"), out("missing.lab"), compatFile("placeholder.lab"),
                             compatFile("seven_fields.lab")};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        dialogs.shown.clear();
        ASSERT_FALSE(openInEditor(path));
        ASSERT_EQ(dialogs.shown.size(), 1);
        const QString box = dialogs.shown[0].title + QStringLiteral(": ") + dialogs.shown[0].text;
        for (const QStringList& arguments : {QStringList{"print", path}, QStringList{"export", path, out("x.pdf")},
                                             QStringList{"export", path, out("x.png")}}) {
            const ProgramRun run = vortelle(arguments);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.err, box + QLatin1Char('\n'));
        }
        EXPECT_FALSE(QFileInfo::exists(out("x.pdf")));
        EXPECT_FALSE(QFileInfo::exists(out("x.png")));
    }
}

TEST_F(CommandLineTest, RunsWithoutAScreenAndWithoutAPlatformNamed)
{
    const QStringList noScreen = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    const ProgramRun version = vortelle({"--version"}, noScreen);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("vortelle 0.1.0\n"));
    const ProgramRun help = vortelle({"--help"}, noScreen);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage: vortelle [FILE.lab]\n"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("vortelle print FILE.lab [--printer NAME]")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("vortelle export FILE.lab OUT.pdf|OUT.png")));
    for (const char* name : {"label.pdf", "label.png"}) {
        const ProgramRun run = vortelle({"export", compatFile("one_of_each.lab"), out(name)}, noScreen);
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
    EXPECT_EQ(QImage(out("label.png")).size(), QSize(500, 300));
    EXPECT_TRUE(pdfPageSize(out("label.pdf")));
}

TEST_F(CommandLineTest, ARefusedCommandLineOrOutputSaysWhyWithoutAnything)
{
    const ProgramRun wrong = vortelle({"export", compatFile("one_of_each.lab"), out("label.jpg")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("vortelle: the output file must end in .pdf or .png\nusage: ")))
        << wrong.err.toStdString();
    EXPECT_TRUE(wrong.out.isEmpty());
    for (const char* name : {"no/such/folder/label.pdf", "no/such/folder/label.png"}) {
        const ProgramRun unwritable = vortelle({"export", compatFile("one_of_each.lab"), out(name)});
        EXPECT_EQ(unwritable.exitCode, 1);
        EXPECT_EQ(unwritable.err, QStringLiteral("vortelle: cannot write ") + out(name) + QLatin1Char('\n'));
    }
}

class CommandLinePrintTest : public CommandLineTest {
protected:
    void SetUp() override
    {
        CommandLineTest::SetUp();
        if (printQueueDir().isEmpty())
            GTEST_SKIP() << "no private print queue (it needs root)";
        ASSERT_EQ(QPrinterInfo::defaultPrinterName(), kDefaultQueue);
    }
    void TearDown() override
    {
        if (!printQueueDir().isEmpty()) {
            EXPECT_EQ(QPrinterInfo::defaultPrinterName(), kDefaultQueue);
        }
    }

    // The job that a queue keeps of one run of the program.
    QString printed(const QStringList& arguments, const QString& queue, ProgramRun* run)
    {
        const QStringList before = keptJobs(queue);
        *run = vortelle(arguments);
        QString job;
        [[maybe_unused]] const bool ended = QTest::qWaitFor(
            [&] {
                for (const QString& path : keptJobs(queue))
                    if (!before.contains(path))
                        job = path;
                return !job.isEmpty() || run->exitCode != 0;
            },
            30000);
        return job;
    }
};

TEST_F(CommandLinePrintTest, PrintsOnTheLabelPrinterOfLabelIniOrTheOneNamed)
{
    writeSettings("[Print]\r\nN=vortelle-keep\r\n");
    ProgramRun run;
    const QString kept = printed({"print", compatFile("one_of_each.lab")}, kKeepQueue, &run);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_FALSE(kept.isEmpty());
    QFile title(kept.chopped(4) + QStringLiteral(".title"));
    ASSERT_TRUE(title.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(title.readAll()), QStringLiteral("标签打印"));

    // The page is the editor's: the same words at the same places.
    ASSERT_TRUE(openInEditor(compatFile("one_of_each.lab")));
    ASSERT_TRUE(exportLabelPdf(labelPageOf(doc(), window->screenDpiValue(), 203), out("editor.pdf"), 1));
    const auto words = pdfWords(kept);
    const auto editorWords = pdfWords(out("editor.pdf"));
    ASSERT_EQ(words.size(), editorWords.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i].text, editorWords[i].text);
        EXPECT_NEAR(words[i].box.left(), editorWords[i].box.left(), 0.01);
        EXPECT_NEAR(words[i].box.top(), editorWords[i].box.top(), 0.01);
    }

    const QString named = printed({"print", compatFile("one_of_each.lab"), "--printer", kDefaultQueue},
                                  kDefaultQueue, &run);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(named.isEmpty());
}

TEST_F(CommandLinePrintTest, APrinterThatIsNoneGivesThePrintFailureInItsOwnWords)
{
    const QStringList keep = keptJobs(kKeepQueue);
    const QStringList defaults = keptJobs(kDefaultQueue);
    const ProgramRun run = vortelle({"print", compatFile("one_of_each.lab"), "--printer", "vortelle-nowhere"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("打印失败: 打印失败，无法指定需要用于标签打印的打印机！\n"));
    EXPECT_TRUE(waitUntilQueueIsDone(kDefaultQueue));
    EXPECT_EQ(keptJobs(kKeepQueue), keep);
    EXPECT_EQ(keptJobs(kDefaultQueue), defaults);
}

} // namespace
