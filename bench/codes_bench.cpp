// Code pictures: our barcode and QR pictures, and libzint drawing the same Code 128 symbol.
#include "codes/barcode_picture.h"
#include "codes/qr_picture.h"

#include <benchmark/benchmark.h>

#include <zint.h>

#include <cstring>

namespace {

const QByteArray kDefaultBarcode = "B20151231235959";

void BM_BarcodePicture(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray text = kDefaultBarcode;
        benchmark::DoNotOptimize(makeBarcodePicture(text));
    }
}
BENCHMARK(BM_BarcodePicture);

void BM_BarcodePictureVertical(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray text = kDefaultBarcode;
        benchmark::DoNotOptimize(makeBarcodePicture(text, true));
    }
}
BENCHMARK(BM_BarcodePictureVertical);

// The same symbol through libzint into its raster buffer: 3 pixels a module (scale 1.5, since
// scale 1 is 2 pixels a module), 112 rows, no human-readable text.
void BM_ZintBarcodeBitmap(benchmark::State& state)
{
    const auto* data = reinterpret_cast<const unsigned char*>(kDefaultBarcode.constData());
    const int length = static_cast<int>(kDefaultBarcode.size());
    for (auto _ : state) {
        zint_symbol* symbol = ZBarcode_Create();
        symbol->symbology = BARCODE_CODE128;
        symbol->scale = 1.5f;
        symbol->height = 112.0f / 3.0f;
        symbol->show_hrt = 0;
        const int error = ZBarcode_Encode_and_Buffer(symbol, data, length, 0);
        if (error >= ZINT_ERROR) {
            state.SkipWithError("libzint failed");
        }
        benchmark::DoNotOptimize(symbol->bitmap);
        state.counters["width"] = symbol->bitmap_width;
        state.counters["height"] = symbol->bitmap_height;
        ZBarcode_Delete(symbol);
    }
}
BENCHMARK(BM_ZintBarcodeBitmap);

void BM_QrPicture(benchmark::State& state, const char* text)
{
    const QByteArray content = text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(makeQrPicture(content));
    }
}
BENCHMARK_CAPTURE(BM_QrPicture, default_content, "D20151231235959");
BENCHMARK_CAPTURE(BM_QrPicture, url, "https://example.com/a?b=1");
// "中文标签" in GBK: converted to UTF-8 on the way.
BENCHMARK_CAPTURE(BM_QrPicture, chinese, "\xD6\xD0\xCE\xC4\xB1\xEA\xC7\xA9");

} // namespace
