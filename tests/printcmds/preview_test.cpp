// 打印预览 in the real editor: a modal full-screen window with the label's snapshot, centred,
// dragged by the mouse, centred again by a left click on the background, closed by a right one.
#include "printing/preview_window.h"
#include "tests/editor/editor_fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QPointer>

namespace {

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

class PreviewTest : public EditorTest {
protected:
    PreviewWindow* openPreview()
    {
        window->menuAction(QStringLiteral("文件"), QStringLiteral("打印预览"))->trigger();
        PreviewWindow* preview = window->findChild<PreviewWindow*>();
        EXPECT_TRUE(preview);
        if (preview) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(preview));
        }
        return preview;
    }
    QImage shown(PreviewWindow* preview) { return preview->picture()->grab().toImage(); }
    QPoint centre(PreviewWindow* preview) { return preview->picture()->geometry().center(); }
};

TEST_F(PreviewTest, FillsTheScreenModallyWithTheLabelCentredAndTheUntitledCaption)
{
    start();
    PreviewWindow* preview = openPreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("标签打印预览 []"));
    EXPECT_TRUE(preview->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), preview);
    QTRY_COMPARE(preview->frameGeometry(), QRect(0, 0, kScreenWidth, 768));
    EXPECT_EQ(preview->picture()->objectName(), QStringLiteral("图片框1"));
    // The 72 x 25 mm label, one pixel per design pixel: ((1366 - 720) / 2, (768 - 250) / 2).
    QTRY_COMPARE(preview->picture()->geometry(), QRect(323, 259, 720, 250));
    EXPECT_EQ(preview->picture()->cursor().shape(), Qt::SizeAllCursor);
}

TEST_F(PreviewTest, ShowsTheLabelSurfaceWithItsElementsAsTheEditorDoes)
{
    start();
    doc().setFilePath(QStringLiteral("/tmp/标签/a.lab"));
    const QPoint origin = window->labelSurfaceControl()->pos();
    auto* picture = static_cast<PictureControl*>(addAt(ElementKind::Picture, "p", QRect(origin + QPoint(50, 20), QSize(100, 60))));
    picture->setPicture(solidBmp(4, 4, Qt::black));
    // Selected, so the resize handle stands at its corner: an editing aid, not part of the label.
    ASSERT_TRUE(handle()->isVisible());
    PreviewWindow* preview = openPreview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("标签打印预览 [/tmp/标签/a.lab]"));
    const QImage image = shown(preview);
    ASSERT_EQ(image.size(), QSize(720, 250));
    EXPECT_EQ(image.pixel(100, 50), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(149, 79), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(152, 82), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(300, 150), qRgb(255, 255, 255));
    EXPECT_TRUE(handle()->isVisible());
}

TEST_F(PreviewTest, DragsThePictureAndCentresItAgainOnALeftClickOnTheBackground)
{
    start();
    PreviewWindow* preview = openPreview();
    ASSERT_TRUE(preview);
    QTRY_COMPARE(preview->picture()->pos(), QPoint(323, 259));
    const QPoint grab = centre(preview);
    QTest::mousePress(preview, Qt::LeftButton, {}, grab);
    QTest::mouseMove(preview, grab + QPoint(100, 50));
    QTest::mouseMove(preview, grab + QPoint(-500, -400));
    QTest::mouseRelease(preview, Qt::LeftButton, {}, grab + QPoint(-500, -400));
    // Partly out of the window.
    EXPECT_EQ(preview->picture()->pos(), QPoint(-177, -141));
    // A right click on the picture leaves the window open.
    QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(preview->isVisible());
    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(1300, 700));
    EXPECT_EQ(preview->picture()->pos(), QPoint(323, 259));
}

TEST_F(PreviewTest, CentresAgainWhenTheWindowChangesSize)
{
    start();
    PreviewWindow* preview = openPreview();
    ASSERT_TRUE(preview);
    preview->showNormal();
    preview->setGeometry(10, 10, 1001, 601);
    QTRY_COMPARE(preview->size(), QSize(1001, 601));
    const QSize outer = preview->frameGeometry().size();
    EXPECT_EQ(preview->picture()->geometry(),
              QRect((outer.width() - 720) / 2, (outer.height() - 250) / 2, 720, 250));
}

TEST_F(PreviewTest, ShowsALabelLargerThanTheScreenAtFullSizeCentred)
{
    writeSettings("[New]\r\nW=200\r\nH=100\r\n");
    start();
    PreviewWindow* preview = openPreview();
    ASSERT_TRUE(preview);
    QTRY_COMPARE(preview->picture()->geometry(), QRect((1366 - 2000) / 2, (768 - 1000) / 2, 2000, 1000));
    EXPECT_EQ(shown(preview).size(), QSize(2000, 1000));
}

TEST_F(PreviewTest, ARightClickOnTheBackgroundClosesItAndReturnsToTheEditor)
{
    start();
    QPointer<PreviewWindow> preview = openPreview();
    ASSERT_TRUE(preview);
    QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(5, 5));
    QTRY_VERIFY(preview.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

} // namespace
