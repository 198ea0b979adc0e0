#include "printing/print_rules.h"

#include "document/gbk_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

int printFontSize(int size, int screenDpi, int printerDpi)
{
    if (screenDpi <= 0 || printerDpi <= 0)
        return 0;
    // m = |size / 72 * S| * 25.4 / R millimetres. Worked in whole numbers, 100 m is
    // |size * S| * 2540 / (72 R): rounding that to a whole number with halves up rounds m to two
    // decimals exactly, which binary fractions would not.
    // Sizes and densities are held below 2^20 so the products stay inside 64 bits.
    constexpr std::int64_t kLimit = 1 << 20;
    const std::int64_t absSize = std::min<std::int64_t>(std::llabs(static_cast<std::int64_t>(size)), kLimit);
    const std::int64_t numerator = absSize * std::min<std::int64_t>(screenDpi, kLimit) * 2540;
    const std::int64_t denominator = 72 * std::min<std::int64_t>(printerDpi, kLimit);
    const std::int64_t hundredths = (2 * numerator + denominator) / (2 * denominator);
    // m / 25.4 * 72 = hundredths * 72 / 2540, truncated.
    return static_cast<int>(std::min<std::int64_t>(hundredths * 72 / 2540, std::numeric_limits<int>::max()));
}

int effectiveDotDensity(const QByteArray& settingText)
{
    const int density = textToInt(settingText);
    return density > 0 ? density : kDefaultDotDensity;
}

bool isSkippedOnPrint(int left, int top, QSize labelPixels)
{
    return left >= labelPixels.width() && top >= labelPixels.height();
}

QPointF textStartPoint(QPointF position, int angle, qreal w, qreal h)
{
    switch (angle) {
    case 900:
        return position + QPointF(0, w);
    case 1800:
        return position + QPointF(w, h);
    case 2700:
        return position + QPointF(h, 0);
    default:
        return position;
    }
}

PagePlan planPage(QSize labelPixels, int orientation)
{
    const int longer = qMax(labelPixels.width(), labelPixels.height());
    const int shorter = qMin(labelPixels.width(), labelPixels.height());
    PagePlan plan;
    if (isLandscapeSetting(orientation)) {
        plan.pagePixels = QSize(longer, shorter);
        plan.labelTurned = labelPixels.width() < labelPixels.height();
    } else {
        plan.pagePixels = QSize(shorter, longer);
        plan.labelTurned = labelPixels.width() > labelPixels.height();
    }
    return plan;
}
