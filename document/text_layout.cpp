#include "document/text_layout.h"

TextPlacement placeText(int angle, QSize extent)
{
    const int w = extent.width();
    const int h = extent.height();
    switch (angle) {
    case 900: return {QSize(h, w), QPoint(0, w)};
    case 1800: return {QSize(w, h), QPoint(w, h)};
    case 2700: return {QSize(h, w), QPoint(h, 0)};
    default: return {QSize(w, h), QPoint(0, 0)};
    }
}
