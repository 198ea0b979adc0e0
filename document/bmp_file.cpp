#include "document/bmp_file.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

namespace {

constexpr qint64 kFileHeaderBytes = 14;
constexpr qint64 kInfoHeaderBytes = 40;
constexpr qint64 kCoreHeaderBytes = 12;
constexpr qint64 kMinFileBytes = 54;
// Everything before the pixels that is ever read: file header, info header, a full 8-bit colour table.
constexpr qint64 kMaxHeadBytes = kFileHeaderBytes + kInfoHeaderBytes + 256 * 4;

std::uint32_t u16At(const uchar* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8);
}

std::uint32_t u32At(const uchar* p)
{
    return u16At(p) | (u16At(p + 2) << 16);
}

std::int32_t i32At(const uchar* p)
{
    return static_cast<std::int32_t>(u32At(p));
}

struct BmpLayout {
    int width = 0;
    int height = 0;
    int depth = 0;
    bool topDown = false;
    std::vector<Colour> colourTable;
    qint64 pixelOffset = 0;
    qint64 rowBytes = 0;
};

// Reads and checks everything up to the pixels. head holds the first min(fileSize, kMaxHeadBytes) bytes.
// Every size is checked against fileSize in 64-bit arithmetic before anything is allocated, so a header
// cannot make the reader reserve more than the file holds.
std::optional<BmpLayout> readLayout(const uchar* head, qint64 headSize, qint64 fileSize)
{
    if (fileSize < kMinFileBytes || headSize < kMinFileBytes)
        return std::nullopt;
    if (head[0] != 'B' || head[1] != 'M')
        return std::nullopt;
    if (u32At(head + 2) > static_cast<std::uint64_t>(fileSize))
        return std::nullopt;
    const qint64 pixelOffset = u32At(head + 10);
    const qint64 headerSize = u32At(head + 14);

    BmpLayout layout;
    qint64 width = 0;
    qint64 height = 0;
    qint64 coloursUsed = 0;
    qint64 entryBytes = 0;
    if (headerSize == kInfoHeaderBytes) {
        width = i32At(head + 18);
        height = i32At(head + 22);
        layout.depth = static_cast<int>(u16At(head + 28));
        if (u32At(head + 30) != 0) // only uncompressed rows: no run lengths, no bit fields
            return std::nullopt;
        coloursUsed = u32At(head + 46);
        entryBytes = 4;
        if (height < 0) {
            layout.topDown = true;
            height = -height;
        }
    } else if (headerSize == kCoreHeaderBytes) {
        width = u16At(head + 18);
        height = u16At(head + 20);
        layout.depth = static_cast<int>(u16At(head + 24));
        entryBytes = 3;
    } else {
        return std::nullopt;
    }
    if (width < 1 || width > kMaxBitmapSide || height < 1 || height > kMaxBitmapSide)
        return std::nullopt;
    switch (layout.depth) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return std::nullopt;
    }
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);

    qint64 entries = 0;
    if (layout.depth <= 8) {
        const qint64 full = qint64 { 1 } << layout.depth;
        if (coloursUsed > full)
            return std::nullopt;
        entries = coloursUsed == 0 ? full : coloursUsed;
    }
    const qint64 tableStart = kFileHeaderBytes + headerSize;
    const qint64 tableEnd = tableStart + entries * entryBytes;
    if (tableEnd > headSize || pixelOffset < tableEnd)
        return std::nullopt;
    layout.colourTable.reserve(static_cast<std::size_t>(entries));
    for (qint64 i = 0; i < entries; ++i) {
        const uchar* e = head + tableStart + i * entryBytes; // blue, green, red[, unused]
        layout.colourTable.push_back(static_cast<Colour>(e[2]) | (static_cast<Colour>(e[1]) << 8)
                                     | (static_cast<Colour>(e[0]) << 16));
    }

    layout.rowBytes = ((width * layout.depth + 31) / 32) * 4;
    if (pixelOffset > fileSize || layout.rowBytes * height > fileSize - pixelOffset)
        return std::nullopt;
    layout.pixelOffset = pixelOffset;
    return layout;
}

