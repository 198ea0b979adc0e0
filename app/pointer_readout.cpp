#include "app/pointer_readout.h"

#include "document/units.h"

namespace {

QString mm(int pixels)
{
    return QString::fromLatin1(formatPixelsAsMm(pixels));
}

} // namespace

QString windowPointerText(QPoint pointer, int leftRulerLeft, int topRulerTop)
{
    return QStringLiteral("wx= ") + mm(pointer.x() - leftRulerLeft - 24) + QStringLiteral(" mm,wy= ")
        + mm(pointer.y() - topRulerTop - 24) + QStringLiteral(" mm");
}

QString labelPointerText(QPoint pointer)
{
    return QStringLiteral("lx= ") + mm(pointer.x()) + QStringLiteral(" mm,ly= ") + mm(pointer.y())
        + QStringLiteral(" mm");
}

QString topRulerPointerText(int x)
{
    return QStringLiteral("sx= ") + mm(x) + QStringLiteral(" mm,sy= 0 mm");
}

QString leftRulerPointerText(int y)
{
    return QStringLiteral("sx= 0 mm,sy= ") + mm(y) + QStringLiteral(" mm");
}
