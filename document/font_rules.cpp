#include "document/font_rules.h"

#include <cmath>

namespace {

constexpr qsizetype kMaxFaceNameBytes = 31;

} // namespace

QByteArray settableFaceName(const QByteArray& faceName)
{
    if (faceName.isEmpty() || faceName.size() > kMaxFaceNameBytes)
        return QByteArrayLiteral("\xCB\xCE\xCC\xE5"); // 宋体
    return faceName;
}

int pointsFromPixels(int pixels, int dotsPerInch)
{
    if (dotsPerInch <= 0)
        return 0;
    return static_cast<int>(std::lround(pixels * 72.0 / dotsPerInch));
}
