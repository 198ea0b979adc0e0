#include "document/bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

namespace {

bool isSupportedDepth(int depth)
{
    switch (depth) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

bool isSupportedSide(int side)
{
    return side >= 1 && side <= kMaxBitmapSide;
}

// The row length in 64-bit arithmetic, for any non-negative width and supported depth.
std::size_t rowBytes(int width, int depth)
{
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(depth) + 31) / 32) * 4;
}

int redOf(Colour c)
{
    return static_cast<int>(c & 0xFF);
}

int greenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}

int blueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

Colour rgb(int red, int green, int blue)
{
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}

int distance(Colour a, Colour b)
{
    const int dr = redOf(a) - redOf(b);
    const int dg = greenOf(a) - greenOf(b);
    const int db = blueOf(a) - blueOf(b);
    return dr * dr + dg * dg + db * db;
}

// Only the entries a pixel of the depth can address take part.
std::size_t usableEntries(const Bitmap& bitmap)
{
    return std::min<std::size_t>(bitmap.colourTable.size(), std::size_t { 1 } << bitmap.depth);
}

std::uint32_t nearestIndex(const Bitmap& bitmap, Colour colour)
{
    const std::size_t count = usableEntries(bitmap);
    std::uint32_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < count; ++i) {
        const int d = distance(bitmap.colourTable[i], colour);
        if (d < bestDistance) {
            best = static_cast<std::uint32_t>(i);
            bestDistance = d;
            if (d == 0)
                break;
        }
    }
    return best;
}

// What a pixel of the bitmap stores for the colour: a table index up to 8 bits, 5-5-5 at 16 bits, the
// colour itself above. Needs a valid depth and, up to 8 bits, a non-empty table.
std::uint32_t storedValue(const Bitmap& bitmap, Colour colour)
{
    switch (bitmap.depth) {
    case 16:
        return static_cast<std::uint32_t>(((redOf(colour) >> 3) << 10) | ((greenOf(colour) >> 3) << 5)
                                          | (blueOf(colour) >> 3));
    case 24:
    case 32:
        return colour & 0xFFFFFF;
    default:
        return nearestIndex(bitmap, colour);
    }
}

int expandFiveBits(std::uint32_t v)
{
    return static_cast<int>((v << 3) | (v >> 2));
}

Colour colourOfValue(const Bitmap& bitmap, std::uint32_t value)
{
    switch (bitmap.depth) {
    case 16:
        return rgb(expandFiveBits((value >> 10) & 0x1F), expandFiveBits((value >> 5) & 0x1F),
                   expandFiveBits(value & 0x1F));
    case 24:
    case 32:
        return value;
    default:
        return value < bitmap.colourTable.size() ? bitmap.colourTable[value] & 0xFFFFFF : 0;
    }
}

template <int Depth>
std::uint32_t readValue(const std::uint8_t* row, int x)
{
    if constexpr (Depth == 1) {
        return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    } else if constexpr (Depth == 4) {
        return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu;
    } else if constexpr (Depth == 8) {
        return row[x];
    } else if constexpr (Depth == 16) {
        const std::uint8_t* p = row + 2 * static_cast<std::size_t>(x);
        return p[0] | (static_cast<std::uint32_t>(p[1]) << 8);
    } else {
        const std::uint8_t* p = row + (Depth / 8) * static_cast<std::size_t>(x);
        return p[2] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[0]) << 16);
    }
}

template <int Depth>
void writeValue(std::uint8_t* row, int x, std::uint32_t value)
{
    if constexpr (Depth == 1) {
        const auto mask = static_cast<std::uint8_t>(0x80u >> (x & 7));
        if (value)
            row[x >> 3] |= mask;
        else
            row[x >> 3] &= static_cast<std::uint8_t>(~mask);
    } else if constexpr (Depth == 4) {
        const int shift = (x & 1) ? 0 : 4;
        std::uint8_t& byte = row[x >> 1];
        byte = static_cast<std::uint8_t>((byte & ~(0xF << shift)) | ((value & 0xF) << shift));
    } else if constexpr (Depth == 8) {
        row[x] = static_cast<std::uint8_t>(value);
    } else if constexpr (Depth == 16) {
        std::uint8_t* p = row + 2 * static_cast<std::size_t>(x);
        p[0] = static_cast<std::uint8_t>(value);
        p[1] = static_cast<std::uint8_t>(value >> 8);
    } else {
        std::uint8_t* p = row + (Depth / 8) * static_cast<std::size_t>(x);
        p[0] = static_cast<std::uint8_t>(value >> 16);
        p[1] = static_cast<std::uint8_t>(value >> 8);
        p[2] = static_cast<std::uint8_t>(value);
        if constexpr (Depth == 32)
            p[3] = 0;
    }
}

