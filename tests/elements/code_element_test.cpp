#include "elements_fixture.h"

#include "document/drawing_canvas.h"
#include "document/picture_control.h"

namespace {

quint32 field32(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

QSize bmpSize(const QByteArray& bytes)
{
    return bytes.size() < 26 ? QSize() : QSize(int(field32(bytes, 18)), int(field32(bytes, 22)));
}

} // namespace

TEST_F(ElementsTest, ANewBarcodeShowsItsDefaultContentAndScans)
{
    clock.set(QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59)));
    start();
    const int tag = insertBarcode();
    ASSERT_EQ(tag, 300001);
    PictureControl* control = imageControl(tag);
    EXPECT_EQ(content(tag), QByteArray("B20151231235959"));
    EXPECT_EQ(control->geometry(), QRect(600, 176, 300, 100));
    EXPECT_EQ(bmpSize(control->picture()), QSize(406, 112)) << "134 modules, 3 pixels each, and the margins";
    EXPECT_EQ(scratchBytes("B20151231235959"), control->picture());
    EXPECT_TRUE(handle()->isVisible());
    EXPECT_EQ(handle()->pos(), QPoint(900, 276));
    EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= 300001 ,")));
    EXPECT_TRUE(readout().endsWith(QStringLiteral(",pw= 30 mm,ph= 10 mm,pv= B20151231235959"))) << readout().toStdString();
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "nothing asked, nothing shown";
    expectScansAs(control, "B20151231235959", "Code128");
}

TEST_F(ElementsTest, ANewQrCodeShowsItsDefaultContentAndScans)
{
    start();
    const int tag = insertQrCode();
    ASSERT_EQ(tag, 400001);
    PictureControl* control = imageControl(tag);
    EXPECT_EQ(content(tag), QByteArray("D201556953"));
    EXPECT_EQ(control->geometry(), QRect(600, 176, 100, 100));
    EXPECT_EQ(bmpSize(control->picture()), QSize(256, 256));
    EXPECT_EQ(scratchBytes("D201556953"), control->picture());
    EXPECT_EQ(handle()->pos(), QPoint(700, 276));
    EXPECT_TRUE(readout().endsWith(QStringLiteral("pv= D201556953")));
    expectScansAs(control, "D201556953", "QRCode");
}

TEST_F(ElementsTest, CodesInsertedWithinOneSecondGetTheirOwnContents)
{
    start();
    const int barcodes[] = {insertBarcode(), insertBarcode(), insertBarcode()};
    const int qrCodes[] = {insertQrCode(), insertQrCode()};
    QSet<QByteArray> seen;
    for (const int tag : barcodes) {
        const QByteArray own = content(tag);
        EXPECT_TRUE(own.startsWith("B201556953")) << own.toStdString();
        seen.insert(own);
        EXPECT_EQ(scratchBytes(own), imageControl(tag)->picture());
        expectScansAs(imageControl(tag), own, "Code128");
    }
    for (const int tag : qrCodes) {
        const QByteArray own = content(tag);
        EXPECT_TRUE(own.startsWith("D201556953")) << own.toStdString();
        seen.insert(own);
        expectScansAs(imageControl(tag), own, "QRCode");
    }
    EXPECT_EQ(seen.size(), 5);
    EXPECT_EQ(scratchFiles().size(), 5);
}

