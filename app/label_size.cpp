#include "app/label_size.h"

#include "document/gbk_text.h"
#include "document/units.h"
#include "platform/ini_settings.h"

#include <limits>

namespace {

// Held inside int32 pixels, so a huge number in the settings file cannot overflow.
int millimetresToPixels(int millimetres)
{
    constexpr int limit = std::numeric_limits<int>::max() / kPixelsPerMm;
    if (millimetres > limit)
        millimetres = limit;
    if (millimetres < -limit)
        millimetres = -limit;
    return millimetres * kPixelsPerMm;
}

} // namespace

QSize labelSizeFromTexts(const QByteArray& width, const QByteArray& height)
{
    return QSize(millimetresToPixels(textToInt(width)), millimetresToPixels(textToInt(height)));
}

QSize defaultLabelSize(const IniSettings& settings)
{
    return labelSizeFromTexts(settings.read("New", "W", "72"), settings.read("New", "H", "25"));
}
