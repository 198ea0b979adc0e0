#include "document/picture_control.h"

#include <QPainter>

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {}

void PictureControl::setPicture(const QByteArray& bmpBytes)
{
    bytes_ = bmpBytes;
    image_ = bmpBytes.isEmpty() ? QImage() : QImage::fromData(bmpBytes, "BMP");
    shown_ = QPixmap();
    update();
}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(rect(), background_);
    } else {
        // The picture stretched to the control's size, made once per size: a drag repaints often.
        // Each pixel is copied, never blended: a barcode or QR code must stay black and white.
        if (shown_.size() != size()) {
            shown_ = QPixmap::fromImage(image_.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
        }
        painter.drawPixmap(0, 0, shown_);
    }
    if (framed_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