// Calls f with the depth as a compile-time constant, so the pixel loops need no switch per pixel.
template <typename F>
void withDepth(int depth, F&& f)
{
    switch (depth) {
    case 1:
        f(std::integral_constant<int, 1> {});
        break;
    case 4:
        f(std::integral_constant<int, 4> {});
        break;
    case 8:
        f(std::integral_constant<int, 8> {});
        break;
    case 16:
        f(std::integral_constant<int, 16> {});
        break;
    case 24:
        f(std::integral_constant<int, 24> {});
        break;
    case 32:
        f(std::integral_constant<int, 32> {});
        break;
    default:
        break;
    }
}

// A zeroed bitmap of the size, depth and table; false when the pixels cannot be had.
bool makeBlank(Bitmap& out, int width, int height, int depth, std::vector<Colour> table)
{
    out = Bitmap {};
    try {
        out.pixels.assign(rowBytes(width, depth) * static_cast<std::size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    out.width = width;
    out.height = height;
    out.depth = depth;
    out.colourTable = std::move(table);
    return true;
}

std::uint8_t* rowOf(Bitmap& bitmap, int y)
{
    return bitmap.pixels.data() + rowBytes(bitmap.width, bitmap.depth) * static_cast<std::size_t>(y);
}

const std::uint8_t* rowOf(const Bitmap& bitmap, int y)
{
    return bitmap.pixels.data() + rowBytes(bitmap.width, bitmap.depth) * static_cast<std::size_t>(y);
}

// Sets the pixels x0 to x1 - 1 of a row to a stored value; the bytes outside them stay as they are.
void fillSpan(std::uint8_t* row, int depth, int x0, int x1, std::uint32_t value)
{
    if (x0 >= x1)
        return;
    switch (depth) {
    case 1: {
        const int first = x0 >> 3;
        const int last = (x1 - 1) >> 3;
        const auto headMask = static_cast<std::uint8_t>(0xFFu >> (x0 & 7));
        const auto tailMask = static_cast<std::uint8_t>(0xFFu << (7 - ((x1 - 1) & 7)));
        const std::uint8_t ink = value ? 0xFF : 0x00;
        auto put = [&](int i, std::uint8_t mask) {
            row[i] = static_cast<std::uint8_t>((row[i] & ~mask) | (ink & mask));
        };
        if (first == last) {
            put(first, static_cast<std::uint8_t>(headMask & tailMask));
            return;
        }
        put(first, headMask);
        std::memset(row + first + 1, ink, static_cast<std::size_t>(last - first - 1));
        put(last, tailMask);
        return;
    }
    case 8:
        std::memset(row + x0, static_cast<int>(value), static_cast<std::size_t>(x1 - x0));
        return;
    case 4:
        for (int x = x0; x < x1; ++x)
            writeValue<4>(row, x, value);
        return;
    default:
        withDepth(depth, [&](auto d) {
            constexpr int bytes = decltype(d)::value / 8;
            if constexpr (bytes >= 2) {
                writeValue<decltype(d)::value>(row, x0, value);
                std::uint8_t* first = row + bytes * static_cast<std::size_t>(x0);
                for (int x = x0 + 1; x < x1; ++x)
                    std::memcpy(first + bytes * static_cast<std::size_t>(x - x0), first, bytes);
            }
        });
        return;
    }
}

struct Source {
    int x;
    int y;
};

// Builds the w x h result whose pixel (x, y) takes the value of the source pixel place(x, y).
template <typename Place>
Bitmap remap(const Bitmap& source, int width, int height, Place place)
{
    Bitmap out;
    if (!makeBlank(out, width, height, source.depth, source.colourTable))
        return {};
    withDepth(source.depth, [&](auto d) {
        constexpr int depth = decltype(d)::value;
        for (int y = 0; y < height; ++y) {
            std::uint8_t* row = rowOf(out, y);
            for (int x = 0; x < width; ++x) {
                const Source s = place(x, y);
                writeValue<depth>(row, x, readValue<depth>(rowOf(source, s.y), s.x));
            }
        }
    });
    return out;
}

// An 8 x 8 block of bits, row i in byte 7 - i of the word and column 0 in the top bit of a byte,
// mirrored about its diagonal.
std::uint64_t transposeBits(std::uint64_t x)
{
    std::uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAull;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCull;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ull;
    x ^= t ^ (t << 28);
    return x;
}

// The quarter turn of a 1-bit picture eight by eight pixels at a time (vertical barcodes are made so).
// Output byte k of row r holds the pixels of source column r from source row height - 1 - 8k upwards.
Bitmap quarterTurnOneBit(const Bitmap& source)
{
    const int w = source.width;
    const int h = source.height;
    Bitmap out;
    if (!makeBlank(out, h, w, 1, source.colourTable))
        return {};
    const std::size_t inStride = rowBytes(w, 1);
    const std::size_t outStride = rowBytes(h, 1);
    const int outBytes = (h + 7) / 8;
    const int inBytes = (w + 7) / 8;
    for (int k = 0; k < outBytes; ++k) {
        const int topRow = h - 1 - 8 * k;
        for (int bx = 0; bx < inBytes; ++bx) {
            std::uint64_t block = 0;
            for (int i = 0; i < 8; ++i) {
                const int y = topRow - i;
                const std::uint8_t byte = y >= 0 ? source.pixels[inStride * static_cast<std::size_t>(y) + bx] : 0;
                block = (block << 8) | byte;
            }
            block = transposeBits(block);
            for (int j = 0; j < 8; ++j) {
                const int r = 8 * bx + j;
                if (r < w)
                    out.pixels[outStride * static_cast<std::size_t>(r) + k]
                        = static_cast<std::uint8_t>(block >> (8 * (7 - j)));
            }
        }
    }
    return out;
}

Bitmap halfTurn(const Bitmap& source)
{
    const int w = source.width;
    const int h = source.height;
    return remap(source, w, h, [w, h](int x, int y) { return Source { w - 1 - x, h - 1 - y }; });
}

Bitmap threeQuarterTurn(const Bitmap& source)
{
    // The pixel at (x, y) moves to (y, old width - 1 - x).
    const int w = source.width;
    return remap(source, source.height, w, [w](int x, int y) { return Source { w - 1 - y, x }; });
}

} // namespace

bool isValidBitmap(const Bitmap& bitmap)
{
    if (!isSupportedSide(bitmap.width) || !isSupportedSide(bitmap.height) || !isSupportedDepth(bitmap.depth))
        return false;
    if (bitmap.depth <= 8 && bitmap.colourTable.empty())
        return false;
    return bitmap.pixels.size() >= rowBytes(bitmap.width, bitmap.depth) * static_cast<std::size_t>(bitmap.height);
}

std::vector<Colour> defaultColourTable(int depth)
{
    switch (depth) {
    case 1:
        return { kBlack, kWhite };
    case 4:
        return { 0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF };
    case 8: {
        std::vector<Colour> table;
        table.reserve(256);
        for (int b = 0; b < 6; ++b)
            for (int g = 0; g < 6; ++g)
                for (int r = 0; r < 6; ++r)
                    table.push_back(rgb(51 * r, 51 * g, 51 * b));
        for (int n = 1; n < 45; ++n) {
            if (n % 9 == 0)
                continue; // a grey of the cube
            const int level = (255 * n + 22) / 45;
            table.push_back(rgb(level, level, level));
        }
        return table;
    }
    default:
        return {};
    }
}

bool createBitmap(Bitmap& bitmap, int width, int height, int depth, Colour fill)
{
    if (!isSupportedSide(width) || !isSupportedSide(height) || !isSupportedDepth(depth))
        return false;
    Bitmap made;
    if (!makeBlank(made, width, height, depth, defaultColourTable(depth)))
        return false;
    const std::uint32_t value = storedValue(made, fill);
    if (value != 0) {
        const std::size_t stride = rowBytes(width, depth);
        fillSpan(made.pixels.data(), depth, 0, width, value);
        for (int y = 1; y < height; ++y)
            std::memcpy(made.pixels.data() + stride * static_cast<std::size_t>(y), made.pixels.data(), stride);
    }
    bitmap = std::move(made);
    return true;
}

namespace {

// Every case but the black and white fast path of setPixel; x and y are inside the picture.
[[gnu::noinline]] bool setPixelSlowly(Bitmap& bitmap, int x, int y, Colour colour)
{
    if (!isSupportedDepth(bitmap.depth) || (bitmap.depth <= 8 && bitmap.colourTable.empty()))
        return false;
    const std::size_t rowStart = rowBytes(bitmap.width, bitmap.depth) * static_cast<std::size_t>(y);
    const std::size_t end = rowStart + (static_cast<std::size_t>(x + 1) * bitmap.depth + 7) / 8;
    if (end > bitmap.pixels.size())
        return false;
    const std::uint32_t value = storedValue(bitmap, colour);
    withDepth(bitmap.depth,
              [&](auto d) { writeValue<decltype(d)::value>(bitmap.pixels.data() + rowStart, x, value); });
    return true;
}

} // namespace

bool setPixel(Bitmap& bitmap, int x, int y, Colour colour)
{
    if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height)
        return false;
    // Barcodes are drawn pixel by pixel into black and white pictures: when the colour is one of the two
    // entries this path needs no table search and no call.
    if (bitmap.depth == 1 && bitmap.colourTable.size() == 2) {
        const Colour* table = bitmap.colourTable.data();
        if (colour == table[0] || colour == table[1]) {
            const std::size_t offset = ((static_cast<std::size_t>(bitmap.width) + 31) / 32) * 4
                    * static_cast<std::size_t>(y) + static_cast<std::size_t>(x >> 3);
            if (offset >= bitmap.pixels.size())
                return false;
            const auto mask = static_cast<std::uint8_t>(0x80u >> (x & 7));
            std::uint8_t& byte = bitmap.pixels.data()[offset];
            byte = colour == table[1] ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
            return true;
        }
    }
    return setPixelSlowly(bitmap, x, y, colour);
}

