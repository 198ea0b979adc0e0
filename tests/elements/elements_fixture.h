#pragma once

#include "decoders.h"
#include "tests/editor/editor_fixture.h"

#include "app/commands.h"
#include "document/element_mouse.h"
#include "platform/gbk.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>

// The real window with the element commands, run as a user runs them: menu items, double-clicks,
// the items of the pop-up menu.
class ElementsTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(files.isValid());
    }

    // 标签 → item; the new element's tag.
    int insert(const char* item)
    {
        QAction* action = window->menuAction(QStringLiteral("标签"), QString::fromUtf8(item));
        EXPECT_NE(action, nullptr) << item;
        if (action)
            action->trigger();
        return doc().selectedTag();
    }
    int insertText() { return insert("插入文本"); }
    int insertPicture() { return insert("插入图片"); }
    int insertBarcode() { return insert("插入条形码"); }
    int insertQrCode() { return insert("插入二维码"); }

    // An item of the pop-up menu 右键 on the element, selected first by a click on it.
    void popup(int tag, const char* item)
    {
        click(doc().findElement(tag));
        ASSERT_EQ(doc().selectedTag(), tag) << "the element is to lie uncovered at (5, 5)";
        popupItem(item);
    }
    // An item of the pop-up menu on what is selected now.
    void popupItem(const char* item)
    {
        QAction* action = window->menuAction(QStringLiteral("右键"), QString::fromUtf8(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    void doubleClick(int tag) { QTest::mouseDClick(doc().findElement(tag), Qt::LeftButton, {}, QPoint(5, 5)); }
    // The double-click command alone, without the press before it.
    void doubleClickCommandOnly(int tag) { emit window->elementMouse().elementDoubleClicked(doc().findElement(tag)); }

    QByteArray content(int tag)
    {
        const ContentRecord* record = doc().findContent(tag);
        return record ? record->content : QByteArray();
    }
    static QByteArray gbk(const char* utf8) { return toGbk(QString::fromUtf8(utf8)); }

    DrawingCanvas* textControl(int tag) { return doc().findTextElement(tag); }
    PictureControl* imageControl(int tag) { return doc().findImageElement(tag); }

    QString scratchFile(const QByteArray& content) { return doc().scratchFileOf(content); }
    QByteArray scratchBytes(const QByteArray& content)
    {
        QFile file(scratchFile(content));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList scratchFiles() { return QDir(doc().scratchFolder()).entryList(QDir::Files); }

    // A picture the user may choose, written with Qt's own writer (uncompressed BMP for ".bmp").
    QString pictureFile(const QString& name, const QImage& image, const char* format = "BMP")
    {
        const QString path = files.filePath(name);
        EXPECT_TRUE(image.save(path, format)) << name.toStdString();
        return path;
    }
    QString rawFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }

    // The element as the screen shows it.
    static QImage shown(QWidget* control) { return control->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage picture(const QByteArray& bmpBytes)
    {
        return QImage::fromData(bmpBytes, "BMP").convertToFormat(QImage::Format_RGB32);
    }

    // The element as shown, on a white label with room around it, as a PNG file for the decoders.
    QString shownOnWhite(QWidget* control, const QString& name)
    {
        const QImage element = shown(control);
        QImage label(element.size() + QSize(40, 40), QImage::Format_RGB32);
        label.fill(Qt::white);
        QPainter(&label).drawImage(20, 20, element);
        const QString path = files.filePath(name + QStringLiteral(".png"));
        EXPECT_TRUE(label.save(path, "PNG"));
        return path;
    }

    // zbar and ZXing each read exactly this one symbol.
    void expectScansAs(QWidget* control, const QByteArray& utf8, const char* zxingFormat)
    {
        const QString path = shownOnWhite(control, QStringLiteral("scan%1").arg(scans++));
        const Decoded zbar = zbarRead(path);
        ASSERT_TRUE(zbar.started) << "zbarimg is not installed";
        EXPECT_EQ(zbar.out, utf8 + "\n") << "zbar";
        const Decoded zxing = zxingRead(path);
        ASSERT_TRUE(zxing.started) << "/usr/bin/python3 is not there";
        EXPECT_EQ(zxing.out, QByteArray(zxingFormat) + "\t" + utf8 + "\n") << "ZXing";
    }

    QTemporaryDir files;
    int scans = 0;
};
