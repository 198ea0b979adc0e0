#pragma once

#include "printing/label_printer.h"

#include <QString>
#include <QStringList>

// The private print queue that print_queue.sh starts (named by VORTELLE_PRINT_QUEUE) and the
// jobs its queues keep.

// The queue's folder; empty when no private scheduler answers there (as when not run as root).
QString printQueueDir();

inline const QString kKeepQueue = QStringLiteral("vortelle-keep");
inline const QString kDefaultQueue = QStringLiteral("vortelle-default");
inline const QString kPdfQueue = QStringLiteral("vortelle-pdf");

// The jobs a keeping queue holds, as paths of their PDF files, oldest first.
QStringList keptJobs(const QString& queue);

// Waits (at most 30 s) until the scheduler has no unfinished job on the queue.
bool waitUntilQueueIsDone(const QString& queue);

// A job kept by the backend: the PDF as it arrived, its title and its options.
struct KeptJob {
    QString pdfPath; // empty when no job arrived
    QString title;
    QString options;
};

// Prints the page on a keeping queue and waits for the job the backend keeps.
KeptJob printAndKeep(
    const LabelPage& page, const QString& queue, int orientation, PrintResult* result = nullptr);

// The PDF files cups-pdf has written, oldest first.
QStringList cupsPdfFiles();
