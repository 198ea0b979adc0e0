#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures are read back with Qt's own BMP reader, independent of the bitmap code that wrote them.
QImage readBmp(const QByteArray& bytes);

inline bool isBlack(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Little-endian fields of a BMP file header.
quint32 bmpField32(const QByteArray& bytes, int offset);
quint16 bmpField16(const QByteArray& bytes, int offset);

// Writes bytes to a file and gives its path; empty on failure.
QString writeFile(const QString& path, const QByteArray& bytes);
