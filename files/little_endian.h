#pragma once

#include <QByteArray>

#include <cstdint>

// Four-byte little-endian integers, least significant byte first.

inline void appendUint32(QByteArray& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
}

// The four bytes at pos read as though the data went on with zero bytes without end: an integer
// wholly beyond the end reads as 0, and one that the end cuts short keeps the bytes that are there
// as its low bytes.
inline std::uint32_t uint32At(const QByteArray& bytes, qint64 pos)
{
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k) {
        const qint64 at = pos + k;
        if (at >= 0 && at < bytes.size())
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << (8 * k);
    }
    return value;
}
