#pragma once

#include "printing/label_page.h"

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

// A screen picture stretched into its box lands on a printer's dots unevenly: a 340-pixel barcode in
// a 300-pixel box gives about 2.1 dots a module at 203 dpi, some bars two dots wide and some three,
// which decoders misread. Barcodes and QR codes are therefore drawn again from their content with a
// whole number of printer dots per module, centred in the element's box, turned as the element
// shows them, over the box's white background as the shown picture has it.

// The symbol at the printer's dots: an image one pixel a dot, at most boxDots in size (a box of
// width x height dots before the turn), turned `quarterTurns` clockwise. Null when the content
// gives no symbol or the box is too small for one dot a module.
QImage barcodeAtPrinterDots(const QByteArray& content, QSize boxDots, int quarterTurns);
QImage qrCodeAtPrinterDots(const QByteArray& content, QSize boxDots, int quarterTurns);

// The box measured in whole printer dots (truncated).
QSize boxInPrinterDots(const QRect& box, int printerDpi);

// Where an image of `dots` printer dots lies when centred in the box, in label units.
QRectF centredInBox(const QRect& box, QSize dots, int printerDpi);

// Draws the element's symbol that way. False when it cannot (no symbol, no content, a box too
// small, no density); the caller then prints the shown picture instead.
bool paintCodeAtPrinterDots(QPainter& painter, const PrintedPicture& picture, int printerDpi);

// The clockwise quarter turns (0 or 1) of the barcode a picture shows: its bars stand upright
// unturned and lie across turned. 0 when the picture shows no bars.
int barcodeQuarterTurns(const QImage& shown);

// The clockwise quarter turns (0 to 3) of the QR code a picture shows, told by the corner that
// lacks a finder pattern (bottom-right unturned). 0 when no QR code is recognised.
int qrCodeQuarterTurns(const QImage& shown);
