#include "document/edit_rules.h"

QRect clampToEditArea(QRect element, const EditArea& area)
{
    int left = element.x();
    int top = element.y();
    const int width = element.width();
    const int height = element.height();
    if (top < area.topLimit)
        top = area.topLimit;
    if (left < area.leftLimit)
        left = area.leftLimit;
    if (top > area.bottomLimit - height)
        top = area.bottomLimit - height;
    if (left > area.rightLimit - width)
        left = area.rightLimit - width - 20;
    return QRect(left, top, width, height);
}

QRect nudged(QRect element, NudgeKey key)
{
    switch (key) {
    case NudgeKey::Left: return element.translated(-1, 0);
    case NudgeKey::Right: return element.translated(1, 0);
    case NudgeKey::Up: return element.translated(0, -1);
    case NudgeKey::Down: return element.translated(0, 1);
    }
    return element;
}

QPoint handlePlace(QRect element)
{
    return QPoint(element.x() + element.width(), element.y() + element.height());
}

HandleResize resizeByHandle(QRect element, QPoint handleTopLeft)
{
    HandleResize result{QSize(handleTopLeft.x() - element.x(), handleTopLeft.y() - element.y()), handleTopLeft};
    if (handleTopLeft.x() < element.x() + kMinimumSide) {
        result.elementSize.setWidth(kMinimumSide);
        result.handleTopLeft.setX(element.x() + kMinimumSide);
    }
    if (handleTopLeft.y() < element.y() + kMinimumSide) {
        result.elementSize.setHeight(kMinimumSide);
        result.handleTopLeft.setY(element.y() + kMinimumSide);
    }
    return result;
}
