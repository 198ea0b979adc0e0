#pragma once

#include <QString>

#include <cstdio>

// `vortelle print` and `vortelle export`: a label file read by Open and printed or written by the
// commands of the menus, with the editor's window built but never on a screen (the offscreen
// platform). Messages go to `errors` as the boxes of the editor would say them.
struct HeadlessJob {
    enum class Kind { Print, ExportPdf, ExportPng };
    Kind kind = Kind::Print;
    QString labelFile;
    QString printerName; // print: instead of the label printer of label.ini; empty for that one
    QString outputPath;  // export
};

// Needs the QApplication. The exit status: 0 when done, 1 when the file, the printer or the output
// refused.
int runHeadlessJob(const HeadlessJob& job, std::FILE* errors);