Colour pixelColour(const Bitmap& bitmap, int x, int y)
{
    if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height || !isSupportedDepth(bitmap.depth))
        return 0;
    const std::size_t rowStart = rowBytes(bitmap.width, bitmap.depth) * static_cast<std::size_t>(y);
    const std::size_t end = rowStart + (static_cast<std::size_t>(x + 1) * bitmap.depth + 7) / 8;
    if (end > bitmap.pixels.size())
        return 0;
    std::uint32_t value = 0;
    withDepth(bitmap.depth,
              [&](auto d) { value = readValue<decltype(d)::value>(bitmap.pixels.data() + rowStart, x); });
    return colourOfValue(bitmap, value);
}

bool fillRect(Bitmap& bitmap, int x, int y, int w, int h, Colour colour)
{
    if (!isValidBitmap(bitmap) || w < 0 || h < 0 || x < 0 || y < 0)
        return false;
    if (static_cast<long long>(x) + w > bitmap.width || static_cast<long long>(y) + h > bitmap.height)
        return false;
    if (w == 0 || h == 0)
        return true;
    const std::uint32_t value = storedValue(bitmap, colour);
    const std::size_t stride = rowBytes(bitmap.width, bitmap.depth);
    std::uint8_t* row = bitmap.pixels.data() + stride * static_cast<std::size_t>(y);
    if (bitmap.depth == 1) {
        // Bars of barcodes: the edge masks and the run of whole bytes are the same for every row.
        const int first = x >> 3;
        const int last = (x + w - 1) >> 3;
        auto headMask = static_cast<std::uint8_t>(0xFFu >> (x & 7));
        const auto tailMask = static_cast<std::uint8_t>(0xFFu << (7 - ((x + w - 1) & 7)));
        if (first == last)
            headMask &= tailMask;
        const auto wholeBytes = static_cast<std::size_t>(std::max(last - first - 1, 0));
        const std::uint8_t ink = value ? 0xFF : 0x00;
        auto put = [ink](std::uint8_t& byte, std::uint8_t mask) {
            byte = static_cast<std::uint8_t>((byte & ~mask) | (ink & mask));
        };
        for (int i = 0; i < h; ++i, row += stride) {
            put(row[first], headMask);
            if (last != first) {
                if (wholeBytes == 1)
                    row[first + 1] = ink; // a call to memset would cost more than the byte
                else if (wholeBytes != 0)
                    std::memset(row + first + 1, ink, wholeBytes);
                put(row[last], tailMask);
            }
        }
        return true;
    }
    for (int i = 0; i < h; ++i, row += stride)
        fillSpan(row, bitmap.depth, x, x + w, value);
    return true;
}

