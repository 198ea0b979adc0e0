// 打印 in the real editor, through the private CUPS scheduler: the job's PDF is the paper.
#include "codes/barcode_picture.h"
#include "codes/qr_picture.h"
#include "printing/page_painter.h"
#include "tests/editor/editor_fixture.h"
#include "tests/printing/pdf_probe.h"
#include "tests/printing/print_output.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <iostream>

namespace {

// "黑体" in GBK, the face of a new text element.
const QByteArray kHeiti("\xba\xda\xcc\xe5");

QByteArray solidBmp(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

double unitsToPoints(double units)
{
    return units * 72.0 / 254.0;
}

// The height of a text line in points per point of font size, from the face's own metrics.
double lineHeightPerPoint(const ElementFont& font)
{
    QFont probe = printFont(font, 0);
    probe.setPixelSize(1000);
    return QFontMetricsF(probe).height() / 1000.0;
}

bool isDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

class PrintCommandTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        if (printQueueDir().isEmpty())
            GTEST_SKIP() << "no private print queue (it needs root)";
        ASSERT_EQ(QPrinterInfo::defaultPrinterName(), kDefaultQueue);
    }

    void TearDown() override
    {
        if (printQueueDir().isEmpty())
            return;
        // The system's default printer is never changed by printing.
        EXPECT_EQ(QPrinterInfo::defaultPrinterName(), kDefaultQueue);
    }

    QPoint origin() const { return window->labelSurfaceControl()->pos(); }

    // Elements placed in label coordinates, as the user would drag them there.
    DrawingCanvas* textAt(QPoint at, const QByteArray& content, int size, int angle = 0)
    {
        auto* canvas = static_cast<DrawingCanvas*>(addAt(ElementKind::Text, content, QRect(origin() + at, QSize(200, 40))));
        canvas->setElementFont(ElementFont{angle, true, false, false, false, size, kHeiti});
        return canvas;
    }
    PictureControl* pictureAt(ElementKind kind, const QByteArray& content, QRect box, const QByteArray& bmp)
    {
        auto* control = static_cast<PictureControl*>(addAt(kind, content, box.translated(origin())));
        control->setPicture(bmp);
        return control;
    }

    // 打印 from the menu, and the job that the queue named kept of it.
    KeptJob print(const QString& queue)
    {
        const QStringList before = keptJobs(queue);
        window->menuAction(QStringLiteral("文件"), QStringLiteral("打印"))->trigger();
        KeptJob job;
        if (!QTest::qWaitFor([&] {
                for (const QString& path : keptJobs(queue))
                    if (!before.contains(path))
                        job.pdfPath = path;
                return !job.pdfPath.isEmpty();
            }, 30000))
            return job;
        QFile options(job.pdfPath.chopped(4) + QStringLiteral(".options"));
        if (options.open(QIODevice::ReadOnly))
            job.options = QString::fromUtf8(options.readAll());
        QFile title(job.pdfPath.chopped(4) + QStringLiteral(".title"));
        if (title.open(QIODevice::ReadOnly))
            job.title = QString::fromUtf8(title.readAll());
        return job;
    }
};

