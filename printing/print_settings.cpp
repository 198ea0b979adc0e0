#include "printing/print_settings.h"

#include "document/bitmap.h"
#include "document/element_kind.h"
#include "document/gbk_text.h"
#include "platform/gbk.h"
#include "printing/code_redraw.h"

PrintSettings printSettingsOf(const QByteArray& name, const QByteArray& density, const QByteArray& orientation)
{
    PrintSettings settings;
    settings.printerName = fromGbk(name);
    settings.dotDensity = effectiveDotDensity(density);
    settings.orientation = textToInt(orientation);
    return settings;
}

QByteArray storedDotDensity(const QByteArray& typed)
{
    return textToInt(typed) < 0 ? QByteArray(kDefaultDotDensityText) : typed;
}

CodeSymbol codeSymbolOfTag(int tag)
{
    switch (kindOfTag(tag).value_or(ElementKind::Picture)) {
    case ElementKind::Barcode:
        return CodeSymbol::Barcode;
    case ElementKind::QrCode:
        return CodeSymbol::QrCode;
    case ElementKind::Text:
    case ElementKind::Picture:
        break;
    }
    return CodeSymbol::None;
}

CodeSymbol codeSymbolOfKindLetter(char kindLetter)
{
    switch (kindLetter) {
    case 'B':
        return CodeSymbol::Barcode;
    case 'D':
        return CodeSymbol::QrCode;
    default:
        return CodeSymbol::None;
    }
}

PrintedPicture printedPicture(const QRect& box, const QImage& shown, CodeSymbol symbol, const QByteArray& content)
{
    PrintedPicture picture;
    picture.box = box;
    picture.picture = shown;
    picture.symbol = symbol;
    picture.content = content;
    if (symbol == CodeSymbol::Barcode)
        picture.quarterTurns = barcodeQuarterTurns(shown);
    else if (symbol == CodeSymbol::QrCode)
        picture.quarterTurns = qrCodeQuarterTurns(shown);
    return picture;
}

QImage pictureAsShown(const QByteArray& bmp, QSize box)
{
    if (box.width() <= 0 || box.height() <= 0 || box.width() > kMaxBitmapSide || box.height() > kMaxBitmapSide)
        return QImage();
    const QImage picture = QImage::fromData(bmp, "BMP");
    if (picture.isNull() || picture.size() == box)
        return picture;
    return picture.scaled(box, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
