#pragma once

#include <QByteArray>

// A compressed block: the bytes 0D 0F 3E 03, the length n of the data as four little-endian
// bytes, then the data as one zlib stream made at the default level.

// The largest length a block may state; a reader refuses anything longer.
inline constexpr qint64 kMaxBlockLength = 1073741823;

// Empty data gives the 8-byte block with n = 0 and no stream. Data longer than kMaxBlockLength,
// which no reader would take back, and a failed compression give empty bytes.
QByteArray compressBlock(const QByteArray& data);

// The data of a block, or empty bytes when the block is shorter than 8 bytes, lacks the magic,
// states n = 0 or n > kMaxBlockLength, holds a damaged stream, or a stream that does not end
// within 2 × n bytes of output. A stream that ends is taken whole even when it gives more or
// fewer than n bytes; bytes after its end are ignored.
//
// The output grows only as the stream produces it and stops at 2 × n: n comes from the file, and a
// block of a few bytes may claim a billion, so nothing is reserved from n up front.
QByteArray decompressBlock(const QByteArray& block);