TEST_F(ElementsTest, ABarcodeTakesTheTypedTextWithoutSpacesAndItsShapeSetsTheDirection)
{
    start();
    const int tag = insertBarcode();
    clock.advanceSeconds(10);
    dialogs.inputs = {QStringLiteral(" AB 12\u3000cd ")};
    doubleClick(tag);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("input"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("插入条码"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("请输入需要生成的条码内容，请不要输入中文和特殊符号！"));
    EXPECT_EQ(dialogs.shown[0].initial, QStringLiteral("B2015569513")) << "the timestamp of now";
    EXPECT_EQ(content(tag), QByteArray("AB12cd"));
    PictureControl* control = imageControl(tag);
    EXPECT_EQ(scratchBytes("AB12cd"), control->picture());
    EXPECT_FALSE(QFile::exists(scratchFile("B201556953"))) << "the old content's file goes";
    const QSize across = bmpSize(control->picture());
    EXPECT_GT(across.width(), across.height()) << "300 × 100 is wider than high";
    EXPECT_EQ(control->geometry(), QRect(600, 176, 300, 100));
    EXPECT_EQ(handle()->pos(), QPoint(900, 276));
    EXPECT_TRUE(readout().endsWith(QStringLiteral("pv= AB12cd")));
    expectScansAs(control, "AB12cd", "Code128");

    // As high as wide counts as upright.
    control->resize(120, 120);
    dialogs.inputs = {QStringLiteral("UP1")};
    doubleClick(tag);
    ASSERT_EQ(content(tag), QByteArray("UP1"));
    const QSize along = bmpSize(control->picture());
    EXPECT_LT(along.width(), along.height());
    EXPECT_EQ(control->size(), QSize(120, 120));
    expectScansAs(control, "UP1", "Code128");
}

TEST_F(ElementsTest, AQrCodeKeepsItsSpacesAndTakesAnyText)
{
    start();
    const int tag = insertQrCode();
    PictureControl* control = imageControl(tag);
    const struct {
        const char* utf8;
    } cases[] = {
        {" A B  C "},
        {"https://example.com/a?b=1"},
        {"C:\\labels\\..\\x*y|z\"<>"},
        {"标签 Label 123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        dialogs.shown.clear();
        const QByteArray old = content(tag);
        dialogs.inputs = {QString::fromUtf8(c.utf8)};
        doubleClick(tag);
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("插入二维码"));
        EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("请输入需要生成的二维码内容！"));
        EXPECT_EQ(dialogs.shown[0].initial, QStringLiteral("D201556953"));
        EXPECT_EQ(content(tag), gbk(c.utf8));
        EXPECT_EQ(scratchBytes(gbk(c.utf8)), control->picture());
        EXPECT_TRUE(QFileInfo(scratchFile(gbk(c.utf8))).absolutePath() == QDir(doc().scratchFolder()).absolutePath())
            << "the file stays in the scratch folder";
        EXPECT_FALSE(QFile::exists(scratchFile(old)));
        EXPECT_EQ(scratchFiles().size(), 1);
        EXPECT_EQ(bmpSize(control->picture()), QSize(256, 256));
        expectScansAs(control, QByteArray(c.utf8), "QRCode");
    }
}

