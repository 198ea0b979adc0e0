#include "codes/barcode_picture.h"

#include "document/bitmap.h"
#include "document/bmp_file.h"
#include "document/gbk_text.h"

#include <cstring>

QByteArray makeBarcodePicture(QByteArray& text, bool vertical)
{
    removeSpaces(text);
    return renderBarcodePicture(encodeCode128(text), vertical);
}

QByteArray renderBarcodePicture(const ModulePattern& pattern, bool vertical)
{
    long long modules = 0;
    for (char w : pattern) {
        if (w < '1' || w > '4') {
            return {}; // not a module pattern
        }
        modules += w - '0';
    }
    const long long width = kBarcodeModuleWidth * modules + 2 * kBarcodeMargin;
    if (width > kMaxBitmapSide) {
        return {};
    }

    Bitmap bitmap;
    if (!createBitmap(bitmap, static_cast<int>(width), kBarcodePictureHeight, 1, kWhite)) {
        return {};
    }

    // Every bar runs the full height from row 1 to row 110, so one row is drawn and copied down.
    constexpr int firstRow = 1;
    constexpr int lastRow = kBarcodePictureHeight - 2;
    int x = kBarcodeMargin;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int span = kBarcodeModuleWidth * (pattern[i] - '0');
        if (i % 2 == 0) {
            fillRect(bitmap, x, firstRow, span, 1, kBlack);
        }
        x += span;
    }
    const auto stride = static_cast<std::size_t>(bitmap.stride());
    const std::uint8_t* drawn = bitmap.pixels.data() + firstRow * stride;
    for (int row = firstRow + 1; row <= lastRow; ++row) {
        std::memcpy(bitmap.pixels.data() + row * stride, drawn, stride);
    }

    if (vertical) {
        return toBmpBytes(rotateQuarterTurn(bitmap));
    }
    return toBmpBytes(bitmap);
}
