#pragma once

#include <QPoint>
#include <QString>

// Status-bar parts 1 to 3: where the pointer is, in millimetres. Positions are in the reporting
// control's pixels.

// Part 1, over the window's background, measured from the label's top-left corner.
QString windowPointerText(QPoint pointer, int leftRulerLeft, int topRulerTop);
// Part 2, over the label surface.
QString labelPointerText(QPoint pointer);
// Part 3, over the top ruler and over the left ruler.
QString topRulerPointerText(int x);
QString leftRulerPointerText(int y);