Bitmap convertBitDepth(const Bitmap& bitmap, int depth)
{
    if (!isValidBitmap(bitmap) || !isSupportedDepth(depth))
        return {};
    // The same depth gives a copy, but a 1-bit result always has the table black, white: a 1-bit source with
    // other colours (an inverted or coloured table) is reduced to black and white like any other picture.
    if (depth == bitmap.depth && (depth != 1 || bitmap.colourTable == defaultColourTable(1)))
        return bitmap;
    Bitmap out;
    if (!makeBlank(out, bitmap.width, bitmap.height, depth, defaultColourTable(depth)))
        return {};

    // A table source has at most 256 colours: map each index once.
    std::vector<std::uint32_t> valueOfIndex;
    if (bitmap.depth <= 8) {
        valueOfIndex.resize(std::size_t { 1 } << bitmap.depth);
        for (std::size_t i = 0; i < valueOfIndex.size(); ++i)
            valueOfIndex[i] = storedValue(out, colourOfValue(bitmap, static_cast<std::uint32_t>(i)));
    }
    withDepth(bitmap.depth, [&](auto from) {
        constexpr int fromDepth = decltype(from)::value;
        withDepth(depth, [&](auto to) {
            constexpr int toDepth = decltype(to)::value;
            Colour lastColour = colourOfValue(bitmap, 0);
            std::uint32_t lastValue = storedValue(out, lastColour);
            for (int y = 0; y < bitmap.height; ++y) {
                const std::uint8_t* in = rowOf(bitmap, y);
                std::uint8_t* row = rowOf(out, y);
                for (int x = 0; x < bitmap.width; ++x) {
                    const std::uint32_t value = readValue<fromDepth>(in, x);
                    std::uint32_t stored;
                    if constexpr (fromDepth <= 8) {
                        stored = valueOfIndex[value];
                    } else {
                        const Colour colour = colourOfValue(bitmap, value);
                        if (colour != lastColour) {
                            lastColour = colour;
                            lastValue = storedValue(out, colour);
                        }
                        stored = lastValue;
                    }
                    writeValue<toDepth>(row, x, stored);
                }
            }
        });
    });
    return out;
}

