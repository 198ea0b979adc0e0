#pragma once

#include "printing/label_page.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

// The label.ini keys of the label printer, section Print.
inline constexpr char kPrintSection[] = "Print";
inline constexpr char kPrinterNameKey[] = "N"; // the label printer's name
inline constexpr char kDotDensityKey[] = "R";  // its dots per inch, as typed
inline constexpr char kOrientationKey[] = "D"; // 1 landscape, anything else portrait
inline constexpr char kDefaultDotDensityText[] = "203";
inline constexpr char kDefaultOrientationText[] = "1";

// What printing takes from the stored texts (GBK, a missing key already read as its default).
struct PrintSettings {
    QString printerName;
    int dotDensity = kDefaultDotDensity; // always positive
    int orientation = 1;

    bool operator==(const PrintSettings&) const = default;
};

PrintSettings printSettingsOf(const QByteArray& name, const QByteArray& density, const QByteArray& orientation);

// What the density command stores for a typed text: the text itself, or "203" when its leading
// number is negative. A text without a number is kept as typed too; printing then uses 203.
QByteArray storedDotDensity(const QByteArray& typed);

// The symbol of an image element of this tag: barcodes and QR codes are drawn again at the
// printer's dots, pictures as they are shown.
CodeSymbol codeSymbolOfTag(int tag);
CodeSymbol codeSymbolOfKindLetter(char kindLetter);

// A picture given as BMP bytes as a picture control of the box's size shows it: stretched to the
// box each way on its own, every pixel copied, never blended. Null when the bytes are no picture or
// the box is empty or larger than a picture may be, as a snapshot of such a control would be.
QImage pictureAsShown(const QByteArray& bmp, QSize box);

// One image element as printed: its box in label coordinates, the picture it shows, and for a
// code its content and the quarter turns read from that picture.
PrintedPicture printedPicture(const QRect& box, const QImage& shown, CodeSymbol symbol, const QByteArray& content);
