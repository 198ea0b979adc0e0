#pragma once

#include <QByteArray>

#include <cstdint>

// The design is held in whole pixels, ten to the millimetre.
inline constexpr int kPixelsPerMm = 10;

// Millimetres to pixels: times ten, truncated toward zero (and held inside int32).
int mmToPixels(double millimetres);
// Pixels to millimetres as a double (pixels / 10).
double pixelsToMm(int pixels);
// A millimetre value as "%.13g": 72.0 gives "72", 12.5 gives "12.5", -0.3 gives "-0.3".
QByteArray formatMm(double millimetres);
// The same for a length in pixels: 720 gives "72", 125 gives "12.5".
QByteArray formatPixelsAsMm(int pixels);
// Integers are written in plain decimal.
QByteArray formatInt(std::int64_t value);
