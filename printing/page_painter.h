#pragma once

#include "printing/label_page.h"

#include <QFont>
#include <QString>

class QPainter;

// Draws the label: the pictures in their order, then the texts in theirs, each left off by the
// skip rule. The painter's transform must map label coordinates (0.1 mm) onto its device, turned
// or not; the device's dots per inch give the physical size. Pictures are stretched into their box
// without smoothing and stored losslessly; texts are written at their printer size with the view
// transform switched off, so a font of p points is p/72 inch tall whatever the drawing unit, and
// turned by the font's angle from their starting point.
void paintLabelPage(QPainter& painter, const LabelPage& page);

// The Qt font of an element font at a point size (faces named in GBK).
QFont printFont(const ElementFont& font, int pointSize);

// The painter transform that puts a label of this plan on a page whose device has `dotsPerInch`:
// 0.1 mm units, turned a quarter turn clockwise when the plan says so.
QTransform labelToDevice(const PagePlan& plan, qreal dotsPerInch);
