#include "document/picture_control.h"

#include <QPainter>

PictureControl::PictureControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureControl::setPicture(const QByteArray& bmpBytes)
{
    bytes_ = bmpBytes;
    image_ = bmpBytes.isEmpty() ? QImage() : QImage::fromData(bmpBytes, "BMP");
    update();
}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!image_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), image_);
    }
    if (framed_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
