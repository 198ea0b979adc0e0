#pragma once

#include <QString>
#include <QStringList>

class MainWindow;

// What the program was started to do. `vortelle` starts with an empty label; `vortelle FILE.lab`
// opens that file once the window is up, as Open does after its dialog.
struct CommandLine {
    QString labelFile; // absolute; empty when none was given
    QString error;     // why the arguments were refused; empty when they were taken
};

// The arguments after the program's name (Qt's own already taken out). An argument that starts
// with "-" is no file unless it follows "--"; more than one file is refused.
CommandLine parseCommandLine(const QStringList& arguments);

// How to start the program, for a refused command line.
QString commandLineUsage();

// Opens the file after start-up: once the window has been laid out at its first activation (which
// gives the label its default size), the file replaces the empty label, or its message is shown.
void openWhenStarted(MainWindow& window, const QString& labelFile);
