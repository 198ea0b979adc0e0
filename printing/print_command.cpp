#include "printing/print_command.h"

#include "document/drawing_canvas.h"
#include "document/label_document.h"
#include "document/picture_control.h"
#include "platform/dialogs.h"
#include "platform/gbk.h"
#include "platform/ini_settings.h"
#include "printing/label_printer.h"
#include "printing/label_snapshot.h"

#include <QPrinterInfo>

PrintSettings readPrintSettings(const IniSettings& settings)
{
    PrintSettings print = readPageSettings(settings);
    print.printerName
        = fromGbk(settings.read(kPrintSection, kPrinterNameKey, toGbk(QPrinterInfo::defaultPrinterName())));
    return print;
}

PrintSettings readPageSettings(const IniSettings& settings)
{
    return printSettingsOf(QByteArray(), settings.read(kPrintSection, kDotDensityKey, kDefaultDotDensityText),
                           settings.read(kPrintSection, kOrientationKey, kDefaultOrientationText));
}

LabelPage labelPageOf(const LabelDocument& document, int screenDpi, int printerDpi)
{
    LabelPage page;
    page.screenDpi = screenDpi;
    page.printerDpi = printerDpi;
    const QWidget* surface = document.labelSurface();
    if (!surface)
        return page;
    page.labelPixels = surface->size();
    const QPoint origin = surface->pos();
    page.pictures.reserve(document.imageElements().size());
    for (PictureControl* control : document.imageElements()) {
        const int tag = LabelDocument::tagOf(control);
        const ContentRecord* record = document.findContent(tag);
        page.pictures.push_back(printedPicture(control->geometry().translated(-origin), controlSnapshot(*control),
                                               codeSymbolOfTag(tag), record ? record->content : QByteArray()));
    }
    page.texts.reserve(document.textElements().size());
    for (DrawingCanvas* canvas : document.textElements()) {
        const ContentRecord* record = document.findContent(LabelDocument::tagOf(canvas));
        page.texts.push_back({canvas->pos() - origin, canvas->elementFont(), record ? record->content : QByteArray()});
    }
    return page;
}

bool printLabel(const LabelDocument& document, const IniSettings& settings, Dialogs& dialogs, int screenDpi,
                const QString& printerName)
{
    PrintSettings print = readPrintSettings(settings);
    if (!printerName.isEmpty())
        print.printerName = printerName;
    return printPage(labelPageOf(document, screenDpi, print.dotDensity), print, dialogs);
}

bool printPage(const LabelPage& page, const PrintSettings& settings, Dialogs& dialogs)
{
    const PrintResult result = printLabelPage(page, settings.printerName, settings.orientation);
    if (result == PrintResult::Printed)
        return true;
    dialogs.error(printFailureTitle(), printFailureText(result));
    return false;
}
