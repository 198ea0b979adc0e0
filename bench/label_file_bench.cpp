// Writing and reading label files of 100, 1,000 and 4,000 elements: half image elements with a
// 300 x 100 24-bit picture (about 88 KiB of BMP each), half text elements. The cost should grow
// linearly with the number of elements and be mostly zlib's.

#include "document/bitmap.h"
#include "document/bmp_file.h"
#include "files/compressed_block.h"
#include "files/label_file.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// A barcode-like picture: black bars of varying width on white, with a white band below.
QByteArray barsPicture(int variant)
{
    Bitmap bitmap;
    createBitmap(bitmap, 300, 100, 24, kWhite);
    int x = 10;
    for (int bar = 0; x < 290; ++bar) {
        const int width = 1 + (bar * 7 + variant) % 4;
        for (int dx = 0; dx < width && x + dx < 290; ++dx)
            for (int y = 0; y < 80; ++y)
                setPixel(bitmap, x + dx, y, kBlack);
        x += width + 1 + (bar + variant) % 3;
    }
    return toBmpBytes(bitmap);
}

LabelDescription labelOf(int elements)
{
    static const std::array<QByteArray, 4> pictures { barsPicture(0), barsPicture(1), barsPicture(2),
        barsPicture(3) };
    LabelDescription label;
    label.width = 720;
    label.height = 250;
    const char letters[] = { 'P', 'B', 'D' };
    for (int k = 0; k < elements; ++k) {
        if (k % 2 == 0) {
            const int i = k / 2;
            label.images.push_back({ letters[i % 3], 30 + i % 40, 60 + i % 20, 300, 100,
                "B2015123123" + QByteArray::number(5959 + i), pictures[std::size_t(i) % pictures.size()] });
        } else {
            label.texts.push_back({ 40 + k % 50, 70 + k % 30, 208, 32,
                ElementFont { (k % 4) * 900, true, false, false, false, 16, "\xBA\xDA\xCC\xE5" },
                "\xB1\xEA\xC7\xA9 " + QByteArray::number(k) });
        }
    }
    return label;
}

void BM_EncodeLabelFile(benchmark::State& state)
{
    const LabelDescription label = labelOf(int(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray file = encodeLabelFile(label);
        bytes = file.size();
        benchmark::DoNotOptimize(file.constData());
    }
    state.SetComplexityN(state.range(0));
    state.counters["file_KiB"] = double(bytes) / 1024.0;
}

void BM_ReadLabelFile(benchmark::State& state)
{
    const QByteArray file = encodeLabelFile(labelOf(int(state.range(0))));
    for (auto _ : state) {
        const auto header = readLabelHeader(file);
        for (qint64 i = 0; i < header->imageCount && imageEntryInData(file, *header, i); ++i) {
            const ImageRecord record = readImageRecord(file, *header, i);
            benchmark::DoNotOptimize(record.picture.constData());
        }
        for (qint64 j = 0; j < header->textCount && textEntryInData(file, *header, j); ++j) {
            const auto properties = parseTextProperties(readTextRecord(file, *header, j).properties);
            benchmark::DoNotOptimize(properties.ok());
        }
    }
    state.SetComplexityN(state.range(0));
}

// One picture's block alone: 500 of these are in the 1,000-element label, so comparing the two
// shows how much of the codec's time is zlib's.
void BM_CompressPictureBlock(benchmark::State& state)
{
    const QByteArray picture = barsPicture(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(compressBlock(picture).size());
    state.SetBytesProcessed(state.iterations() * picture.size());
}

void BM_DecompressPictureBlock(benchmark::State& state)
{
    const QByteArray block = compressBlock(barsPicture(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(decompressBlock(block).size());
}

// A 30-byte block whose unfinished stream claims the largest length: refused without a large
// allocation, so it costs no more than a small block.
void BM_DecompressHostileBlock(benchmark::State& state)
{
    QByteArray noise(100000, '\0');
    std::uint32_t seed = 7;
    for (char& c : noise) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 24);
    }
    const QByteArray block
        = QByteArray("\x0D\x0F\x3E\x03\xFF\xFF\xFF\x3F", 8) + compressBlock(noise).sliced(8, 22);
    for (auto _ : state)
        benchmark::DoNotOptimize(decompressBlock(block).size());
}

} // namespace

BENCHMARK(BM_EncodeLabelFile)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadLabelFile)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_CompressPictureBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecompressPictureBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecompressHostileBlock)->Unit(benchmark::kMicrosecond);
