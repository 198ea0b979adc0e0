#include "tests/codes/picture_probe.h"

#include <QFile>

QImage readBmp(const QByteArray& bytes)
{
    return QImage::fromData(bytes, "BMP");
}

quint32 bmpField32(const QByteArray& bytes, int offset)
{
    if (offset < 0 || offset + 4 > bytes.size()) {
        return 0;
    }
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

quint16 bmpField16(const QByteArray& bytes, int offset)
{
    if (offset < 0 || offset + 2 > bytes.size()) {
        return 0;
    }
    return static_cast<quint16>(static_cast<unsigned char>(bytes[offset])
                                | (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return {};
    }
    return path;
}
