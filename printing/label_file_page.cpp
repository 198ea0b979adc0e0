#include "printing/label_file_page.h"

#include "files/label_reading.h"
#include "printing/print_settings.h"

LabelPage labelPageOfFile(const OpenedLabel& label, QPoint labelOrigin, int screenDpi, int printerDpi)
{
    LabelPage page;
    page.labelPixels = QSize(label.width, label.height);
    page.screenDpi = screenDpi;
    page.printerDpi = printerDpi;
    page.pictures.reserve(label.images.size());
    for (const OpenedImage& image : label.images) {
        const ImageRecord& record = image.record;
        const QRect box(record.left - labelOrigin.x(), record.top - labelOrigin.y(), record.width, record.height);
        page.pictures.push_back(printedPicture(box, pictureAsShown(record.picture, box.size()),
                                               codeSymbolOfKindLetter(record.kindLetter), record.content));
    }
    page.texts.reserve(label.texts.size());
    for (const OpenedText& text : label.texts)
        page.texts.push_back({QPoint(text.record.left, text.record.top) - labelOrigin, text.properties.font,
                              text.properties.content});
    return page;
}
