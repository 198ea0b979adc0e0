#pragma once

#include "printing/label_page.h"

#include <QString>

// Printing and exporting one label page: a page of exactly the label's size, no margins, drawn
// in full by paintLabelPage. The orientation is the stored setting (1 landscape, else portrait).

enum class PrintResult {
    Printed,
    NoSuchPrinter, // the name names no printer of the system
    CannotStart, // the job could not be started (no printer name, no scheduler, a refused page)
};

// The failure box of a result: title "打印失败" and the text to show; empty for Printed.
QString printFailureTitle();
QString printFailureText(PrintResult result);

// The job goes straight to the printer named, under the document name "标签打印", one copy; the
// system's default printer is never changed, so it is the same after printing as before.
PrintResult printLabelPage(const LabelPage& page, const QString& printerName, int orientation);

// The same page as a PDF file. False when the file cannot be written.
bool exportLabelPdf(const LabelPage& page, const QString& path, int orientation);

// The document name of every print job.
QString printJobName();
