#pragma once

#include "files/label_file.h"

#include <QByteArray>

#include <optional>

class LabelDocument;
class PictureControl;

// What an image element shows at this moment, stretching and rotation included: its width ×
// height pixels as a 24-bit BMP file (bottom row first, rows padded to 4 bytes, pixels at offset
// 54, no palette). Empty when the control has no pixels, or a side beyond kMaxBitmapSide.
QByteArray shownPictureBmp(PictureControl& control);

// The live document as the label file writer takes it: the label surface's size, the image
// elements with their geometry, kind letter, content and shown picture, the text elements with
// their geometry, font and content, each table in its order. None when an image element is too
// big for a picture (a side beyond kMaxBitmapSide), so that a save never stores an element
// without the picture it shows; one of no size shows nothing and is stored with an empty picture.
std::optional<LabelDescription> describeLabel(const LabelDocument& document);

// The whole label file of the live document; empty when it cannot be written (a picture that
// cannot be taken, or a file that would pass 2 GiB).
QByteArray encodeLabelFile(const LabelDocument& document);