Bitmap rotateQuarterTurn(const Bitmap& bitmap)
{
    if (!isValidBitmap(bitmap))
        return {};
    if (bitmap.depth == 1)
        return quarterTurnOneBit(bitmap);
    const int h = bitmap.height;
    // The pixel at (x, y) moves to (old height - 1 - y, x).
    return remap(bitmap, h, bitmap.width, [h](int x, int y) { return Source { y, h - 1 - x }; });
}

Bitmap rotateByAngle(const Bitmap& bitmap, float angleDegrees, Colour background)
{
    if (!isValidBitmap(bitmap) || !std::isfinite(angleDegrees))
        return {};

    // The general arithmetic below uses a truncated degree-to-radian constant and truncates toward zero;
    // at whole quarter turns that puts cos or sin a hair off 0 and the truncation moves half the picture by
    // a pixel (a doubled line through the middle, a lost edge row). Those angles get exact turns instead.
    double turn = std::fmod(static_cast<double>(angleDegrees), 360.0);
    if (turn < 0)
        turn += 360.0;
    if (turn == 0.0)
        return bitmap;
    if (turn == 90.0)
        return rotateQuarterTurn(bitmap);
    if (turn == 180.0)
        return halfTurn(bitmap);
    if (turn == 270.0)
        return threeQuarterTurn(bitmap);

    const double r = angleDegrees * 0.01745329251994;
    const double p = std::cos(r);
    const double q = std::sin(r);
    const int w = bitmap.width;
    const int h = bitmap.height;
    const int xs[] = { 0, static_cast<int>(w * p), static_cast<int>(h * q), static_cast<int>(w * p + h * q) };
    const int ys[] = { 0, static_cast<int>(-w * q), static_cast<int>(h * p), static_cast<int>(h * p - w * q) };
    const auto [minX, maxX] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [minY, maxY] = std::minmax_element(std::begin(ys), std::end(ys));
    const int newWidth = *maxX - *minX;
    const int newHeight = *maxY - *minY;
    if (!isSupportedSide(newWidth) || !isSupportedSide(newHeight))
        return {};

    Bitmap out;
    if (!makeBlank(out, newWidth, newHeight, bitmap.depth, bitmap.colourTable))
        return {};
    const std::uint32_t backgroundValue = storedValue(out, background);
    const int cx = newWidth / 2;
    const int cy = newHeight / 2;
    const int halfW = w / 2;
    const int halfH = h / 2;
    withDepth(bitmap.depth, [&](auto d) {
        constexpr int depth = decltype(d)::value;
        for (int y = 0; y < newHeight; ++y) {
            std::uint8_t* row = rowOf(out, y);
            const int dy = cy - y;
            for (int x = 0; x < newWidth; ++x) {
                const int dx = x - cx;
                const int sx = static_cast<int>(halfW + dx * p - dy * q);
                const int sy = static_cast<int>(halfH - (dx * q + dy * p));
                const bool inside = sx >= 0 && sx < w && sy >= 0 && sy < h;
                writeValue<depth>(row, x, inside ? readValue<depth>(rowOf(bitmap, sy), sx) : backgroundValue);
            }
        }
    });
    return out;
}
