#pragma once

#include <QString>

#include <cstdio>

// `vortelle print` and `vortelle export`: a label file read as Open reads it, printed or written
// as the print command draws it. Print and PDF need no window; the PNG picture is the label surface
// of the editor's own window, built on the offscreen platform and never on a screen. Messages go
// to `errors` as "title: text", in the words of the editor's boxes.
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
