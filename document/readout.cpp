#include "document/readout.h"

#include "document/units.h"
#include "platform/gbk.h"

QString readoutText(int tag, std::optional<QRect> element, int leftRulerWidth, int topRulerTop,
                    const std::optional<QByteArray>& content)
{
    int px = 0;
    int py = 0;
    int pw = 0;
    int ph = 0;
    if (element) {
        px = element->x() - leftRulerWidth;
        py = element->y() - topRulerTop - 24;
        pw = element->width();
        ph = element->height();
    }
    const auto mm = [](int pixels) { return QString::fromLatin1(formatPixelsAsMm(pixels)); };
    return QStringLiteral("pi= ") + QString::number(tag) + QStringLiteral(" ,px= ") + mm(px)
        + QStringLiteral(" mm,py= ") + mm(py) + QStringLiteral(" mm,pw= ") + mm(pw)
        + QStringLiteral(" mm,ph= ") + mm(ph) + QStringLiteral(" mm,pv= ")
        + (content ? fromGbk(*content) : QString());
}

QString windowTitle(const QString& filePath)
{
    if (filePath.isEmpty())
        return QStringLiteral("Vortelle器 [ 未命名 ]");
    return QStringLiteral("Vortelle器 [ ") + filePath + QStringLiteral(" ]");
}
