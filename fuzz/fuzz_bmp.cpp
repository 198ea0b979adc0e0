#include "document/bitmap.h"
#include "document/bmp_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The reader allocates no more than the input holds; the operations after it are kept to pictures whose
// copies stay small, whatever the sides.
constexpr long long kMaxPixels = 1 << 20;
constexpr long long kMaxCheckedPixels = 1 << 14;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool samePicture(const Bitmap& a, const Bitmap& b)
{
    return a.width == b.width && a.height == b.height && a.depth == b.depth && a.colourTable == b.colourTable
        && a.pixels == b.pixels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     static_cast<qsizetype>(size));
    Bitmap bitmap;
    if (!loadBmpBytes(bitmap, bytes)) {
        check(bitmap.isNull() && bitmap.pixels.empty());
        return 0;
    }
    check(isValidBitmap(bitmap));
    const long long pixels = static_cast<long long>(bitmap.width) * bitmap.height;
    if (pixels > kMaxPixels)
        return 0;

    const Bitmap mono = convertBitDepth(bitmap, 1);
    check(mono.depth == 1 && mono.width == bitmap.width && mono.height == bitmap.height);
    check(mono.colourTable == (std::vector<Colour> { kBlack, kWhite }));

    const Bitmap turned = rotateQuarterTurn(bitmap);
    check(turned.width == bitmap.height && turned.height == bitmap.width && turned.depth == bitmap.depth);
    if (pixels <= kMaxCheckedPixels) {
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x) {
                const Colour c = pixelColour(bitmap, x, y);
                check(pixelColour(turned, bitmap.height - 1 - y, x) == c);
                const Colour m = pixelColour(mono, x, y);
                check(m == kBlack || m == kWhite);
            }
        const float angle = static_cast<float>(data[size - 1]) * 1.5f;
        const Bitmap angled = rotateByAngle(bitmap, angle, kWhite);
        check(angled.isNull() || angled.depth == bitmap.depth);
    }

    const QByteArray written = toBmpBytes(bitmap);
    check(!written.isEmpty());
    Bitmap again;
    check(loadBmpBytes(again, written));
    check(samePicture(again, bitmap));
    check(toBmpBytes(again) == written);
    return 0;
}
