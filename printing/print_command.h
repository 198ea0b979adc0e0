#pragma once

#include "printing/label_page.h"
#include "printing/print_settings.h"

#include <QString>

class Dialogs;
class IniSettings;
class LabelDocument;

// N, R and D of label.ini: the printer name defaults to the system's current default printer,
// the density to "203" and the orientation to "1" (landscape).
PrintSettings readPrintSettings(const IniSettings& settings);
// R and D alone, for a page that goes to no printer (its printer name stays empty): the system's
// printers are not asked.
PrintSettings readPageSettings(const IniSettings& settings);

// The page of the label on the editor: the surface's size; every image element in the order of
// imageElements as its control shows it, then every text element in the order of textElements with
// its font and content, each at its place relative to the surface's top-left corner. `screenDpi`
// is the screen's logical dots per inch in device-independent pixels, so the printed size of a
// text does not change with the display's scaling.
LabelPage labelPageOf(const LabelDocument& document, int screenDpi, int printerDpi);

// 打印: the label once, as one page of its own size, on the printer of label.ini (or the one named
// here), straight to it: the system's default printer is never changed. A failure shows its box,
// titled "打印失败"; false then.
bool printLabel(const LabelDocument& document, const IniSettings& settings, Dialogs& dialogs, int screenDpi,
                const QString& printerName = QString());

// Its second half, for a page made by the caller at the settings' density: printed on the
// settings' printer and orientation, or the failure box shown (false then).
bool printPage(const LabelPage& page, const PrintSettings& settings, Dialogs& dialogs);
