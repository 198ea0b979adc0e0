// Barcodes and QR codes as a 203 dpi thermal printer makes them: the label's PDF rasterised at the
// printer's density, thresholded at 50 % (what the head makes of grey), at several placements of
// the label by fractions of a dot, then read by zbar and by ZXing.
#include "codes/barcode_picture.h"
#include "codes/qr_picture.h"
#include "printing/code_redraw.h"
#include "printing/page_painter.h"
#include "tests/printing/pdf_probe.h"
#include "tests/printing/test_pages.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

namespace {

// 134 modules: its 406-pixel picture is squeezed into the 300-pixel box.
const QByteArray kBarcodeContent("B20151231235959");
// 112 modules (a nine-digit time stamp): 340 pixels into 300.
const QByteArray kShortBarcodeContent("B201556937");
const QByteArray kQrContent("D20151231235959");
constexpr int kDpi = 203;
constexpr int kPlacements = 8;

// The label moved right and down by a fraction of a printer dot.
QPointF placement(int i)
{
    return QPointF(i / double(kPlacements), (i * 3 % kPlacements) / double(kPlacements));
}

enum class Shown { Smoothly, Plainly };

// The element as the screen shows it: the code's picture stretched to its box.
QImage shownPicture(const QByteArray& bmp, QSize box, Shown shown)
{
    const QImage picture = QImage::fromData(bmp, "BMP");
    return picture.scaled(box, Qt::IgnoreAspectRatio,
        shown == Shown::Smoothly ? Qt::SmoothTransformation : Qt::FastTransformation);
}

LabelPage defaultCodesLabel(
    Shown shown, bool atPrinterDots, const QByteArray& barcodeContent = kBarcodeContent)
{
    QByteArray content = barcodeContent;
    const QByteArray barcode = makeBarcodePicture(content);
    const QByteArray qr = makeQrPicture(kQrContent);
    LabelPage page = emptyLabel(720, 250, kDpi);
    page.printCodesAtPrinterDots = atPrinterDots;
    PrintedPicture bars = pictureAt(QRect(40, 60, 300, 100), shownPicture(barcode, { 300, 100 }, shown));
    bars.symbol = CodeSymbol::Barcode;
    bars.content = content;
    PrintedPicture square = pictureAt(QRect(500, 60, 100, 100), shownPicture(qr, { 100, 100 }, shown));
    square.symbol = CodeSymbol::QrCode;
    square.content = kQrContent;
    page.pictures = { bars, square };
    return page;
}

bool exportPlaced(const LabelPage& page, QPointF dots, const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(1200);
    const QSizeF millimetres = QSizeF(page.labelPixels) / 10.0;
    writer.setPageLayout(QPageLayout(QPageSize(millimetres, QPageSize::Millimeter), QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setTransform(labelToDevice(planPage(page.labelPixels, 1), 1200));
    painter.translate(dots * 254.0 / kDpi);
    paintLabelPage(painter, page);
    return painter.end();
}

struct Reads {
    int zbarBarcode = 0;
    int zbarQr = 0;
    int zxingBarcode = 0;
    int zxingQr = 0;
};

Reads readAtEveryPlacement(const LabelPage& page)
{
    const QString barcodeContent = QString::fromLatin1(page.pictures.at(0).content);
    Reads reads;
    QTemporaryDir dir;
    for (int i = 0; i < kPlacements; ++i) {
        const QString pdf = dir.filePath(QStringLiteral("label-%1.pdf").arg(i));
        EXPECT_TRUE(exportPlaced(page, placement(i), pdf));
        QImage raster = rasterise(pdf, kDpi).convertToFormat(QImage::Format_Grayscale8);
        EXPECT_FALSE(raster.isNull());
        for (int y = 0; y < raster.height(); ++y) {
            uchar* line = raster.scanLine(y);
            for (int x = 0; x < raster.width(); ++x)
                line[x] = line[x] < 128 ? 0 : 255;
        }
        const QString png = dir.filePath(QStringLiteral("label-%1.png").arg(i));
        EXPECT_TRUE(raster.save(png));
        const QStringList zbar = zbarTexts(png);
        const QStringList zxing = zxingTexts(png);
        reads.zbarBarcode += zbar.contains(barcodeContent);
        reads.zbarQr += zbar.contains(QString::fromLatin1(kQrContent));
        reads.zxingBarcode += zxing.contains(barcodeContent);
        reads.zxingQr += zxing.contains(QString::fromLatin1(kQrContent));
    }
    return reads;
}

void report(const char* what, const Reads& reads)
{
    std::cout << what << " (of " << kPlacements << " placements): zbar barcode " << reads.zbarBarcode
              << ", zbar QR " << reads.zbarQr << ", ZXing barcode " << reads.zxingBarcode << ", ZXing QR "
              << reads.zxingQr << "\n";
}

TEST(ScanOnPaper, ScreenPicturesStretchedIntoTheirBoxes)
{
    report("shown smoothly, stretched", readAtEveryPlacement(defaultCodesLabel(Shown::Smoothly, false)));
    report("shown plainly, stretched", readAtEveryPlacement(defaultCodesLabel(Shown::Plainly, false)));
    report("112 modules shown smoothly, stretched",
        readAtEveryPlacement(defaultCodesLabel(Shown::Smoothly, false, kShortBarcodeContent)));
    report("112 modules shown plainly, stretched",
        readAtEveryPlacement(defaultCodesLabel(Shown::Plainly, false, kShortBarcodeContent)));
}

TEST(ScanOnPaper, CodesDrawnAtWholePrinterDots)
{
    const Reads reads = readAtEveryPlacement(defaultCodesLabel(Shown::Smoothly, true));
    report("drawn at printer dots", reads);
    EXPECT_EQ(reads.zbarBarcode, kPlacements);
    EXPECT_EQ(reads.zbarQr, kPlacements);
    EXPECT_EQ(reads.zxingBarcode, kPlacements);
    EXPECT_EQ(reads.zxingQr, kPlacements);
}

TEST(ScanOnPaper, TurnedCodesStayTurnedAndReadable)
{
    // A barcode turned a quarter turn clockwise in a tall box, and a QR code turned the same way.
    QByteArray content = kBarcodeContent;
    const QByteArray upright = makeBarcodePicture(content, true);
    LabelPage page = emptyLabel(720, 400, kDpi);
    PrintedPicture bars
        = pictureAt(QRect(40, 50, 100, 300), shownPicture(upright, { 100, 300 }, Shown::Plainly));
    bars.symbol = CodeSymbol::Barcode;
    bars.content = content;
    bars.quarterTurns = barcodeQuarterTurns(bars.picture);
    EXPECT_EQ(bars.quarterTurns, 1);
    const QImage turnedQr
        = QImage::fromData(makeQrPicture(kQrContent), "BMP").transformed(QTransform().rotate(90));
    PrintedPicture square = pictureAt(
        QRect(500, 60, 100, 100), turnedQr.scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    square.symbol = CodeSymbol::QrCode;
    square.content = kQrContent;
    square.quarterTurns = qrCodeQuarterTurns(square.picture);
    EXPECT_EQ(square.quarterTurns, 1);
    page.pictures = { bars, square };

    const Reads reads = readAtEveryPlacement(page);
    report("turned, drawn at printer dots", reads);
    EXPECT_EQ(reads.zbarBarcode, kPlacements);
    EXPECT_EQ(reads.zxingBarcode, kPlacements);
    EXPECT_EQ(reads.zbarQr, kPlacements);
    EXPECT_EQ(reads.zxingQr, kPlacements);

    // On paper the bars still lie across, as the element shows them.
    QTemporaryDir dir;
    ASSERT_TRUE(exportPlaced(page, { 0, 0 }, dir.filePath("turned.pdf")));
    const QImage raster = rasterise(dir.filePath("turned.pdf"), kDpi);
    const QRect boxDots(40 * kDpi / 254, 50 * kDpi / 254, 100 * kDpi / 254, 300 * kDpi / 254);
    EXPECT_EQ(barcodeQuarterTurns(raster.copy(boxDots)), 1);
}

TEST(CodesAtPrinterDots, GiveWholeDotsPerModuleAndAtLeastTwo)
{
    // "B20151231235959" is 134 modules. A 30 mm box is 354 dots at 300 dpi: two dots a module, 268
    // dots. At 203 dpi it is 239 dots, too few for two a module: drawn at two all the same, 268 dots.
    const struct {
        QSize boxDots;
        int quarterTurns;
        QSize expected;
    } cases[] = {
        { { 354, 118 }, 0, { 268, 118 } },
        { { 239, 79 }, 0, { 268, 79 } },
        { { 600, 100 }, 0, { 536, 100 } }, // four dots a module
        { { 79, 239 }, 1, { 79, 268 } }, // turned: the symbol runs down the box
        { { 239, 79 }, 2, { 268, 79 } },
    };
    for (const auto& c : cases) {
        const QImage image = barcodeAtPrinterDots(kBarcodeContent, c.boxDots, c.quarterTurns);
        EXPECT_EQ(image.size(), c.expected) << c.boxDots.width() << "x" << c.boxDots.height();
    }
    // A box too small for two dots a module gets a QR code of two dots a module, centred over it.
    const QImage small = qrCodeAtPrinterDots(kQrContent, { 31, 31 }, 0);
    EXPECT_EQ(small.size(), QSize(58, 58)); // 21 modules and 4 of quiet zone on each side, 2 dots each
    EXPECT_EQ(qrCodeAtPrinterDots(kQrContent, { 79, 79 }, 0).size(), QSize(79, 79));
    EXPECT_TRUE(barcodeAtPrinterDots(QByteArray(), { 0, 0 }, 0).isNull());
    EXPECT_TRUE(qrCodeAtPrinterDots(QByteArray(), { 79, 79 }, 0).isNull());
}

TEST(CodesAtPrinterDots, FindTheTurnOfAShownBarcode)
{
    QByteArray content = kBarcodeContent;
    const QImage across = QImage::fromData(makeBarcodePicture(content, false), "BMP");
    const QImage down = QImage::fromData(makeBarcodePicture(content, true), "BMP");
    EXPECT_EQ(barcodeQuarterTurns(across), 0);
    EXPECT_EQ(barcodeQuarterTurns(down), 1);
    // Squeezed into a box of any shape, the bars keep their direction.
    EXPECT_EQ(barcodeQuarterTurns(across.scaled(100, 300)), 0);
    EXPECT_EQ(barcodeQuarterTurns(down.scaled(300, 100)), 1);
    EXPECT_EQ(barcodeQuarterTurns(QImage()), 0);
}

TEST(CodesAtPrinterDots, FindTheTurnOfAShownQrCode)
{
    const QImage picture = QImage::fromData(makeQrPicture(kQrContent), "BMP");
    const QImage longer = QImage::fromData(makeQrPicture(QByteArray(60, 'x')), "BMP");
    for (int turns = 0; turns < 4; ++turns) {
        const QTransform turn = QTransform().rotate(90 * turns);
        // As made, and as the screen shows it: squeezed smoothly into its 100 x 100 box.
        EXPECT_EQ(qrCodeQuarterTurns(picture.transformed(turn)), turns);
        EXPECT_EQ(qrCodeQuarterTurns(picture.transformed(turn).scaled(
                      100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
            turns);
        EXPECT_EQ(qrCodeQuarterTurns(longer.transformed(turn)), turns);
    }
    EXPECT_EQ(qrCodeQuarterTurns(QImage()), 0);
    EXPECT_EQ(qrCodeQuarterTurns(solidImage(50, 50, Qt::black)), 0);
}

} // namespace
