#include "document/units.h"

#include <cmath>
#include <cstdio>
#include <limits>

int mmToPixels(double millimetres)
{
    const double pixels = std::trunc(millimetres * kPixelsPerMm);
    if (std::isnan(pixels))
        return 0;
    if (pixels >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (pixels <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(pixels);
}

double pixelsToMm(int pixels)
{
    return pixels / static_cast<double>(kPixelsPerMm);
}

QByteArray formatMm(double millimetres)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.13g", millimetres);
    return QByteArray(buffer, length > 0 ? length : 0);
}

QByteArray formatPixelsAsMm(int pixels)
{
    return formatMm(pixelsToMm(pixels));
}

QByteArray formatInt(std::int64_t value)
{
    return QByteArray::number(static_cast<qlonglong>(value));
}
