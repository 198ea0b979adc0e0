#pragma once

#include <QByteArray>
#include <QPointF>
#include <QSize>

// The rules of a printed label on plain values; no printer, no window.

// Printer dots per inch used when the stored density is not a positive number.
inline constexpr int kDefaultDotDensity = 203;

// The printer font size in points of a text whose font has `size` points on a screen of
// `screenDpi` dots per inch, on a printer of `printerDpi` dots per inch: the millimetres that the
// text's screen pixels would cover as printer dots, rounded to two decimals with halves away from
// zero, turned back into points and truncated. 0 when either density is not positive.
int printFontSize(int size, int screenDpi, int printerDpi);

// The dot density that printing uses for a stored setting text: its leading integer, or 203 when
// that is not a positive number ("abc", "0", "-5"), so the font size never divides by zero.
int effectiveDotDensity(const QByteArray& settingText);

// An element is left off the page only when it lies beyond both the right and the bottom edge of
// the label; one beyond only one of them is drawn at its place, off the paper or not.
// Positions are in label coordinates: pixels (0.1 mm) from the label's top-left corner.
bool isSkippedOnPrint(int left, int top, QSize labelPixels);

// Where a text of width w and height h (measured along its own baseline) is written from, so that
// the turned text fills the element's box at (x, y) as on screen. Angles are tenths of a degree,
// counter-clockwise; the point is the corner of the first character's cell that is top-left in
// the text's own orientation.
QPointF textStartPoint(QPointF position, int angle, qreal w, qreal h);

// The orientation setting: 1 is landscape, any other value portrait.
inline bool isLandscapeSetting(int orientation)
{
    return orientation == 1;
}

// How a label goes onto its page. Landscape gives a page whose longer side runs across, portrait
// one whose longer side runs down; the page is always exactly the label's size, turned or not.
// A label whose shape matches the page is drawn upright; otherwise it is turned a quarter turn
// clockwise, its top edge along the page's right edge, so no orientation cuts it off.
struct PagePlan {
    QSize pagePixels; // width across and height down, in 0.1 mm
    bool labelTurned = false;

    bool operator==(const PagePlan&) const = default;
};

PagePlan planPage(QSize labelPixels, int orientation);
