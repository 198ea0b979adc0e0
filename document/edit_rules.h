#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Pure rules of editing on element rectangles in main-window client pixels.

// The limits of a finished move, read at that moment.
struct EditArea {
    int leftLimit = 0;   // left of the top ruler (the label origin's x)
    int topLimit = 0;    // top of the left ruler (the label origin's y)
    int bottomLimit = 0; // top of the status bar
    int rightLimit = 0;  // the main window's outer width
};

// The four corrections in order, each on the values left by the one before. The last leaves 20
// pixels more than its test needs, and an element bigger than the area ends above or left of the
// label, because the later corrections win.
QRect clampToEditArea(QRect element, const EditArea& area);

enum class NudgeKey { Left, Right, Up, Down };

// One pixel in the key's direction.
QRect nudged(QRect element, NudgeKey key);

// The resize handle's top-left corner sits on the element's bottom-right corner.
QPoint handlePlace(QRect element);

struct HandleResize {
    QSize elementSize;
    QPoint handleTopLeft;
};

// The element's size after its handle was dropped at handleTopLeft: the element's top-left corner
// stays, and neither side gets shorter than kMinimumSide.
HandleResize resizeByHandle(QRect element, QPoint handleTopLeft);

inline constexpr int kMinimumSide = 10;
