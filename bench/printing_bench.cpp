// Drawing a busy label page: 100 texts and 50 barcodes, written as a PDF file in a temporary folder,
// with the codes drawn at the printer's dots or stretched as shown.
#include "codes/barcode_picture.h"
#include "printing/chinese_fonts.h"
#include "printing/label_printer.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

LabelPage busyLabel(bool atPrinterDots)
{
    LabelPage page;
    page.labelPixels = QSize(1000, 1500);
    page.printCodesAtPrinterDots = atPrinterDots;
    for (int i = 0; i < 50; ++i) {
        QByteArray content = "B2015123123" + QByteArray::number(1000 + i);
        PrintedPicture barcode;
        barcode.box = QRect(20 + (i % 2) * 480, 20 + (i / 2) * 58, 300, 50);
        barcode.picture = QImage::fromData(makeBarcodePicture(content), "BMP").scaled(barcode.box.size());
        barcode.symbol = CodeSymbol::Barcode;
        barcode.content = content;
        page.pictures.push_back(barcode);
    }
    for (int i = 0; i < 100; ++i) {
        PrintedText text;
        text.position = QPoint(340 + (i % 2) * 320, 20 + (i / 2) * 29);
        text.font.size = 12;
        text.font.bold = true;
        text.font.faceName = QByteArray("\xba\xda\xcc\xe5"); // 黑体
        text.font.angle = (i % 4) * 900;
        text.content = "Text " + QByteArray::number(i);
        page.texts.push_back(text);
    }
    return page;
}

void exportBusyLabel(benchmark::State& state)
{
    const LabelPage page = busyLabel(state.range(0) != 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("busy.pdf");
    for (auto _ : state)
        benchmark::DoNotOptimize(exportLabelPdf(page, path, 0));
}
BENCHMARK(exportBusyLabel)->ArgName("atPrinterDots")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installChineseFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
