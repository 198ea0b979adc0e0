#pragma once

#include <QByteArray>

// A face name longer than the 31 bytes a font record holds, or an empty one, becomes "宋体" (GBK)
// when a font is set as a whole.
QByteArray settableFaceName(const QByteArray& faceName);

// A character height in pixels read back as points: pixels × 72 ÷ dots per inch, rounded to nearest;
// 0 when the density is unknown.
int pointsFromPixels(int pixels, int dotsPerInch);
