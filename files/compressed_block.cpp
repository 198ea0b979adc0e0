#include "files/compressed_block.h"

#include "files/little_endian.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace {

constexpr char kMagic[] = "\x0D\x0F\x3E\x03";
constexpr qsizetype kMagicSize = 4;
constexpr qsizetype kHeaderSize = 8;

// Room given to the first inflate call when n is large. A block of at most this size gets n + 1
// bytes: one more than an honest stream gives, so it ends without the buffer ever growing.
constexpr qint64 kFirstRoom = 64 * 1024;

// Exactly the size asked for: resize alone would let the array round its capacity up again.
void grow(QByteArray& bytes, qint64 size)
{
    bytes.reserve(static_cast<qsizetype>(size));
    bytes.resize(static_cast<qsizetype>(size));
}

} // namespace

QByteArray compressBlock(const QByteArray& data)
{
    if (data.size() > kMaxBlockLength)
        return {};
    QByteArray block(kMagic, kMagicSize);
    appendUint32(block, static_cast<std::uint32_t>(data.size()));
    if (data.isEmpty())
        return block;

    uLongf room = compressBound(static_cast<uLong>(data.size()));
    block.resize(kHeaderSize + static_cast<qsizetype>(room));
    const int status = compress2(reinterpret_cast<Bytef*>(block.data() + kHeaderSize), &room,
        reinterpret_cast<const Bytef*>(data.constData()), static_cast<uLong>(data.size()),
        Z_DEFAULT_COMPRESSION);
    if (status != Z_OK)
        return {};
    block.truncate(kHeaderSize + static_cast<qsizetype>(room));
    return block;
}

QByteArray decompressBlock(const QByteArray& block)
{
    if (block.size() < kHeaderSize || !block.startsWith(QByteArrayView(kMagic, kMagicSize)))
        return {};
    const qint64 n = uint32At(block, kMagicSize);
    if (n < 1 || n > kMaxBlockLength)
        return {};
    const qint64 limit = 2 * n;

    z_stream stream {};
    if (inflateInit(&stream) != Z_OK)
        return {};

    QByteArray out;
    grow(out, std::min(n + 1, kFirstRoom));
    qint64 produced = 0;
    qint64 consumed = kHeaderSize;
    int status = Z_OK;
    for (;;) {
        if (produced == out.size()) {
            // The buffer holds limit + 1 bytes at most: filling it means the stream gives more
            // than 2 × n.
            if (out.size() > limit)
                break;
            // Doubling, but stopping once at n + 1, so an honest stream fits without waste.
            const qint64 cap = out.size() < n + 1 ? n + 1 : limit + 1;
            grow(out, std::min<qint64>(2 * out.size(), cap));
        }
        const auto inputLeft = std::min<qint64>(block.size() - consumed, UINT_MAX);
        const auto roomLeft = std::min<qint64>(out.size() - produced, UINT_MAX);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.constData() + consumed));
        stream.avail_in = static_cast<uInt>(inputLeft);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
        stream.avail_out = static_cast<uInt>(roomLeft);
        status = inflate(&stream, Z_NO_FLUSH);
        consumed += inputLeft - stream.avail_in;
        produced += roomLeft - stream.avail_out;
        // Anything but progress (a damaged stream, or one cut short: Z_BUF_ERROR) ends it.
        if (status != Z_OK)
            break;
    }
    inflateEnd(&stream);

    if (status != Z_STREAM_END || produced > limit)
        return {};
    out.truncate(static_cast<qsizetype>(produced));
    return out;
}
