#pragma once

#include <QPoint>
#include <QSize>

// Where a text element's text goes on its canvas, for a text whose one-line extent in the element's
// font is w × h (measured along its own baseline, as if not turned).
struct TextPlacement {
    QSize box;    // the canvas's new size; its top-left corner stays
    QPoint start; // the corner of the first character's cell that is top-left in the text's own orientation
};

// Angle in tenths of a degree, counter-clockwise: 900 reads upwards from the bottom-left corner, 1800
// stands upside down from the bottom-right corner, 2700 reads downwards from the top-right corner; at
// 0 and any other angle the text is written unturned from the top-left corner.
TextPlacement placeText(int angle, QSize extent);
