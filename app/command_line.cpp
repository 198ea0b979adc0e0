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

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine command;
    bool optionsEnded = false;
    QStringList files;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            command.error = QStringLiteral("unknown option: ") + argument;
            return command;
        }
        files << argument;
    }
    if (files.size() > 1) {
        command.error = QStringLiteral("only one label file can be opened");
        return command;
    }
    if (!files.isEmpty()) {
        if (files.first().isEmpty()) {
            command.error = QStringLiteral("the label file's name is empty");
            return command;
        }
        command.labelFile = QFileInfo(files.first()).absoluteFilePath();
    }
    return command;
}

QString commandLineUsage()
{
    return QStringLiteral("usage: vortelle [FILE.lab]\n");
}

void openWhenStarted(MainWindow& window, const QString& labelFile)
{
    new OpenAtStart(window, labelFile);
}
