#include "tests/files/hand_built_label.h"

#include "platform/gbk.h"

#include <zlib.h>

QByteArray le32(std::uint32_t value)
{
    QByteArray bytes;
    for (int k = 0; k < 4; ++k)
        bytes.append(static_cast<char>((value >> (8 * k)) & 0xFF));
    return bytes;
}

QByteArray handBlockStating(const QByteArray& data, std::uint32_t statedLength)
{
    QByteArray block = QByteArray("\x0D\x0F\x3E\x03", 4) + le32(statedLength);
    if (data.isEmpty())
        return block;
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray stream(static_cast<qsizetype>(size), '\0');
    compress2(reinterpret_cast<Bytef*>(stream.data()), &size,
        reinterpret_cast<const Bytef*>(data.constData()), static_cast<uLong>(data.size()),
        Z_DEFAULT_COMPRESSION);
    stream.truncate(static_cast<qsizetype>(size));
    return block + stream;
}

QByteArray handBlock(const QByteArray& data)
{
    return handBlockStating(data, static_cast<std::uint32_t>(data.size()));
}

QByteArray handImageRecord(char letter, std::uint32_t left, std::uint32_t top, std::uint32_t width,
    std::uint32_t height, const QByteArray& contentBlock, const QByteArray& pictureBlock)
{
    return QByteArray(1, letter) + le32(left) + le32(top) + le32(width) + le32(height)
        + le32(static_cast<std::uint32_t>(contentBlock.size()))
        + le32(static_cast<std::uint32_t>(pictureBlock.size())) + contentBlock + pictureBlock;
}

QByteArray handTextRecord(std::uint32_t left, std::uint32_t top, std::uint32_t width, std::uint32_t height,
    const QByteArray& propertyBlock)
{
    return le32(left) + le32(top) + le32(width) + le32(height)
        + le32(static_cast<std::uint32_t>(propertyBlock.size())) + propertyBlock;
}

QByteArray handLabel(std::uint32_t width, std::uint32_t height, const std::vector<QByteArray>& imageRecords,
    const std::vector<QByteArray>& textRecords)
{
    QByteArray table;
    QByteArray body;
    for (const auto* records : { &imageRecords, &textRecords }) {
        for (const QByteArray& record : *records) {
            table += le32(static_cast<std::uint32_t>(body.size()));
            body += record;
        }
    }
    return QByteArray("lab 1.0 ..") + le32(width) + le32(height)
        + le32(static_cast<std::uint32_t>(imageRecords.size()))
        + le32(static_cast<std::uint32_t>(textRecords.size())) + table + body;
}

QByteArray gbk(const char* utf8)
{
    return toGbk(QString::fromUtf8(utf8));
}
