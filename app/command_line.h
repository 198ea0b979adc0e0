#pragma once

#include <QString>
#include <QStringList>

class MainWindow;

// What the program was started to do. `vortelle` starts with an empty label; `vortelle FILE.lab`
// opens that file once the window is up, as Open does after its dialog. `vortelle print FILE.lab
// [--printer NAME]` prints the file without a window, on the label printer of label.ini or the one
// named; `vortelle export FILE.lab OUT.pdf` writes the same page as a PDF file, `OUT.png` a picture
// of the label surface as the editor shows it.
struct CommandLine {
    enum class Action { Edit, Print, ExportPdf, ExportPng, Help, Version };
    Action action = Action::Edit;
    QString labelFile;   // absolute; empty when none was given
    QString printerName; // print --printer NAME
    QString outputPath;  // export: absolute
    QString error;       // why the arguments were refused; empty when they were taken
};

// The arguments after the program's name (Qt's own already taken out). The first argument "print"
// or "export" names the action; --help and --version stand alone. An argument that starts with "-"
// is no file unless it follows "--"; more than one file is refused.
CommandLine parseCommandLine(const QStringList& arguments);

// Whether the arguments ask for something that needs no screen (print, export, --help,
// --version): such a run takes Qt's offscreen platform unless one was asked for.
bool runsWithoutScreen(const QStringList& arguments);

// --help and --version.
QString commandLineHelp();
QString versionText();

// How to start the program, for a refused command line.
QString commandLineUsage();

// Opens the file after start-up: once the window has been laid out at its first activation (which
// gives the label its default size), the file replaces the empty label, or its message is shown.
void openWhenStarted(MainWindow& window, const QString& labelFile);
