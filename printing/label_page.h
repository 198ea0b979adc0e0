#pragma once

#include "document/element_font.h"
#include "printing/print_rules.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

// What one printed label holds, as plain values. Coordinates are label coordinates: pixels of the
// design (0.1 mm of paper) from the label's top-left corner, x to the right and y downward.

// Which symbol an image element shows, for drawing it again at the printer's own dots.
enum class CodeSymbol { None, Barcode, QrCode };

struct PrintedPicture {
    QRect box;
    // The element as shown on screen, stretched into the box. A null picture prints nothing.
    QImage picture;
    // For a barcode or QR code element: its content, and the clockwise quarter turns of the
    // picture it shows. With printCodesAtPrinterDots the symbol is drawn again from the content
    // with whole printer dots per module, centred in the box, instead of stretching the picture.
    CodeSymbol symbol = CodeSymbol::None;
    QByteArray content; // GBK
    int quarterTurns = 0;
};

struct PrintedText {
    QPoint position;
    ElementFont font; // the screen font; its size is scaled for the printer when drawn
    QByteArray content; // GBK
};

struct LabelPage {
    QSize labelPixels;
    std::vector<PrintedPicture> pictures; // in the order of the image elements
    std::vector<PrintedText> texts; // in the order of the text elements
    int printerDpi = kDefaultDotDensity;
    int screenDpi = 96;
    // Barcodes and QR codes redrawn at whole printer dots per module (see PrintedPicture): a screen
    // picture stretched into its box does not scan reliably on a 203 dpi printer.
    bool printCodesAtPrinterDots = true;
};
