#pragma once

#include <QByteArray>

// White modules kept around the symbol on every side, at least; the rest of the picture is white too.
inline constexpr int kQrQuietZoneModules = 4;

// The QR code picture of a content text (GBK bytes, spaces kept) as a 1-bit BMP of exactly
// width x height pixels: white background, black modules, each module a square of the same whole
// number of pixels, the symbol and its quiet zone centred. Made in the process; nothing is written.
//
// The symbol carries the text as UTF-8 in 8-bit mode (what phone scanners read), with error
// correction level M; a pure ASCII text may use the denser numeric and alphanumeric modes too.
//
// Empty when there is nothing to draw: an empty text, a text too long for any QR version, or a
// picture too small to give the symbol and its quiet zone one pixel per module.
QByteArray makeQrPicture(const QByteArray& text, int width = 256, int height = 256);
