#pragma once

#include "printing/label_page.h"

#include <QColor>
#include <QImage>

// "黑体" in GBK, the face of a new text element.
inline const QByteArray kHeiti("\xba\xda\xcc\xe5");

inline QImage solidImage(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline PrintedText textAt(int x, int y, const QByteArray& content, int size = 24, int angle = 0)
{
    PrintedText text;
    text.position = QPoint(x, y);
    text.font.angle = angle;
    text.font.bold = true;
    text.font.size = size;
    text.font.faceName = kHeiti;
    text.content = content;
    return text;
}

inline PrintedPicture pictureAt(const QRect& box, const QImage& image)
{
    PrintedPicture picture;
    picture.box = box;
    picture.picture = image;
    return picture;
}

inline LabelPage emptyLabel(int width = 720, int height = 250, int printerDpi = 203)
{
    LabelPage page;
    page.labelPixels = QSize(width, height);
    page.printerDpi = printerDpi;
    page.screenDpi = 96;
    return page;
}

// Label units (0.1 mm) to PDF points.
inline double unitsToPoints(double units)
{
    return units * 72.0 / 254.0;
}
