#pragma once

#include <QImage>

class LabelDocument;
class QWidget;

// The label surface 标签模版 with every element over it, as the editor shows it, one pixel per
// design pixel whatever the display's scaling. The selection handle is an editing aid, not part of
// the label, and is left out. Null when the surface has no size or is larger than a picture may be.
QImage labelSurfaceSnapshot(const LabelDocument& document);

// A control as shown, at its own width and height in pixels; null when it has no size or is
// larger than a picture may be.
QImage controlSnapshot(QWidget& control);
