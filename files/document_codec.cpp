#include "files/document_codec.h"

#include "document/bitmap.h"
#include "document/bmp_file.h"
#include "document/drawing_canvas.h"
#include "document/label_document.h"
#include "document/picture_control.h"

#include <QImage>
#include <QPainter>

namespace {

QByteArray contentOf(const LabelDocument& document, const QWidget* control)
{
    const ContentRecord* record = document.findContent(LabelDocument::tagOf(control));
    return record ? record->content : QByteArray();
}

} // namespace

QByteArray shownPictureBmp(PictureControl& control)
{
    const int width = control.width();
    const int height = control.height();
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        return {};
    // The control paints itself into the image as it paints on screen: the same stretching, the
    // same picture, whatever the control shows.
    QImage shown(width, height, QImage::Format_RGB32);
    shown.fill(Qt::white);
    control.render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);

    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.depth = 24;
    const int stride = bitmap.stride();
    bitmap.pixels.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        std::uint8_t* row = bitmap.pixels.data() + static_cast<std::size_t>(stride) * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(qBlue(source[x]));
            row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(source[x]));
            row[3 * x + 2] = static_cast<std::uint8_t>(qRed(source[x]));
        }
    }
    return toBmpBytes(bitmap);
}

std::optional<LabelDescription> describeLabel(const LabelDocument& document)
{
    LabelDescription label;
    if (const QWidget* surface = document.labelSurface()) {
        label.width = surface->width();
        label.height = surface->height();
    }
    label.images.reserve(static_cast<std::size_t>(document.imageElements().size()));
    for (PictureControl* control : document.imageElements()) {
        ImageRecord image;
        image.kindLetter = kindLetterOfTag(LabelDocument::tagOf(control));
        image.left = control->x();
        image.top = control->y();
        image.width = control->width();
        image.height = control->height();
        image.content = contentOf(document, control);
        if (image.width > kMaxBitmapSide || image.height > kMaxBitmapSide)
            return std::nullopt;
        image.picture = shownPictureBmp(*control);
        label.images.push_back(std::move(image));
    }
    label.texts.reserve(static_cast<std::size_t>(document.textElements().size()));
    for (const DrawingCanvas* canvas : document.textElements()) {
        TextDescription text;
        text.left = canvas->x();
        text.top = canvas->y();
        text.width = canvas->width();
        text.height = canvas->height();
        text.font = canvas->elementFont();
        text.content = contentOf(document, canvas);
        label.texts.push_back(std::move(text));
    }
    return label;
}

QByteArray encodeLabelFile(const LabelDocument& document)
{
    const std::optional<LabelDescription> label = describeLabel(document);
    if (!label)
        return {};
    return encodeLabelFile(*label);
}
