#include "printing/label_snapshot.h"

#include "document/bitmap.h"
#include "document/label_document.h"

#include <QWidget>

namespace {

bool isPictureSize(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxBitmapSide
        && size.height() <= kMaxBitmapSide;
}

// Rendered into an image of the device-independent size: a grab would follow the screen's pixel
// ratio and give two pixels per design pixel on a scaled display.
QImage rendered(QWidget& widget, const QRect& area)
{
    QImage image(area.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(area), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

} // namespace

QImage controlSnapshot(QWidget& control)
{
    if (!isPictureSize(control.size()))
        return QImage();
    return rendered(control, control.rect());
}

QImage labelSurfaceSnapshot(const LabelDocument& document)
{
    QWidget* surface = document.labelSurface();
    QWidget* client = surface ? surface->parentWidget() : nullptr;
    if (!client || !isPictureSize(surface->size()))
        return QImage();
    QWidget* handle = client->findChild<QWidget*>(QStringLiteral("放大按钮"), Qt::FindDirectChildrenOnly);
    const bool handleShown = handle && !handle->isHidden();
    if (handleShown)
        handle->hide();
    const QImage image = rendered(*client, surface->geometry());
    if (handleShown)
        handle->show();
    return image;
}