TEST_F(PrintCommandTest, WithoutPrintSettingsPrintsOnTheDefaultPrinterAcrossAt203)
{
    start();
    textAt({130, 40}, "Vortelle", 72);
    const KeptJob job = print(kDefaultQueue);
    ASSERT_FALSE(job.pdfPath.isEmpty());
    EXPECT_EQ(job.title, QStringLiteral("标签打印"));
    EXPECT_TRUE(job.options.split(' ').contains(QStringLiteral("media=Custom.72x25mm"))) << job.options.toStdString();
    const auto size = pdfPageSize(job.pdfPath);
    ASSERT_TRUE(size);
    EXPECT_NEAR(size->width(), unitsToPoints(720), 0.5);
    EXPECT_NEAR(size->height(), unitsToPoints(250), 0.5);
    const auto words = pdfWords(job.pdfPath);
    ASSERT_EQ(words.size(), 1u);
    // 72 points on a 96 dpi screen print at 34 points on a 203 dpi printer.
    const double expected = 34 * lineHeightPerPoint(ElementFont{0, true, false, false, false, 72, kHeiti});
    EXPECT_NEAR(words[0].box.height(), expected, expected * 0.03);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(PrintCommandTest, WritesEachTextAtItsPlaceAndItsSizeForTheStoredDensity)
{
    const struct {
        const char* stored;
        int screenSize;
        int printedPoints;
    } cases[] = {
        {"203", 24, 11},
        {"203", 72, 34},
        {"300", 24, 7},
        {"300dpi", 72, 23},
        {"abc", 72, 34}, // no number: printed with 203
        {"0", 24, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " dpi, " + std::to_string(c.screenSize) + " points");
        writeSettings(QByteArray("[Print]\r\nN=vortelle-keep\r\nR=") + c.stored + "\r\n");
        if (!window)
            start();
        doc().resetDocument();
        textAt({130, 40}, "Vo", c.screenSize);
        textAt({400, 100}, "Se", c.screenSize);
        const KeptJob job = print(kKeepQueue);
        ASSERT_FALSE(job.pdfPath.isEmpty());
        auto words = pdfWords(job.pdfPath);
        ASSERT_EQ(words.size(), 2u);
        std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        EXPECT_EQ(words[0].text, QStringLiteral("Vo"));
        EXPECT_EQ(words[1].text, QStringLiteral("Se"));
        // Places relative to the label surface's top-left corner, one design pixel a tenth of a millimetre.
        EXPECT_NEAR(words[0].box.left(), unitsToPoints(130), 0.3);
        EXPECT_NEAR(words[0].box.top(), unitsToPoints(40), 0.3);
        EXPECT_NEAR(words[1].box.left(), unitsToPoints(400), 0.3);
        EXPECT_NEAR(words[1].box.top(), unitsToPoints(100), 0.3);
        const double expected
            = c.printedPoints * lineHeightPerPoint(ElementFont{0, true, false, false, false, c.screenSize, kHeiti});
        EXPECT_NEAR(words[0].box.height(), expected, expected * 0.03);
    }
}

TEST_F(PrintCommandTest, GivesAPageOfTheLabelsSizeAcrossOrDownAsTheOrientationSays)
{
    const struct {
        const char* rule;
        QByteArray size;
        QByteArray orientation;
        QSizeF page; // label units
        const char* media;
    } cases[] = {
        {"wide label, landscape: upright", "W=72\r\nH=25", "1", {720, 250}, "media=Custom.72x25mm"},
        {"wide label, portrait: turned onto a tall page", "W=72\r\nH=25", "0", {250, 720}, "media=Custom.25x72mm"},
        {"tall label, landscape: turned onto a wide page", "W=25\r\nH=72", "1", {720, 250}, "media=Custom.72x25mm"},
        {"tall label, portrait: upright", "W=25\r\nH=72", "0", {250, 720}, "media=Custom.25x72mm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        window.reset();
        writeSettings("[New]\r\n" + c.size + "\r\n[Print]\r\nN=vortelle-keep\r\nD=" + c.orientation + "\r\n");
        start();
        textAt({20, 20}, "Top", 24);
        const KeptJob job = print(kKeepQueue);
        ASSERT_FALSE(job.pdfPath.isEmpty());
        EXPECT_TRUE(job.options.split(' ').contains(QLatin1String(c.media))) << job.options.toStdString();
        const auto size = pdfPageSize(job.pdfPath);
        ASSERT_TRUE(size);
        EXPECT_NEAR(size->width(), unitsToPoints(c.page.width()), 0.5);
        EXPECT_NEAR(size->height(), unitsToPoints(c.page.height()), 0.5);
        // The text stays on the paper, turned or not.
        const auto words = pdfWords(job.pdfPath);
        ASSERT_EQ(words.size(), 1u);
        EXPECT_GE(words[0].box.left(), 0);
        EXPECT_LE(words[0].box.right(), size->width());
        EXPECT_LE(words[0].box.bottom(), size->height());
    }
}

TEST_F(PrintCommandTest, DrawsElementsRightOfOrBelowTheLabelButNotBeyondItsBottomRightCorner)
{
    writeSettings("[Print]\r\nN=vortelle-keep\r\n");
    start();
    // Told apart by their widths: a snapshot is as wide as its control.
    pictureAt(ElementKind::Picture, "a", QRect(10, 10, 30, 30), solidBmp(3, 3, Qt::black));
    pictureAt(ElementKind::Picture, "b", QRect(800, 100, 40, 30), solidBmp(3, 3, Qt::black));
    pictureAt(ElementKind::Picture, "c", QRect(100, 300, 50, 30), solidBmp(3, 3, Qt::black));
    pictureAt(ElementKind::Picture, "d", QRect(720, 250, 60, 30), solidBmp(3, 3, Qt::black));
    pictureAt(ElementKind::Picture, "e", QRect(719, 249, 70, 30), solidBmp(3, 3, Qt::black));
    textAt({900, 300}, "Gone", 24);
    textAt({20, 150}, "Kept", 24);
    const KeptJob job = print(kKeepQueue);
    ASSERT_FALSE(job.pdfPath.isEmpty());
    std::vector<int> drawn;
    for (const PdfImage& image : pdfImages(job.pdfPath))
        drawn.push_back(image.width);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int>{30, 40, 50, 70}));
    const auto words = pdfWords(job.pdfPath);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, QStringLiteral("Kept"));
}

