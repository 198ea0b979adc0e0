#pragma once

#include "document/bitmap.h"

#include <QByteArray>
#include <QString>

// Reads a Windows BMP file: at least 54 bytes, "BM", a stored file size not above the real one,
// a 40-byte or 12-byte header, uncompressed. Anything else fails and leaves the bitmap untouched.
bool loadBmpFile(Bitmap& bitmap, const QString& path);
bool loadBmpBytes(Bitmap& bitmap, const QByteArray& bytes);

// "BM", file size, 0, offset of the pixels, the 40-byte header, the colour table, the rows bottom
// row first, each padded to 4 bytes. Empty when there is no picture.
QByteArray toBmpBytes(const Bitmap& bitmap);
