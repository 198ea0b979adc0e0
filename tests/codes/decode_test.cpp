// Every picture we draw must read back, with zbar and with ZXing, as the text it was made from.
#include "codes/barcode_picture.h"
#include "codes/qr_picture.h"

#include "platform/gbk.h"
#include "tests/codes/picture_probe.h"
#include "tests/codes/tool_runner.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

QByteArray printableAscii()
{
    QByteArray all;
    for (char c = '!'; c <= '~'; ++c) {
        all.append(c);
    }
    return all;
}

QByteArray everyDigitPair()
{
    QByteArray digits;
    for (int pair = 0; pair < 100; ++pair) {
        digits.append(QByteArray::number(pair).rightJustified(2, '0'));
    }
    return digits;
}

// The barcode as it is printed: the element shows its picture stretched into its control (nearest
// pixel, as a picture control does), and printing puts that snapshot on paper at 0.1 mm a pixel,
// which a 203 dpi printer resamples to 0.8 dots a pixel.
QImage asPrinted(const QImage& picture, int boxWidth, int boxHeight)
{
    const QImage shown = picture.scaled(boxWidth, boxHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return shown.scaled(boxWidth * 4 / 5, boxHeight * 4 / 5, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

class Decoders : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }

    QString save(const QString& name, const QByteArray& bytes)
    {
        return writeFile(temp.filePath(name), bytes);
    }

    // zbar's and ZXing's reading of one picture file; each must be exactly one symbol.
    void expectBothRead(const QString& path, const QByteArray& expected, const char* zxingFormat)
    {
        ASSERT_FALSE(path.isEmpty());
        const ToolResult zbar = zbarDecode(path);
        ASSERT_TRUE(zbar.started) << "zbarimg is not installed";
        EXPECT_EQ(zbar.exitCode, 0) << zbar.err.toStdString();
        EXPECT_EQ(zbar.out, expected + "\n") << "zbar";

        const ToolResult zxing = zxingDecode(path);
        ASSERT_TRUE(zxing.started) << "/usr/bin/python3 is not there";
        EXPECT_EQ(zxing.exitCode, 0) << zxing.err.toStdString();
        EXPECT_EQ(zxing.out, QByteArray(zxingFormat) + "\t" + expected + "\n") << "ZXing";
    }

    QTemporaryDir temp;
};

} // namespace

TEST_F(Decoders, ReadEveryBarcodePictureHorizontalAndVertical)
{
    const QByteArray texts[] = {
        "B20151231235959",  // default content of a new barcode
        "B201556937",
        "AB12", "A1B", "AB123", "abc",
        "12", "123", "1234", "12345", "123456", "1234567",  // digits only
        "ABC1234567", "A1234B", "A12345B", "X12Y3456Z78901", // mixed runs
        "~!~", "!", "~", "a~b!c",
        printableAscii(),   // every code set B value
        everyDigitPair(),   // every code set C value
    };
    int n = 0;
    for (const QByteArray& text : texts) {
        for (bool vertical : {false, true}) {
            SCOPED_TRACE(text.toStdString() + (vertical ? " vertical" : " horizontal"));
            QByteArray kept = text;
            const QByteArray bmp = makeBarcodePicture(kept, vertical);
            ASSERT_FALSE(bmp.isEmpty());
            expectBothRead(save(QString("barcode%1.bmp").arg(n++), bmp), text, "Code128");
        }
    }
}

TEST_F(Decoders, ReadEveryQrPictureAsTheUtf8OfItsText)
{
    const char* texts[] = {
        "D201556937",                // default content of a new QR code
        "Hello, World! 123",
        "https://example.com/a?b=1",
        "中文标签",
        "标签 Label 123 ～！",
        "a\tb",
    };
    int n = 0;
    for (const char* utf8 : texts) {
        for (int size : {256, 100}) {
            SCOPED_TRACE(std::string(utf8) + " at " + std::to_string(size));
            const QByteArray bmp = makeQrPicture(toGbk(QString::fromUtf8(utf8)), size, size);
            ASSERT_FALSE(bmp.isEmpty());
            expectBothRead(save(QString("qr%1.bmp").arg(n++), bmp), QByteArray(utf8), "QRCode");
        }
    }
}

// A box as wide as the picture: 406 pixels, 40.6 mm, 324 dots; a module is 2.4 dots.
TEST_F(Decoders, ReadTheDefaultBarcodePrintedAtItsOwnWidthAt203Dpi)
{
    QByteArray text = "B20151231235959";
    const QImage picture = readBmp(makeBarcodePicture(text));
    ASSERT_EQ(picture.size(), QSize(406, 112));
    const QString path = temp.filePath("printed406.png");
    ASSERT_TRUE(asPrinted(picture, 406, 100).save(path, "PNG"));
    expectBothRead(path, text, "Code128");
}

// The stretched screen picture of a new barcode's 300 x 100 box cannot scan at 203 dpi (1.8 dots
// a module); printing therefore draws codes at whole printer dots, and its tests scan the paper.
