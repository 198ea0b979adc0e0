#include "printing/label_printer.h"
#include "printing/page_painter.h"
#include "tests/printing/pdf_probe.h"
#include "tests/printing/print_output.h"
#include "tests/printing/test_pages.h"

#include <QFontMetricsF>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every page test runs twice: on the PDF file that export writes, and on the PDF that reaches the
// printer's backend through the private print queue.
enum class Output { PdfFile, PrintQueue };

void PrintTo(Output output, std::ostream* os)
{
    *os << (output == Output::PdfFile ? "PdfFile" : "PrintQueue");
}

class PagePdf : public ::testing::TestWithParam<Output> {
protected:
    void SetUp() override
    {
        if (GetParam() == Output::PrintQueue && printQueueDir().isEmpty())
            GTEST_SKIP() << "no private print queue (it needs root)";
    }

    QString exported(const LabelPage& page, int orientation = 1)
    {
        if (GetParam() == Output::PrintQueue) {
            const KeptJob job = printAndKeep(page, kKeepQueue, orientation);
            EXPECT_FALSE(job.pdfPath.isEmpty());
            return job.pdfPath;
        }
        const QString path = dir_.filePath(QStringLiteral("label-%1.pdf").arg(++count_));
        EXPECT_TRUE(exportLabelPdf(page, path, orientation));
        return path;
    }

    QTemporaryDir dir_;
    int count_ = 0;
};

INSTANTIATE_TEST_SUITE_P(Through, PagePdf, ::testing::Values(Output::PdfFile, Output::PrintQueue),
    [](const auto& info) { return std::string(info.param == Output::PdfFile ? "PdfFile" : "PrintQueue"); });

bool isDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

