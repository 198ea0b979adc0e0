#include "codes/qr_picture.h"

#include "document/bitmap.h"
#include "document/bmp_file.h"
#include "platform/gbk.h"

#include <qrencode.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct QrCodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};
using QrCodePtr = std::unique_ptr<QRcode, QrCodeDeleter>;

bool isPlainAscii(const QByteArray& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c != '\0' && static_cast<unsigned char>(c) < 0x80; });
}

QrCodePtr encodeSymbol(const QByteArray& text)
{
    constexpr int anyVersion = 0;
    if (isPlainAscii(text)) {
        // ASCII reads the same in every encoding, so the mixed modes may pack digits and capitals.
        return QrCodePtr(QRcode_encodeString(text.constData(), anyVersion, QR_ECLEVEL_M, QR_MODE_8, 1));
    }
    // Scanners take 8-bit data without an ECI header as UTF-8; GBK bytes would show as mojibake.
    const QByteArray utf8 = fromGbk(text).toUtf8();
    return QrCodePtr(QRcode_encodeData(static_cast<int>(utf8.size()),
                                       reinterpret_cast<const unsigned char*>(utf8.constData()),
                                       anyVersion, QR_ECLEVEL_M));
}

} // namespace

QByteArray makeQrPicture(const QByteArray& text, int width, int height)
{
    if (text.isEmpty() || width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
        return {};
    }
    const QrCodePtr code = encodeSymbol(text);
    if (!code) {
        return {};
    }
    const int symbol = code->width;
    const int scale = std::min(width, height) / (symbol + 2 * kQrQuietZoneModules);
    if (scale < 1) {
        return {};
    }

    Bitmap bitmap;
    if (!createBitmap(bitmap, width, height, 1, kWhite)) {
        return {};
    }
    const int left = (width - symbol * scale) / 2;
    const int top = (height - symbol * scale) / 2;
    const auto stride = static_cast<std::size_t>(bitmap.stride());

    // Each module row is drawn once into its first pixel row, then copied down to fill the module.
    for (int my = 0; my < symbol; ++my) {
        const int y = top + my * scale;
        const unsigned char* modules = code->data + static_cast<std::size_t>(my) * symbol;
        for (int mx = 0; mx < symbol; ++mx) {
            if ((modules[mx] & 1) == 0) {
                continue;
            }
            fillRect(bitmap, left + mx * scale, y, scale, 1, kBlack);
        }
        const std::uint8_t* drawn = bitmap.pixels.data() + static_cast<std::size_t>(y) * stride;
        for (int row = y + 1; row < y + scale; ++row) {
            std::memcpy(bitmap.pixels.data() + static_cast<std::size_t>(row) * stride, drawn, stride);
        }
    }
    return toBmpBytes(bitmap);
}