// rows holds rowBytes * height bytes in file order.
bool buildBitmap(Bitmap& bitmap, BmpLayout&& layout, const uchar* rows)
{
    Bitmap made;
    const auto stride = static_cast<std::size_t>(layout.rowBytes);
    try {
        made.pixels.resize(stride * static_cast<std::size_t>(layout.height));
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int i = 0; i < layout.height; ++i) {
        const int y = layout.topDown ? i : layout.height - 1 - i;
        std::memcpy(made.pixels.data() + stride * static_cast<std::size_t>(y), rows + stride * i, stride);
    }
    made.width = layout.width;
    made.height = layout.height;
    made.depth = layout.depth;
    made.colourTable = std::move(layout.colourTable);
    bitmap = std::move(made);
    return true;
}

void putU16(QByteArray& out, std::uint32_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void putU32(QByteArray& out, std::uint32_t v)
{
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

} // namespace

bool loadBmpFile(Bitmap& bitmap, const QString& path)
{
    if (path.isEmpty())
        return false; // QFile would complain about it on the console
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return false;
    const qint64 fileSize = file.size();
    const QByteArray head = file.read(std::min(fileSize, kMaxHeadBytes));
    std::optional<BmpLayout> layout = readLayout(reinterpret_cast<const uchar*>(head.constData()),
                                                 head.size(), fileSize);
    if (!layout || !file.seek(layout->pixelOffset))
        return false;
    // Only what the header asks for and the file holds is read.
    const qint64 pixelBytes = layout->rowBytes * layout->height;
    const QByteArray rows = file.read(pixelBytes);
    if (rows.size() != pixelBytes)
        return false;
    return buildBitmap(bitmap, std::move(*layout), reinterpret_cast<const uchar*>(rows.constData()));
}

bool loadBmpBytes(Bitmap& bitmap, const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 size = bytes.size();
    std::optional<BmpLayout> layout = readLayout(data, std::min(size, kMaxHeadBytes), size);
    if (!layout)
        return false;
    const qint64 offset = layout->pixelOffset;
    return buildBitmap(bitmap, std::move(*layout), data + offset);
}

QByteArray toBmpBytes(const Bitmap& bitmap)
{
    if (!isValidBitmap(bitmap))
        return {};
    const std::size_t entries
        = bitmap.depth <= 8 ? std::min<std::size_t>(bitmap.colourTable.size(), std::size_t { 1 } << bitmap.depth)
                            : 0;
    const auto stride = static_cast<std::uint32_t>(bitmap.stride());
    const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(bitmap.height);
    const auto pixelOffset = static_cast<std::uint32_t>(kFileHeaderBytes + kInfoHeaderBytes + 4 * entries);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(pixelOffset) + imageBytes);
    out.append("BM", 2);
    putU32(out, pixelOffset + imageBytes);
    putU32(out, 0);
    putU32(out, pixelOffset);

    putU32(out, kInfoHeaderBytes);
    putU32(out, static_cast<std::uint32_t>(bitmap.width));
    putU32(out, static_cast<std::uint32_t>(bitmap.height)); // positive: bottom row first
    putU16(out, 1); // planes
    putU16(out, static_cast<std::uint32_t>(bitmap.depth));
    putU32(out, 0); // uncompressed
    putU32(out, imageBytes);
    putU32(out, 0); // no resolution is claimed
    putU32(out, 0);
    putU32(out, static_cast<std::uint32_t>(entries));
    putU32(out, 0);

    for (std::size_t i = 0; i < entries; ++i) {
        const Colour c = bitmap.colourTable[i];
        out.append(static_cast<char>((c >> 16) & 0xFF));
        out.append(static_cast<char>((c >> 8) & 0xFF));
        out.append(static_cast<char>(c & 0xFF));
        out.append('\0');
    }
    for (int y = bitmap.height - 1; y >= 0; --y)
        out.append(reinterpret_cast<const char*>(bitmap.pixels.data()) + static_cast<std::size_t>(stride) * y,
                   static_cast<qsizetype>(stride));
    return out;
}
