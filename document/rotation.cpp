#include "document/rotation.h"

#include "document/bitmap.h"
#include "document/bmp_file.h"
#include "document/drawing_canvas.h"
#include "document/label_document.h"
#include "document/picture_control.h"
#include "document/text_element.h"

namespace {

void rotateText(LabelDocument& document, int tag, int angle)
{
    DrawingCanvas* canvas = document.findTextElement(tag);
    if (!canvas)
        return;
    document.parkHandle();
    ElementFont font = canvas->elementFont();
    font.angle = angle;
    canvas->setElementFont(font);
    renderTextElement(document, tag);
}

void rotateImage(LabelDocument& document, int tag, int angle)
{
    PictureControl* control = document.findImageElement(tag);
    const QString file = document.elementScratchFile(tag);
    if (!control || file.isEmpty())
        return;
    Bitmap source;
    if (!loadBmpFile(source, file))
        return;
    Bitmap turned;
    if (kindOfTag(tag) == ElementKind::Picture) {
        turned = rotateByAngle(source, static_cast<float>(angle) / 10.0f, kWhite);
    } else {
        // A code reads the same upside down, so it only lies across or along.
        const bool across = angle == 900 || angle == 2700;
        turned = across ? rotateQuarterTurn(source) : rotateByAngle(source, 0.0f, kWhite);
    }
    const QByteArray picture = toBmpBytes(turned);
    // A turn too big for the bitmap operations gives no picture: the element keeps the one it shows.
    if (picture.isEmpty())
        return;
    control->setPicture(picture);
}

} // namespace

void rotateSelectedElement(LabelDocument& document, int angle)
{
    const int tag = document.selectedTag();
    if (isTextTag(tag))
        rotateText(document, tag, angle);
    else if (isImageTag(tag))
        rotateImage(document, tag, angle);
}
