#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ToolResult {
    bool started = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs an external program to its end (at most 30 s) and gives what it printed.
ToolResult runTool(const QString& program, const QStringList& arguments);

// The texts zbar reads in a picture file, each as zbarimg prints it (one symbol per line).
ToolResult zbarDecode(const QString& path, const QStringList& extra = {});

// The texts ZXing reads in a picture file, as UTF-8, one symbol per line.
ToolResult zxingDecode(const QString& path);
