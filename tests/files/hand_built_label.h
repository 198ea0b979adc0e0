#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// Label file bytes put together straight from the format's tables, without the writer: the
// expectations that the writer is compared with byte for byte.

QByteArray le32(std::uint32_t value);
// 0D 0F 3E 03, n, then zlib's own one-shot stream at the default level; empty data: 8 bytes.
QByteArray handBlock(const QByteArray& data);
// A block whose stated length n is not the data's.
QByteArray handBlockStating(const QByteArray& data, std::uint32_t statedLength);

QByteArray handImageRecord(char letter, std::uint32_t left, std::uint32_t top, std::uint32_t width,
    std::uint32_t height, const QByteArray& contentBlock, const QByteArray& pictureBlock);
QByteArray handTextRecord(std::uint32_t left, std::uint32_t top, std::uint32_t width, std::uint32_t height,
    const QByteArray& propertyBlock);
// Magic, width, height, P, T, the offset table (each record's place in the body), the body.
QByteArray handLabel(std::uint32_t width, std::uint32_t height, const std::vector<QByteArray>& imageRecords,
    const std::vector<QByteArray>& textRecords);

// A UTF-8 literal as GBK bytes.
QByteArray gbk(const char* utf8);
