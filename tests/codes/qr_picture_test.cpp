#include "codes/qr_picture.h"

#include "platform/gbk.h"
#include "tests/codes/picture_probe.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

struct SymbolLayout {
    bool crisp = false;
    int modulePixels = 0;
    int modules = 0;
    int left = 0, top = 0, right = 0, bottom = 0; // white margins in pixels
    std::string problem;
};

// Measures the symbol in a picture: the black bounding box, the module size from the top-left
// finder pattern (seven modules wide), and whether every module is one flat square of colour.
SymbolLayout measureSymbol(const QImage& image)
{
    SymbolLayout layout;
    int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isBlack(image, x, y)) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0) {
        layout.problem = "no black pixel";
        return layout;
    }
    int finder = 0;
    while (x0 + finder <= x1 && isBlack(image, x0 + finder, y0)) {
        ++finder;
    }
    const int side = x1 - x0 + 1;
    if (finder % 7 != 0 || side != y1 - y0 + 1 || side % (finder / 7) != 0) {
        layout.problem = "finder " + std::to_string(finder) + ", symbol " + std::to_string(side) + " by "
                         + std::to_string(y1 - y0 + 1);
        return layout;
    }
    layout.modulePixels = finder / 7;
    layout.modules = side / layout.modulePixels;
    layout.left = x0;
    layout.top = y0;
    layout.right = image.width() - 1 - x1;
    layout.bottom = image.height() - 1 - y1;
    const int m = layout.modulePixels;
    for (int my = 0; my < layout.modules; ++my) {
        for (int mx = 0; mx < layout.modules; ++mx) {
            const bool black = isBlack(image, x0 + mx * m, y0 + my * m);
            for (int dy = 0; dy < m; ++dy) {
                for (int dx = 0; dx < m; ++dx) {
                    if (isBlack(image, x0 + mx * m + dx, y0 + my * m + dy) != black) {
                        layout.problem = "module " + std::to_string(mx) + "," + std::to_string(my) + " not flat";
                        return layout;
                    }
                }
            }
        }
    }
    layout.crisp = (layout.modules - 21) % 4 == 0;
    if (!layout.crisp) {
        layout.problem = std::to_string(layout.modules) + " modules is no QR version";
    }
    return layout;
}

QByteArray gbk(const char* utf8)
{
    return toGbk(QString::fromUtf8(utf8));
}

} // namespace

TEST(QrPicture, IsExactlyTheAskedSizeWithCrispCentredModulesAndAQuietZone)
{
    struct Case { QByteArray text; int width; int height; };
    const Case cases[] = {
        {"D201556937", 256, 256},
        {"https://example.com/a?b=1", 256, 256},
        {gbk("中文标签"), 256, 256},
        {"D201556937", 100, 100},
        {"D201556937", 300, 200},
        {"D201556937", 200, 300},
        {QByteArray(500, 'x'), 256, 256},
        {"1", 29, 29}, // version 1 and its quiet zone at one pixel a module
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text.left(40).toStdString() + " at " + std::to_string(k.width) + "x"
                     + std::to_string(k.height));
        const QByteArray bmp = makeQrPicture(k.text, k.width, k.height);
        EXPECT_EQ(bmpField16(bmp, 28), 1u) << "1 bit per pixel";
        const QImage image = readBmp(bmp);
        ASSERT_EQ(image.size(), QSize(k.width, k.height));
        const SymbolLayout layout = measureSymbol(image);
        ASSERT_TRUE(layout.crisp) << layout.problem;
        const int quiet = kQrQuietZoneModules * layout.modulePixels;
        EXPECT_GE(std::min({layout.left, layout.top, layout.right, layout.bottom}), quiet);
        EXPECT_LE(std::abs(layout.left - layout.right), 1);
        EXPECT_LE(std::abs(layout.top - layout.bottom), 1);
        // The largest whole module size that fits the symbol and its quiet zone.
        EXPECT_EQ(layout.modulePixels, std::min(k.width, k.height) / (layout.modules + 2 * kQrQuietZoneModules));
    }
}

TEST(QrPicture, GivesNoPictureWhenNoneCanBeMade)
{
    EXPECT_TRUE(makeQrPicture("").isEmpty()) << "empty text";
    EXPECT_TRUE(makeQrPicture("1", 28, 28).isEmpty()) << "version 1 with its quiet zone needs 29 pixels";
    EXPECT_TRUE(makeQrPicture("D201556937", 0, 256).isEmpty());
    EXPECT_TRUE(makeQrPicture("D201556937", 256, -1).isEmpty());
    EXPECT_TRUE(makeQrPicture("D201556937", 1 << 20, 1 << 20).isEmpty()) << "beyond what a bitmap may hold";
    EXPECT_TRUE(makeQrPicture(QByteArray(4000, 'x')).isEmpty()) << "more than version 40 holds";
    EXPECT_TRUE(makeQrPicture(QByteArray(2000, 'x'), 100, 100).isEmpty()) << "177 modules in 100 pixels";
}

TEST(QrPicture, WritesNothingToTheTemporaryFolder)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    ASSERT_EQ(QDir::tempPath(), QDir::cleanPath(temp.path()));

    const QByteArray bmp = makeQrPicture("D201556937");
    const QStringList left = QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    if (saved.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", saved);
    }
    EXPECT_FALSE(bmp.isEmpty());
    EXPECT_TRUE(left.isEmpty()) << left.join(", ").toStdString();
}