TEST_P(PagePdf, IsOnePageOfTheLabelsSizeAcrossOrDownAsTheOrientationSays)
{
    const struct {
        const char* rule;
        QSize label;
        int orientation;
        QSizeF pagePoints; // 72 mm = 204.09 pt, 25 mm = 70.87 pt; Qt writes whole points
        bool turned;
    } cases[] = {
        { "wide label, landscape", { 720, 250 }, 1, { 204.09, 70.87 }, false },
        { "wide label, portrait", { 720, 250 }, 0, { 70.87, 204.09 }, true },
        { "tall label, landscape", { 250, 720 }, 1, { 204.09, 70.87 }, true },
        { "tall label, portrait", { 250, 720 }, 0, { 70.87, 204.09 }, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        LabelPage page = emptyLabel(c.label.width(), c.label.height());
        // A mark in the label's top-left corner, 100 wide and 50 high.
        page.pictures.push_back(pictureAt(QRect(0, 0, 100, 50), solidImage(4, 2, Qt::black)));
        const QString path = exported(page, c.orientation);

        const auto size = pdfPageSize(path);
        ASSERT_TRUE(size);
        EXPECT_NEAR(size->width(), c.pagePoints.width(), 0.5);
        EXPECT_NEAR(size->height(), c.pagePoints.height(), 0.5);

        // At 254 dpi one page pixel is 0.1 mm, one label unit.
        const QImage raster = rasterise(path, 254);
        ASSERT_FALSE(raster.isNull());
        if (!c.turned) {
            EXPECT_TRUE(isDark(raster, 50, 25));
            EXPECT_FALSE(isDark(raster, 50, 75));
            EXPECT_FALSE(isDark(raster, 150, 25));
        } else {
            // Turned clockwise: the label's top edge lies along the page's right edge, so the
            // mark stands 50 wide and 100 high in the page's top-right corner.
            const int right = raster.width();
            EXPECT_TRUE(isDark(raster, right - 25, 50));
            EXPECT_FALSE(isDark(raster, right - 75, 50));
            EXPECT_FALSE(isDark(raster, right - 25, 150));
            EXPECT_FALSE(isDark(raster, 25, 50));
        }
    }
}

// The height of a text line in points per point of font size, from the face's own metrics.
double lineHeightPerPoint(const ElementFont& font)
{
    QFont probe = printFont(font, 0);
    probe.setPixelSize(1000);
    return QFontMetricsF(probe).height() / 1000.0;
}

TEST_P(PagePdf, WritesEachTextAtItsPlaceAndAtItsPrinterSize)
{
    const struct {
        const char* rule;
        int printerDpi;
        int screenSize;
        int angle;
        int printedPoints;
    } cases[] = {
        { "24 points at 203 dpi", 203, 24, 0, 11 },
        { "72 points at 203 dpi", 203, 72, 0, 34 },
        { "24 points at 300 dpi", 300, 24, 0, 7 },
        { "72 points at 300 dpi", 300, 72, 0, 23 },
        { "a quarter turn anticlockwise", 203, 24, 900, 11 },
        { "upside down", 203, 24, 1800, 11 },
        { "a quarter turn clockwise", 203, 24, 2700, 11 },
        { "turned at 300 dpi", 300, 72, 900, 23 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        // Square, so that turned texts stay on the page.
        LabelPage page = emptyLabel(720, 720, c.printerDpi);
        page.texts.push_back(textAt(130, 40, "Vortelle", c.screenSize, c.angle));
        const auto words = pdfWords(exported(page));
        ASSERT_EQ(words.size(), 1u);
        EXPECT_EQ(words[0].text, QStringLiteral("Vortelle"));
        const QRectF box = words[0].box;
        // Every starting point puts the turned text's box at the element's top-left corner.
        EXPECT_NEAR(box.left(), unitsToPoints(130), 0.3);
        EXPECT_NEAR(box.top(), unitsToPoints(40), 0.3);
        const bool across = c.angle == 0 || c.angle == 1800;
        const double thickness = across ? box.height() : box.width();
        const double length = across ? box.width() : box.height();
        const double expected = c.printedPoints * lineHeightPerPoint(page.texts[0].font);
        EXPECT_NEAR(thickness, expected, expected * 0.03);
        EXPECT_GT(length, thickness);
    }
}

TEST_P(PagePdf, KeepsTheTextSizeOnATurnedPage)
{
    LabelPage page = emptyLabel(720, 250);
    page.texts.push_back(textAt(130, 40, "Vortelle", 72));
    const auto words = pdfWords(exported(page, 0));
    ASSERT_EQ(words.size(), 1u);
    // Turned clockwise onto a 25 mm wide page: the text runs down, its top towards the right edge.
    const QRectF box = words[0].box;
    const double pageWidth = unitsToPoints(250);
    EXPECT_NEAR(box.right(), pageWidth - unitsToPoints(40), 0.6);
    EXPECT_NEAR(box.top(), unitsToPoints(130), 0.3);
    const double expected = 34 * lineHeightPerPoint(page.texts[0].font);
    EXPECT_NEAR(box.width(), expected, expected * 0.03);
}

TEST_P(PagePdf, LeavesOffOnlyElementsBeyondTheBottomRightCorner)
{
    LabelPage page = emptyLabel(720, 250);
    // Told apart by their pixel sizes.
    page.pictures.push_back(pictureAt(QRect(10, 10, 50, 50), solidImage(3, 3, Qt::black)));
    page.pictures.push_back(pictureAt(QRect(800, 100, 50, 50), solidImage(5, 5, Qt::black)));
    page.pictures.push_back(pictureAt(QRect(100, 300, 50, 50), solidImage(7, 7, Qt::black)));
    page.pictures.push_back(pictureAt(QRect(720, 250, 50, 50), solidImage(9, 9, Qt::black)));
    page.pictures.push_back(pictureAt(QRect(700, 240, 50, 50), solidImage(11, 11, Qt::black)));
    page.texts.push_back(textAt(900, 300, "Gone"));
    page.texts.push_back(textAt(20, 150, "Kept"));
    const QString path = exported(page);

    std::vector<int> drawn;
    for (const PdfImage& image : pdfImages(path))
        drawn.push_back(image.width);
    std::sort(drawn.begin(), drawn.end());
    // Right of the label or below it: drawn at its place, off the paper; beyond both: left off.
    EXPECT_EQ(drawn, (std::vector<int> { 3, 5, 7, 11 }));

    const auto words = pdfWords(path);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, QStringLiteral("Kept"));
}

TEST_P(PagePdf, PutsTextsOverPicturesAndLaterPicturesOverEarlierOnes)
{
    LabelPage page = emptyLabel(720, 250);
    page.texts.push_back(textAt(20, 20, "HHH", 72));
    page.pictures.push_back(pictureAt(QRect(0, 0, 400, 250), solidImage(2, 2, Qt::black)));
    page.pictures.push_back(pictureAt(QRect(0, 0, 200, 250), solidImage(2, 2, Qt::white)));
    const QImage raster = rasterise(exported(page), 254);
    ASSERT_FALSE(raster.isNull());

    // The white picture covers the black one where they overlap ...
    EXPECT_TRUE(isDark(raster, 300, 125));
    EXPECT_FALSE(isDark(raster, 100, 240));
    // ... and the text drawn after both shows on the white one.
    int dark = 0;
    for (int y = 20; y < 150; ++y)
        for (int x = 20; x < 195; ++x)
            dark += isDark(raster, x, y);
    EXPECT_GT(dark, 500);
}

TEST_P(PagePdf, StretchesPicturesWithoutSmoothingAndStoresThemLosslessly)
{
    LabelPage page = emptyLabel(720, 250);
    // A colour picture, as a snapshot of the screen is: two pixels, black and white.
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    page.pictures.push_back(pictureAt(QRect(100, 50, 200, 100), picture));
    const QString path = exported(page);

    const auto images = pdfImages(path);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_NE(images[0].encoding, QStringLiteral("jpeg"));
    EXPECT_FALSE(images[0].interpolated);

    const QImage raster = rasterise(path, 254);
    ASSERT_FALSE(raster.isNull());
    int grey = 0;
    for (int y = 52; y < 148; ++y)
        for (int x = 102; x < 298; ++x) {
            const int g = qGray(raster.pixel(x, y));
            grey += g > 10 && g < 245;
        }
    // At most the one column where black meets white.
    EXPECT_LE(grey, 96);
    EXPECT_TRUE(isDark(raster, 150, 100));
    EXPECT_FALSE(isDark(raster, 250, 100));
}

TEST(PdfExport, RefusesAFileItCannotWriteAndALabelWithoutArea)
{
    QTemporaryDir dir;
    EXPECT_FALSE(exportLabelPdf(emptyLabel(), dir.filePath("no/such/folder/label.pdf"), 1));
    EXPECT_FALSE(exportLabelPdf(emptyLabel(0, 250), dir.filePath("empty.pdf"), 1));
}

} // namespace