TEST_F(ElementsTest, AContentAnyRecordHoldsIsRefusedAndTheElementStays)
{
    start();
    const int text = insertText();
    dialogs.inputs = {QStringLiteral("A B")};
    doubleClick(text);
    const int qr = insertQrCode();               // D201556953
    const int other = insertBarcode();           // B201556953
    dialogs.inputs = {QStringLiteral("XY")};
    doubleClick(other);
    const int barcode = insertBarcode();         // B201556953, free again
    ASSERT_EQ(content(barcode), QByteArray("B201556953"));
    const struct {
        const char* rule;
        int tag;
        const char* typed;
        const char* title;
        const char* message;
    } cases[] = {
        {"the barcode's own content", barcode, "B201556953", "条码重复", "条码无效，当前输入内容已存在，请更换重试！"},
        {"a text element's text", barcode, "A B", "条码重复", "条码无效，当前输入内容已存在，请更换重试！"},
        {"a QR code's content", barcode, "D201556953", "条码重复", "条码无效，当前输入内容已存在，请更换重试！"},
        {"another barcode's content once its spaces go", barcode, "X Y", "条码重复",
         "条码无效，当前输入内容已存在，请更换重试！"},
        {"the QR code's own content", qr, "D201556953", "二维码重复", "二维码无效，当前输入内容已存在，请更换重试！"},
        {"a text element's text, spaces and all", qr, "A B", "二维码重复", "二维码无效，当前输入内容已存在，请更换重试！"},
    };
    for (const auto& c : cases) {
        const QByteArray before = content(c.tag);
        const QByteArray picture = imageControl(c.tag)->picture();
        const QStringList filesBefore = scratchFiles();
        handle()->move(10, 500);
        window->statusPanel()->setPartText(4, QStringLiteral("old"));
        dialogs.shown.clear();
        dialogs.inputs = {QString::fromUtf8(c.typed)};
        doubleClickCommandOnly(c.tag);
        ASSERT_EQ(dialogs.shown.size(), 2) << c.rule;
        EXPECT_EQ(dialogs.shown[1].kind, QStringLiteral("error")) << c.rule;
        EXPECT_EQ(dialogs.shown[1].title, QString::fromUtf8(c.title)) << c.rule;
        EXPECT_EQ(dialogs.shown[1].text, QString::fromUtf8(c.message)) << c.rule;
        EXPECT_EQ(content(c.tag), before) << c.rule;
        EXPECT_EQ(imageControl(c.tag)->picture(), picture) << c.rule;
        EXPECT_EQ(scratchFiles(), filesBefore) << c.rule;
        EXPECT_EQ(readout(), QStringLiteral("old")) << c.rule << ": the command ends at once";
    }
    // The same text differing only in its spaces is another QR content.
    dialogs.inputs = {QStringLiteral("A  B")};
    doubleClickCommandOnly(qr);
    EXPECT_EQ(content(qr), QByteArray("A  B"));
}

TEST_F(ElementsTest, ABarcodeTextCodeSetBCannotCarryIsRefusedWithAMessage)
{
    start();
    const int tag = insertBarcode();
    const QByteArray picture = imageControl(tag)->picture();
    for (const char* typed : {"条码123", "A\tB", "ABC\u00e9"}) {
        dialogs.shown.clear();
        dialogs.inputs = {QString::fromUtf8(typed)};
        doubleClickCommandOnly(tag);
        ASSERT_EQ(dialogs.shown.size(), 2) << typed;
        EXPECT_EQ(dialogs.shown[1].kind, QStringLiteral("error"));
        EXPECT_EQ(dialogs.shown[1].title, QStringLiteral("条码无效"));
        EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("英文字母、数字和英文符号")))
            << dialogs.shown[1].text.toStdString();
        EXPECT_EQ(content(tag), QByteArray("B201556953")) << typed;
        EXPECT_EQ(imageControl(tag)->picture(), picture) << typed;
    }
}

TEST_F(ElementsTest, ABlankOrCancelledCodeEntryStillPlacesTheHandleAndRefreshes)
{
    start();
    for (const int tag : {insertBarcode(), insertQrCode()}) {
        PictureControl* control = imageControl(tag);
        control->move(300, 300);
        const QByteArray picture = control->picture();
        const QByteArray before = content(tag);
        for (const std::optional<QString>& answer :
             {std::optional<QString>(), std::optional<QString>(QStringLiteral(" \u3000 ")),
              std::optional<QString>(QString())}) {
            dialogs.shown.clear();
            handle()->move(10, 500);
            window->statusPanel()->setPartText(4, QStringLiteral("old"));
            dialogs.inputs = {answer};
            doubleClickCommandOnly(tag);
            EXPECT_EQ(dialogs.shown.size(), 1) << "no message";
            EXPECT_EQ(content(tag), before);
            EXPECT_EQ(control->picture(), picture);
            EXPECT_EQ(handle()->pos(), control->geometry().bottomRight() + QPoint(1, 1));
            EXPECT_TRUE(handle()->isVisible());
            EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= %1 ,").arg(tag))) << readout().toStdString();
        }
    }
}