TEST_F(PrintCommandTest, PrintsPicturesUnderTextsWhateverOrderTheyWereMadeIn)
{
    writeSettings("[Print]\r\nN=vortelle-keep\r\n");
    start();
    textAt({20, 20}, "HHH", 72);
    pictureAt(ElementKind::Picture, "black", QRect(0, 0, 400, 250), solidBmp(2, 2, Qt::black));
    pictureAt(ElementKind::Picture, "white", QRect(0, 0, 200, 250), solidBmp(2, 2, Qt::white));
    const KeptJob job = print(kKeepQueue);
    ASSERT_FALSE(job.pdfPath.isEmpty());
    const QImage raster = rasterise(job.pdfPath, 254);
    ASSERT_FALSE(raster.isNull());
    // The later picture covers the earlier one, and the text shows on top of both.
    EXPECT_TRUE(isDark(raster, 300, 125));
    EXPECT_FALSE(isDark(raster, 100, 240));
    int dark = 0;
    for (int y = 20; y < 150; ++y)
        for (int x = 20; x < 195; ++x)
            dark += isDark(raster, x, y);
    EXPECT_GT(dark, 500);
}

TEST_F(PrintCommandTest, DefaultCodesScanOnPaperAt203Dpi)
{
    writeSettings("[Print]\r\nN=vortelle-keep\r\n");
    start();
    QByteArray barcode("B20151231235959");
    const QByteArray barcodePicture = makeBarcodePicture(barcode);
    const QByteArray qr("D20151231235959");
    // Moved by one design pixel at a time: 0.8 of a printer dot, so the codes meet the dots at
    // different fractions.
    constexpr int kPlacements = 4;
    int zbarReads = 0;
    int zxingReads = 0;
    QTemporaryDir dir;
    for (int i = 0; i < kPlacements; ++i) {
        doc().resetDocument();
        pictureAt(ElementKind::Barcode, barcode, QRect(40 + i, 60 + i, 300, 100), barcodePicture);
        pictureAt(ElementKind::QrCode, qr, QRect(500 + i, 60 + i, 100, 100), makeQrPicture(qr));
        const KeptJob job = print(kKeepQueue);
        ASSERT_FALSE(job.pdfPath.isEmpty());
        QImage raster = rasterise(job.pdfPath, 203).convertToFormat(QImage::Format_Grayscale8);
        ASSERT_FALSE(raster.isNull());
        // What a thermal head makes of grey.
        for (int y = 0; y < raster.height(); ++y) {
            uchar* line = raster.scanLine(y);
            for (int x = 0; x < raster.width(); ++x)
                line[x] = line[x] < 128 ? 0 : 255;
        }
        const QString png = dir.filePath(QStringLiteral("label-%1.png").arg(i));
        ASSERT_TRUE(raster.save(png));
        const QStringList zbar = zbarTexts(png);
        EXPECT_TRUE(zbar.contains(QString::fromLatin1(barcode))) << zbar.join(',').toStdString();
        EXPECT_TRUE(zbar.contains(QString::fromLatin1(qr))) << zbar.join(',').toStdString();
        zbarReads += zbar.contains(QString::fromLatin1(barcode)) + zbar.contains(QString::fromLatin1(qr));
        const QStringList zxing = zxingTexts(png);
        zxingReads += zxing.contains(QString::fromLatin1(barcode)) + zxing.contains(QString::fromLatin1(qr));
    }
    std::cout << "codes printed from the editor (of " << 2 * kPlacements << "): zbar " << zbarReads << ", ZXing "
              << zxingReads << "\n";
    EXPECT_EQ(zxingReads, 2 * kPlacements);
}

TEST_F(PrintCommandTest, APrinterNameThatNamesNoPrinterShowsTheFirstFailureBox)
{
    writeSettings("[Print]\r\nN=vortelle-nowhere\r\n");
    start();
    textAt({20, 20}, "Lost", 24);
    const QStringList keep = keptJobs(kKeepQueue);
    const QStringList defaults = keptJobs(kDefaultQueue);
    window->menuAction(QStringLiteral("文件"), QStringLiteral("打印"))->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("error"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("打印失败"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("打印失败，无法指定需要用于标签打印的打印机！"));
    // Nothing was printed, neither there nor on the default printer.
    EXPECT_TRUE(waitUntilQueueIsDone(kDefaultQueue));
    EXPECT_EQ(keptJobs(kKeepQueue), keep);
    EXPECT_EQ(keptJobs(kDefaultQueue), defaults);
}

} // namespace
