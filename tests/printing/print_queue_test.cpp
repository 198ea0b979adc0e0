#include "printing/label_printer.h"
#include "tests/printing/pdf_probe.h"
#include "tests/printing/print_output.h"
#include "tests/printing/test_pages.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

namespace {

class PrintQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (printQueueDir().isEmpty())
            GTEST_SKIP() << "no private print queue (it needs root)";
        ASSERT_EQ(QPrinterInfo::defaultPrinterName(), kDefaultQueue);
    }

    void TearDown() override
    {
        if (printQueueDir().isEmpty())
            return;
        // Whatever happened, the system's default printer is the one it was.
        EXPECT_EQ(QPrinterInfo::defaultPrinterName(), kDefaultQueue);
        EXPECT_TRUE(waitUntilQueueIsDone(kDefaultQueue));
        EXPECT_EQ(keptJobs(kDefaultQueue), defaultJobs_);
    }

    QStringList defaultJobs_ = keptJobs(kDefaultQueue);
};

TEST_F(PrintQueue, SendsOneJobStraightToTheNamedPrinter)
{
    LabelPage page = emptyLabel(720, 250);
    page.texts.push_back(textAt(130, 40, "Vortelle", 72));
    PrintResult result = PrintResult::CannotStart;
    const KeptJob job = printAndKeep(page, kKeepQueue, 1, &result);
    EXPECT_EQ(result, PrintResult::Printed);
    ASSERT_FALSE(job.pdfPath.isEmpty());
    EXPECT_EQ(job.title, QStringLiteral("标签打印"));
    EXPECT_TRUE(job.options.split(' ').contains(QStringLiteral("media=Custom.72x25mm")))
        << job.options.toStdString();
    EXPECT_FALSE(job.options.contains(QStringLiteral("copies="))) << job.options.toStdString();
    const auto words = pdfWords(job.pdfPath);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, QStringLiteral("Vortelle"));
}

TEST_F(PrintQueue, AsksForMediaOfThePagesShape)
{
    const struct {
        QSize label;
        int orientation;
        const char* media;
    } cases[] = {
        { { 720, 250 }, 1, "media=Custom.72x25mm" },
        { { 720, 250 }, 0, "media=Custom.25x72mm" },
        { { 250, 720 }, 1, "media=Custom.72x25mm" },
        { { 250, 720 }, 0, "media=Custom.25x72mm" },
        { { 505, 305 }, 1, "media=Custom.50.5x30.5mm" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.media);
        const KeptJob job
            = printAndKeep(emptyLabel(c.label.width(), c.label.height()), kKeepQueue, c.orientation);
        ASSERT_FALSE(job.pdfPath.isEmpty());
        EXPECT_TRUE(job.options.split(' ').contains(QLatin1String(c.media))) << job.options.toStdString();
    }
}

TEST_F(PrintQueue, RefusesANameThatNamesNoPrinter)
{
    const QStringList kept = keptJobs(kKeepQueue);
    EXPECT_EQ(
        printLabelPage(emptyLabel(), QStringLiteral("vortelle-nowhere"), 1), PrintResult::NoSuchPrinter);
    // No name at all is a system without a printer to use: nothing can start.
    EXPECT_EQ(printLabelPage(emptyLabel(), QString(), 1), PrintResult::CannotStart);
    EXPECT_EQ(printLabelPage(emptyLabel(0, 0), kKeepQueue, 1), PrintResult::CannotStart);
    EXPECT_TRUE(waitUntilQueueIsDone(kKeepQueue));
    EXPECT_EQ(keptJobs(kKeepQueue), kept);
}

TEST_F(PrintQueue, PrintsALabelOfItsSizeOnCupsPdf)
{
    if (QPrinterInfo::printerInfo(kPdfQueue).isNull())
        GTEST_SKIP() << "cups-pdf is not installed";
    const QStringList before = cupsPdfFiles();
    LabelPage page = emptyLabel(720, 250);
    page.pictures.push_back(pictureAt(QRect(0, 0, 100, 50), solidImage(4, 2, Qt::black)));
    ASSERT_EQ(printLabelPage(page, kPdfQueue, 1), PrintResult::Printed);
    ASSERT_TRUE(waitUntilQueueIsDone(kPdfQueue));
    const QStringList after = cupsPdfFiles();
    ASSERT_EQ(after.size(), before.size() + 1);
    const auto size = pdfPageSize(after.last());
    ASSERT_TRUE(size);
    // Ghostscript writes the page size in whole points too, but truncated: 70.87 becomes 70.
    EXPECT_NEAR(size->width(), 204.09, 1.0);
    EXPECT_NEAR(size->height(), 70.87, 1.0);
    const QImage raster = rasterise(after.last(), 254);
    ASSERT_FALSE(raster.isNull());
    EXPECT_LT(qGray(raster.pixel(50, 25)), 128);
    EXPECT_GT(qGray(raster.pixel(150, 25)), 128);
}

} // namespace
