#pragma once

#include "codes/code128.h"

#include <QByteArray>

inline constexpr int kBarcodeModuleWidth = 3;   // pixels per module
inline constexpr int kBarcodeMargin = 2;        // white columns on each side of the bars
inline constexpr int kBarcodePictureHeight = 112;

// The Code 128 picture of a text as BMP bytes. The spaces (ASCII and full-width) are removed from
// the caller's text in place first: the shortened text is what the element keeps.
QByteArray makeBarcodePicture(QByteArray& text, bool vertical = false);

// The pattern drawn 3 pixels per module, 3M + 4 wide and 112 high, bars on rows 1 to 110 from x = 2,
// as a 1-bit BMP; turned a quarter turn clockwise when vertical. Empty when the bitmap cannot be made
// (a pattern wider than the bitmap operations allow, or bytes other than '1' to '4').
QByteArray renderBarcodePicture(const ModulePattern& pattern, bool vertical);
