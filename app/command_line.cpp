#include "app/command_line.h"

#include "app/main_window.h"
#include "files/file_commands.h"

#include <QEvent>
#include <QFileInfo>
#include <QPointer>

namespace {

// Waits for the window's first activation, then opens the file from the event loop, after the
// activation's own layout is done.
class OpenAtStart final : public QObject {
public:
    OpenAtStart(MainWindow& window, QString path) : QObject(&window), window_(window), path_(std::move(path))
    {
        window.installEventFilter(this);
        if (window.isLaidOut())
            QMetaObject::invokeMethod(this, &OpenAtStart::run, Qt::QueuedConnection);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            QMetaObject::invokeMethod(this, &OpenAtStart::run, Qt::QueuedConnection);
        return false;
    }

private:
    void run()
    {
        if (done_ || !window_.isLaidOut())
            return;
        done_ = true;
        window_.removeEventFilter(this);
        if (FileCommands* commands = window_.findChild<FileCommands*>())
            commands->openLabelFile(path_);
        deleteLater();
    }

    MainWindow& window_;
    QString path_;
    bool done_ = false;
};

} // namespace

namespace {

// The file names and options after the action; "--" ends the options.
struct Operands {
    QStringList names;
    QString printerName;
    bool printerGiven = false;
    QString error;
};

Operands readOperands(const QStringList& arguments, bool takesPrinter)
{
    Operands operands;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && takesPrinter && argument == QStringLiteral("--printer")) {
            if (i + 1 == arguments.size()) {
                operands.error = QStringLiteral("--printer needs a printer name");
                return operands;
            }
            operands.printerName = arguments[++i];
            operands.printerGiven = true;
            continue;
        }
        if (!optionsEnded && takesPrinter && argument.startsWith(QStringLiteral("--printer="))) {
            operands.printerName = argument.mid(10);
            operands.printerGiven = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            operands.error = QStringLiteral("unknown option: ") + argument;
            return operands;
        }
        operands.names << argument;
    }
    if (operands.printerGiven && operands.printerName.isEmpty())
        operands.error = QStringLiteral("the printer's name is empty");
    for (const QString& name : std::as_const(operands.names))
        if (name.isEmpty())
            operands.error = QStringLiteral("a file name is empty");
    return operands;
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

CommandLine refused(const QString& error)
{
    CommandLine command;
    command.error = error;
    return command;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    if (arguments.size() == 1 && (arguments[0] == QStringLiteral("--help") || arguments[0] == QStringLiteral("-h"))) {
        CommandLine command;
        command.action = CommandLine::Action::Help;
        return command;
    }
    if (arguments.size() == 1 && arguments[0] == QStringLiteral("--version")) {
        CommandLine command;
        command.action = CommandLine::Action::Version;
        return command;
    }
    const QString action = arguments.value(0);
    if (action == QStringLiteral("print") || action == QStringLiteral("export")) {
        const bool print = action == QStringLiteral("print");
        const Operands operands = readOperands(arguments.mid(1), print);
        if (!operands.error.isEmpty())
            return refused(operands.error);
        CommandLine command;
        if (print) {
            if (operands.names.size() != 1)
                return refused(QStringLiteral("print takes one label file"));
            command.action = CommandLine::Action::Print;
            command.printerName = operands.printerName;
        } else {
            if (operands.names.size() != 2)
                return refused(QStringLiteral("export takes a label file and an output file"));
            const QString suffix = QFileInfo(operands.names[1]).suffix().toLower();
            if (suffix == QStringLiteral("pdf"))
                command.action = CommandLine::Action::ExportPdf;
            else if (suffix == QStringLiteral("png"))
                command.action = CommandLine::Action::ExportPng;
            else
                return refused(QStringLiteral("the output file must end in .pdf or .png"));
            command.outputPath = absolute(operands.names[1]);
        }
        command.labelFile = absolute(operands.names[0]);
        return command;
    }

    const Operands operands = readOperands(arguments, false);
    if (!operands.error.isEmpty())
        return refused(operands.error);
    if (operands.names.size() > 1)
        return refused(QStringLiteral("only one label file can be opened"));
    CommandLine command;
    if (!operands.names.isEmpty())
        command.labelFile = absolute(operands.names.first());
    return command;
}

bool runsWithoutScreen(const QStringList& arguments)
{
    static const QStringList kWithoutScreen = {QStringLiteral("print"), QStringLiteral("export"),
                                               QStringLiteral("--help"), QStringLiteral("-h"),
                                               QStringLiteral("--version")};
    return !arguments.isEmpty() && kWithoutScreen.contains(arguments.first());
}

QString commandLineUsage()
{
    return QStringLiteral("usage: vortelle [FILE.lab]\n"
                          "       vortelle print FILE.lab [--printer NAME]\n"
                          "       vortelle export FILE.lab OUT.pdf|OUT.png\n"
                          "       vortelle --help | --version\n");
}

QString commandLineHelp()
{
    return commandLineUsage()
        + QStringLiteral("\n"
                         "Vortelle edits and prints small labels.\n"
                         "\n"
                         "  vortelle                 start the editor with an empty label\n"
                         "  vortelle FILE.lab        start the editor with that label\n"
                         "  print FILE.lab           print the label once, as the editor's 打印 does, on the\n"
                         "                           label printer of label.ini ([Print] N, R and D)\n"
                         "    --printer NAME         on this printer instead\n"
                         "  export FILE.lab OUT.pdf  write the printed page as a PDF file\n"
                         "  export FILE.lab OUT.png  write the label as the editor shows it, one pixel\n"
                         "                           per tenth of a millimetre\n"
                         "  --help                   show this text\n"
                         "  --version                show the version\n"
                         "\n"
                         "print and export need no screen. Errors go to standard error; the exit\n"
                         "status is 0 when done, 1 when the label, the printer or the output failed, 2\n"
                         "for a refused command line.\n");
}

QString versionText()
{
    return QStringLiteral("vortelle " VORTELLE_VERSION "\n");
}

void openWhenStarted(MainWindow& window, const QString& labelFile)
{
    new OpenAtStart(window, labelFile);
}
