#include "elements_fixture.h"

#include "document/drawing_canvas.h"
#include "document/picture_control.h"

#include <QFontMetrics>
#include <QTransform>

namespace {

QImage turned(const QImage& image, int degreesClockwise)
{
    return image.transformed(QTransform().rotate(degreesClockwise));
}

} // namespace

TEST_F(ElementsTest, ACodeLiesAcrossAtZeroAndHalfATurnAndAlongAtTheQuarterTurns)
{
    start();
    const int barcode = insertBarcode();
    imageControl(barcode)->move(100, 200);
    const int qr = insertQrCode();
    imageControl(qr)->move(500, 200);
    for (const int tag : {barcode, qr}) {
        PictureControl* control = imageControl(tag);
        const QByteArray file = scratchBytes(content(tag));
        const QImage unturned = picture(file);
        const QRect box = control->geometry();
        click(control);
        const QPoint handleAt = handle()->pos();

        popup(tag, "旋转90度");
        const QImage at900 = picture(control->picture());
        EXPECT_EQ(at900, turned(unturned, 90)) << "a quarter turn clockwise";
        popup(tag, "旋转270度");
        EXPECT_EQ(picture(control->picture()), at900) << "2700 looks as 900";
        popup(tag, "旋转180度");
        EXPECT_EQ(picture(control->picture()), unturned) << "1800 looks as 0";
        popup(tag, "旋转90度");
        popup(tag, "旋转90度");
        EXPECT_EQ(picture(control->picture()), at900) << "the angle is absolute";
        popup(tag, "旋转0度");
        EXPECT_EQ(picture(control->picture()), unturned);

        EXPECT_EQ(control->geometry(), box);
        EXPECT_EQ(handle()->pos(), handleAt);
        EXPECT_EQ(scratchBytes(content(tag)), file) << "the scratch file is never rewritten";
    }
}

TEST_F(ElementsTest, TurnedCodesStillScan)
{
    start();
    const int barcode = insertBarcode();
    const int qr = insertQrCode();
    dialogs.inputs = {QStringLiteral("https://example.com/a?b=1")};
    doubleClick(qr);
    ASSERT_EQ(content(qr), QByteArray("https://example.com/a?b=1"));
    imageControl(barcode)->setGeometry(100, 300, 100, 300);
    popup(barcode, "旋转90度");
    expectScansAs(imageControl(barcode), "B201556953", "Code128");
    popup(qr, "旋转90度");
    expectScansAs(imageControl(qr), "https://example.com/a?b=1", "QRCode");
}

TEST_F(ElementsTest, APictureTurnsClockwiseByTheAngleInItsUnchangedBox)
{
    start();
    const int tag = insertPicture();
    // 100 × 50, white, with a black block in the top-left corner and a black row along the bottom.
    QImage source(100, 50, QImage::Format_RGB32);
    source.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            source.setPixel(x, y, qRgb(0, 0, 0));
    for (int x = 0; x < 100; ++x)
        source.setPixel(x, 49, qRgb(0, 0, 0));
    dialogs.openPaths = {pictureFile(QStringLiteral("mark.bmp"), source)};
    doubleClick(tag);
    ASSERT_EQ(content(tag), QByteArray("P201556953"));
    PictureControl* control = imageControl(tag);
    control->resize(100, 50);
    const QByteArray file = scratchBytes(content(tag));

    popup(tag, "旋转90度");
    const QImage at900 = picture(control->picture());
    ASSERT_EQ(at900.size(), QSize(50, 100));
    EXPECT_EQ(at900.pixel(45, 5), qRgb(0, 0, 0)) << "the top-left block goes to the top-right";
    EXPECT_EQ(at900.pixel(0, 50), qRgb(0, 0, 0)) << "the bottom row becomes the left column";
    EXPECT_EQ(at900.pixel(25, 50), qRgb(255, 255, 255));
    EXPECT_EQ(at900, turned(picture(file), 90));
    EXPECT_EQ(control->size(), QSize(100, 50)) << "shown stretched in the unchanged box";

    popup(tag, "旋转180度");
    const QImage at1800 = picture(control->picture());
    ASSERT_EQ(at1800.size(), QSize(100, 50));
    EXPECT_EQ(at1800.pixel(95, 45), qRgb(0, 0, 0)) << "the block in the bottom-right corner";
    EXPECT_EQ(at1800.pixel(50, 0), qRgb(0, 0, 0)) << "the row along the top";

    popup(tag, "旋转270度");
    const QImage at2700 = picture(control->picture());
    ASSERT_EQ(at2700.size(), QSize(50, 100));
    EXPECT_EQ(at2700.pixel(5, 95), qRgb(0, 0, 0)) << "the block in the bottom-left corner";
    EXPECT_EQ(at2700.pixel(49, 50), qRgb(0, 0, 0)) << "the row along the right";

    popup(tag, "旋转0度");
    EXPECT_EQ(picture(control->picture()), picture(file));
    EXPECT_EQ(scratchBytes(content(tag)), file);
    EXPECT_EQ(control->size(), QSize(100, 50));
}

TEST_F(ElementsTest, WithoutAReadableScratchFileAnImageElementDoesNotTurn)
{
    start();
    const int picture = insertPicture();
    imageControl(picture)->move(100, 200);
    const int barcode = insertBarcode();
    imageControl(barcode)->move(300, 200);
    QFile::remove(scratchFile(content(barcode)));
    const int qr = insertQrCode();
    imageControl(qr)->move(700, 200);
    QFile file(scratchFile(content(qr)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("BM not a picture");
    file.close();
    for (const int tag : {picture, barcode, qr}) {
        const QByteArray shownBytes = imageControl(tag)->picture();
        for (const char* item : {"旋转90度", "旋转180度", "旋转270度", "旋转0度"}) {
            popup(tag, item);
            EXPECT_EQ(imageControl(tag)->picture(), shownBytes) << tag << " " << item;
        }
    }
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "without a message";
}

TEST_F(ElementsTest, ATextTurnsCounterClockwiseWithItsBoxAndTheReadoutWaits)
{
    start();
    const int tag = insertText();
    DrawingCanvas* canvas = textControl(tag);
    canvas->move(200, 200);

    // Before its first edit: the box fits "[双击输入文本]" at once.
    popup(tag, "旋转90度");
    const QFontMetrics metrics(canvas->canvasFont());
    const QString placeholder = QStringLiteral("[双击输入文本]");
    EXPECT_EQ(canvas->geometry(), QRect(200, 200, metrics.height(), metrics.horizontalAdvance(placeholder)));
    EXPECT_EQ(canvas->elementFont().angle, 900);
    EXPECT_FALSE(handle()->isVisible());

    popup(tag, "旋转0度");
    const QSize flat = canvas->size();
    EXPECT_EQ(flat, QSize(metrics.horizontalAdvance(placeholder), metrics.height()));
    click(canvas);
    const QString before = readout();
    popupItem("旋转270度");
    EXPECT_EQ(canvas->size(), flat.transposed());
    EXPECT_EQ(canvas->pos(), QPoint(200, 200));
    EXPECT_EQ(readout(), before) << "not refreshed by the rotation itself";

    // Every other field of the font stays.
    const ElementFont font = canvas->elementFont();
    EXPECT_EQ(font, (ElementFont{2700, true, false, false, false, 16, gbk("黑体")}));
}
