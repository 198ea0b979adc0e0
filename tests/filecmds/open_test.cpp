#include "file_test_support.h"

#include "document/text_element.h"
#include "files/document_codec.h"
#include "tests/files/hand_built_label.h"

#include <sys/stat.h>

namespace {

constexpr std::uint32_t W = 0xFFFFFF, K = 0x000000, R = 0xFF0000;

const QString kAskTitle = QStringLiteral("打开确认");
const QString kAskText = QStringLiteral("是否确定要关闭当前编辑的标签并打开新的标签文件？\r\n温馨提示：请注意保存当前文件！");
const QString kBadMagic = QStringLiteral("无法打开|无法打开，错误的标签格式，请重新选择！");
const QString kBadSize = QStringLiteral("打开失败|打开失败，错误的标签宽度或高度！");
const QString kCannotLoad = QStringLiteral("打开失败|打开失败，无法加载数据，请稍后重试！");

QByteArray textRecordOf(int left, int top, const char* line)
{
    return handTextRecord(left, top, 10, 10, handBlock(gbk(line)));
}

QByteArray imageRecordOf(char letter, QRect box, const QByteArray& content, const QByteArray& picture)
{
    return handImageRecord(letter, box.x(), box.y(), box.width(), box.height(), handBlock(content),
                           handBlock(picture));
}

} // namespace

class OpenTest : public FileCommandsTest {
protected:
    // Where the text of a canvas goes at its angle: the box it fits, measured in its own font.
    static QSize measuredBox(DrawingCanvas* canvas, const QByteArray& content)
    {
        const QSize extent = canvas->textExtent(fromGbk(content));
        return canvas->fontAngle() == 900 || canvas->fontAngle() == 2700 ? extent.transposed() : extent;
    }

    QString writeLab(const char* name, const QByteArray& bytes)
    {
        const QString path = labFile(QString::fromLatin1(name));
        EXPECT_TRUE(writeBytes(path, bytes));
        return path;
    }

    QString fifo()
    {
        const QString path = labFile(QStringLiteral("pipe.lab"));
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }

    // A titled label with an element of each kind and a selected barcode.
    void makeTitledLabel()
    {
        auto* picture = static_cast<PictureControl*>(addAt(ElementKind::Picture, "P1", QRect(300, 200, 40, 20)));
        picture->setPicture(bmp24({{K, W}, {W, K}}));
        const int text = doc().addElement(ElementKind::Text, gbkOf("旧标签"));
        renderTextElement(doc(), text);
        addAt(ElementKind::Barcode, "B1", QRect(400, 200, 60, 30));
        saveTo(labFile(QStringLiteral("current.lab")));
        dialogs.shown.clear();
        dialogs.fileDialogs.clear();
    }
};

TEST_F(OpenTest, TheIndependentWritersFileOpensWithEveryElementTaggedByKind)
{
    start();
    const QString path = compatFile("one_of_each.lab");
    openFrom(path);
    ASSERT_TRUE(errors().isEmpty()) << errors().join(QStringLiteral("; ")).toStdString();

    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    const auto& dialog = dialogs.fileDialogs.first();
    EXPECT_EQ(dialog.kind, QStringLiteral("open"));
    EXPECT_EQ(dialog.title, QStringLiteral("请选择需要打开的标签文件"));
    EXPECT_EQ(dialog.filter, QStringLiteral("lab文件(*.lab)|*.lab"));
    EXPECT_EQ(dialog.folder, window->paths().labFolder);
    EXPECT_EQ(dialog.extension, QStringLiteral("lab"));
    // An empty, untitled label is not asked about.
    EXPECT_EQ(dialogs.shown.first().kind, QStringLiteral("open"));

    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(500, 300));
    const struct {
        int tag;
        const char* content;
        QRect box;
        QByteArray picture;
    } images[] = {
        {200001, "201556937", {40, 60, 4, 2}, bmp24({{W, K, R, W}, {K, W, W, R}})},
        {300001, "B20151231235959", {100, 80, 6, 3}, bmp24({{K, W, K, K, W, K}, {K, W, K, K, W, K}, {K, W, K, K, W, K}})},
        {400001, "二维码ABC", {30, 150, 3, 3}, bmp24({{K, W, K}, {W, K, W}, {K, K, K}})},
    };
    ASSERT_EQ(doc().imageElements().size(), 3);
    int below = -1;
    for (qsizetype i = 0; i < 3; ++i) {
        const auto& image = images[i];
        PictureControl* control = doc().imageElements()[i];
        EXPECT_EQ(LabelDocument::tagOf(control), image.tag);
        EXPECT_EQ(control->geometry(), image.box);
        EXPECT_EQ(doc().findContent(image.tag)->content, gbkOf(image.content));
        EXPECT_EQ(control->picture(), image.picture);
        EXPECT_EQ(fileBytes(doc().elementScratchFile(image.tag)), image.picture);
        EXPECT_EQ(doc().elementScratchFile(image.tag), doc().scratchFileOf(gbkOf(image.content)));
        EXPECT_TRUE(control->isVisible());
        EXPECT_GT(stackIndex(control), below);
        below = stackIndex(control);
    }
    const struct {
        int tag;
        const char* content;
        QPoint place;
        ElementFont font;
    } texts[] = {
        {100001, "[双击输入文本]", {200, 120}, {0, true, false, false, false, 16, gbkOf("黑体")}},
        {100002, "标签 Label", {210, 170}, {900, false, true, true, true, 12, gbkOf("宋体")}},
    };
    ASSERT_EQ(doc().textElements().size(), 2);
    for (qsizetype j = 0; j < 2; ++j) {
        const auto& text = texts[j];
        DrawingCanvas* canvas = doc().textElements()[j];
        EXPECT_EQ(LabelDocument::tagOf(canvas), text.tag);
        EXPECT_EQ(canvas->pos(), text.place);
        EXPECT_EQ(canvas->elementFont(), text.font);
        EXPECT_EQ(doc().findContent(text.tag)->content, gbkOf(text.content));
        // The stored 208 × 32 and 40 × 90 give way to the text's own box.
        EXPECT_EQ(canvas->size(), measuredBox(canvas, gbkOf(text.content))) << text.content;
        EXPECT_GT(stackIndex(canvas), below);
        below = stackIndex(canvas);
    }
    EXPECT_EQ(doc().contents().size(), 5);
    EXPECT_EQ(doc().selectedTag(), 100002);
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= 100002 ,px= 18.6 mm,")));
    EXPECT_EQ(doc().filePath(), path);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ ") + path + QStringLiteral(" ]"));
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST_F(OpenTest, OtherWritersFilesWithPipesAndOddLengthsOpen)
{
    start();
    openFrom(compatFile("pipe_in_content.lab"));
    ASSERT_EQ(doc().textElements().size(), 1);
    EXPECT_EQ(doc().findContent(100001)->content, "a|b|");
    EXPECT_EQ(doc().textElements()[0]->elementFont(), (ElementFont{1800, true, true, false, false, 9, "Arial"}));

    openFrom(compatFile("stated_lengths.lab"));
    ASSERT_EQ(doc().imageElements().size(), 1);
    EXPECT_EQ(doc().findContent(300001)->content, "ABCDEFGHIJ");
    EXPECT_TRUE(doc().imageElements()[0]->picture().isEmpty());
    // Only image elements: the last one keeps the handle.
    EXPECT_EQ(doc().selectedTag(), 300001);
    EXPECT_TRUE(handle()->isVisible());
    EXPECT_EQ(handle()->pos(), QPoint(25, 49));

    openFrom(compatFile("empty_72x25.lab"));
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(720, 250));
    EXPECT_TRUE(doc().imageElements().isEmpty());
    EXPECT_EQ(doc().selectedTag(), 0);
    EXPECT_FALSE(handle()->isVisible());
}

// Save, then open: the same label, down to the tags, the stacking and the selection.
TEST_F(OpenTest, ASavedLabelOpensAsItWasSaved)
{
    start();
    window->labelSurfaceControl()->resize(600, 400);
    const struct {
        ElementKind kind;
        const char* content;
        QRect box;
    } images[] = {
        {ElementKind::Picture, "P201556953", {100, 120, 30, 20}},
        {ElementKind::Barcode, "B201556953", {150, 120, 90, 30}},
        {ElementKind::Picture, "[双击选图]", {250, 100, 100, 100}},
        {ElementKind::QrCode, "https://example.com/a?b=1", {400, 100, 50, 50}},
    };
    for (const auto& image : images) {
        auto* control = static_cast<PictureControl*>(addAt(image.kind, gbkOf(image.content), image.box));
        if (image.kind != ElementKind::Picture || image.content[0] == 'P')
            control->setPicture(bmp24({{K, W, K}, {W, R, W}}));
    }
    const struct {
        const char* content;
        QPoint place;
        ElementFont font;
    } texts[] = {
        {"品名：苹果", {100, 200}, {0, true, false, false, false, 16, gbkOf("黑体")}},
        {"a|b", {100, 260}, {900, false, true, false, true, 12, gbkOf("宋体")}},
        {"Lot 42", {300, 260}, {2700, false, false, true, false, 20, "DejaVu Sans"}},
    };
    for (const auto& text : texts) {
        auto* canvas = static_cast<DrawingCanvas*>(addAt(ElementKind::Text, gbkOf(text.content), QRect(text.place, QSize(10, 10))));
        canvas->setElementFont(text.font);
        renderTextElement(doc(), LabelDocument::tagOf(canvas));
    }
    // The stacking changed after insertion: the first picture on top of everything.
    doc().imageElements()[0]->raise();
    doc().select(LabelDocument::tagOf(doc().imageElements()[1]));

    std::vector<QByteArray> shown;
    for (PictureControl* control : doc().imageElements())
        shown.push_back(shownPictureBmp(*control));
    LabelState saved = labelState();
    const QString path = labFile(QStringLiteral("round.lab"));
    saveTo(path);
    const QByteArray file = fileBytes(path);

    for (int time = 0; time < 2; ++time) {
        openFrom(path);
        ASSERT_TRUE(errors().isEmpty()) << errors().join(QStringLiteral("; ")).toStdString();
        const LabelState opened = labelState();
        EXPECT_EQ(opened.labelSize, saved.labelSize);
        EXPECT_EQ(opened.filePath, path);
        ASSERT_EQ(opened.images.size(), 4);
        ASSERT_EQ(opened.texts.size(), 3);
        // Tags by kind in file order: the pictures 200001 and 200002, the barcode and QR code their
        // kind's first.
        const int imageTags[] = {200001, 300001, 200002, 400001};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(opened.images[i].tag, imageTags[i]);
            EXPECT_EQ(opened.images[i].box, saved.images[i].box);
            EXPECT_EQ(opened.images[i].content, saved.images[i].content);
            // Each picture is now the one the element showed, and it is in the element's scratch file.
            EXPECT_EQ(opened.images[i].picture, shown[i]);
            EXPECT_EQ(fileBytes(doc().elementScratchFile(imageTags[i])), shown[i]);
        }
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(opened.texts[j].tag, saved.texts[j].tag);
            EXPECT_EQ(opened.texts[j].box, saved.texts[j].box) << j;
            EXPECT_EQ(opened.texts[j].content, saved.texts[j].content);
            EXPECT_EQ(opened.texts[j].font, saved.texts[j].font);
        }
        // Every element was raised as it was built: the images in table order, the texts above them.
        for (std::size_t k = 1; k < 7; ++k) {
            const int previous = k < 4 ? opened.images[k - 1].stackIndex : k == 4 ? opened.images[3].stackIndex
                                                                                 : opened.texts[k - 5].stackIndex;
            const int current = k < 4 ? opened.images[k].stackIndex : opened.texts[k - 4].stackIndex;
            EXPECT_LT(previous, current) << k;
        }
        // The last element built is selected, a text: the handle is parked.
        EXPECT_EQ(opened.selectedTag, 100003);
        EXPECT_FALSE(opened.handleVisible);
        EXPECT_EQ(opened.handlePlace, window->resetButton()->pos());
        EXPECT_TRUE(opened.readout.startsWith(QStringLiteral("pi= 100003 ")));
    }

    // Written again, the opened label is the same file.
    run(Command::Save);
    EXPECT_EQ(fileBytes(path), file);
}

TEST_F(OpenTest, EveryFailureShowsItsMessageAndLeavesTheLabelAsItWas)
{
    start();
    makeTitledLabel();
    const QByteArray oneOfEach = fileBytes(compatFile("one_of_each.lab"));
    const QByteArray picture = bmp24({{K}});
    const struct {
        const char* rule;
        std::optional<QString> chosen;
        QString message; // empty: none
    } cases[] = {
        {"dialog cancelled", std::nullopt, QString()},
        {"empty name", QString(), QString()},
        {"no such file", labFile(QStringLiteral("missing.lab")), kBadMagic},
        {"a folder", home() + QStringLiteral("/lab"), kBadMagic},
        {"a pipe, which could give bytes without end", fifo(), kBadMagic},
        {"empty file", writeLab("empty.lab", QByteArray()), kBadMagic},
        {"nine bytes of the magic", writeLab("short.lab", "lab 1.0 ."), kBadMagic},
        {"another magic", writeLab("other.lab", "LAB 1.0 .." + oneOfEach.mid(10)), kBadMagic},
        {"the placeholder label file", compatFile("placeholder.lab"), kBadSize},
        {"height 0", writeLab("flat.lab", "lab 1.0 .." + le32(720) + le32(0) + le32(0) + le32(0)), kBadSize},
        {"width beyond any window", writeLab("wide.lab", "lab 1.0 .." + le32(16777216) + le32(250) + le32(0) + le32(0)),
         kBadSize},
        {"seven fields after a picture", compatFile("seven_fields.lab"), kCannotLoad},
        {"six fields after a good text",
         writeLab("six.lab", handLabel(300, 200, {}, {textRecordOf(30, 40, "0|真|假|假|假|16|黑体|a"),
                                                      textRecordOf(30, 80, "0|真|假|假|假|16")})),
         kCannotLoad},
        {"cut short in the offset table", writeLab("cut.lab", oneOfEach.left(30)), kCannotLoad},
        {"counts beyond the table", writeLab("counts.lab", "lab 1.0 .." + le32(300) + le32(200) + le32(2) + le32(0) + le32(0)),
         kCannotLoad},
        {"a picture wider than any picture",
         writeLab("widepic.lab", handLabel(300, 200, {imageRecordOf('P', {30, 40, 16385, 10}, "P1", picture)}, {})),
         kCannotLoad},
        {"a text size beyond any font",
         writeLab("huge.lab", handLabel(300, 200, {}, {textRecordOf(30, 40, "0|真|假|假|假|5000|黑体|a")})), kCannotLoad},
        {"a line too long to lay out",
         writeLab("long.lab", handLabel(300, 200, {}, {textRecordOf(30, 40, ("0|真|假|假|假|200|黑体|" + QByteArray(3000, 'W')).constData())})),
         kCannotLoad},
    };
    const LabelState before = labelState();
    for (const auto& c : cases) {
        dialogs.shown.clear();
        dialogs.answers.append(true);
        dialogs.openPaths.append(c.chosen);
        run(Command::Open);
        dialogs.answers.clear();
        EXPECT_EQ(errors(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.rule;
        EXPECT_EQ(labelState(), before) << c.rule;
    }
}

TEST_F(OpenTest, TheQuestionComesWheneverTheLabelHoldsSomething)
{
    start();
    const QString file = compatFile("empty_72x25.lab");
    // Untitled with an element: asked; No keeps it and shows no dialog.
    addAt(ElementKind::Barcode, "B1", QRect(100, 100, 60, 30));
    const LabelState before = labelState();
    dialogs.openPaths.append(file);
    run(Command::Open);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("ask"));
    EXPECT_EQ(dialogs.shown[0].title, kAskTitle);
    EXPECT_EQ(dialogs.shown[0].text, kAskText);
    EXPECT_EQ(labelState(), before);

    // Titled and empty: asked too.
    doc().resetDocument();
    doc().setFilePath(labFile(QStringLiteral("x.lab")));
    dialogs.shown.clear();
    dialogs.openPaths.clear();
    run(Command::Open);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("ask"));

    // Untitled and empty: straight to the dialog.
    doc().resetDocument();
    dialogs.shown.clear();
    run(Command::Open);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("open"));
}

TEST_F(OpenTest, ImageRecordsSharingAContentKeepTheirOwnPictures)
{
    start();
    const QByteArray first = bmp24({{K, W}});
    const QByteArray second = bmp24({{W, K}});
    const QByteArray third = bmp24({{R, R}});
    const QString path = writeLab("shared.lab", handLabel(300, 200,
        {imageRecordOf('B', {30, 40, 2, 1}, "B1", first), imageRecordOf('B', {30, 80, 2, 1}, "B1", second),
         imageRecordOf('D', {30, 120, 2, 1}, "B1", third)},
        {}));
    openFrom(path);
    ASSERT_EQ(doc().imageElements().size(), 3);
    const QString files[] = {doc().elementScratchFile(300001), doc().elementScratchFile(300002),
                             doc().elementScratchFile(400001)};
    EXPECT_EQ(files[0], doc().scratchFileOf("B1"));
    EXPECT_NE(files[1], files[0]);
    EXPECT_NE(files[2], files[0]);
    EXPECT_NE(files[2], files[1]);
    EXPECT_EQ(fileBytes(files[0]), first);
    EXPECT_EQ(fileBytes(files[1]), second);
    EXPECT_EQ(fileBytes(files[2]), third);
    for (const QString& file : files)
        EXPECT_TRUE(QFileInfo(file).absolutePath() == QFileInfo(doc().scratchFolder()).absoluteFilePath()) << file.toStdString();

    // Reset deletes every one of them.
    doc().resetDocument();
    for (const QString& file : files)
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();

    // A new content ends the element's own file: its picture is then the new content's.
    openFrom(path);
    doc().setContent(300002, "B2");
    EXPECT_EQ(doc().elementScratchFile(300002), doc().scratchFileOf("B2"));
}

TEST_F(OpenTest, AnUnknownKindLetterOpensAsAPicture)
{
    start();
    const QByteArray picture = bmp24({{K}});
    openFrom(writeLab("kinds.lab", handLabel(300, 200,
        {imageRecordOf('P', {30, 40, 1, 1}, "P1", picture), imageRecordOf('X', {30, 80, 1, 1}, "X1", picture),
         imageRecordOf('B', {30, 120, 1, 1}, "B1", picture)},
        {})));
    ASSERT_EQ(doc().imageElements().size(), 3);
    EXPECT_EQ(LabelDocument::tagOf(doc().imageElements()[1]), 200002);
    EXPECT_EQ(LabelDocument::tagOf(doc().imageElements()[2]), 300001);
}

TEST_F(OpenTest, AnEmptyOrOverlongFaceNameBecomesSongti)
{
    start();
    openFrom(writeLab("faces.lab", handLabel(300, 200, {},
        {textRecordOf(30, 40, "0|假|假|假|假|12||a"), textRecordOf(30, 80, "0|假|假|假|假|12|ABCDEFGHIJKLMNOPQRSTUVWXYZ012345|b"),
         textRecordOf(30, 120, "0|假|假|假|假|12|ABCDEFGHIJKLMNOPQRSTUVWXYZ01234|c")})));
    ASSERT_EQ(doc().textElements().size(), 3);
    EXPECT_EQ(doc().textElements()[0]->elementFont().faceName, gbkOf("宋体"));
    EXPECT_EQ(doc().textElements()[1]->elementFont().faceName, gbkOf("宋体"));
    EXPECT_EQ(doc().textElements()[2]->elementFont().faceName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
}

// The one failure met after the label was replaced: the label is emptied, at the file's size.
TEST_F(OpenTest, AScratchFileThatCannotBeWrittenEmptiesTheLabel)
{
    start();
    makeTitledLabel();
    ASSERT_TRUE(QDir(doc().scratchFolder()).removeRecursively());
    openFrom(compatFile("one_of_each.lab"));
    EXPECT_EQ(errors(), QStringList{kCannotLoad});
    EXPECT_TRUE(doc().imageElements().isEmpty());
    EXPECT_TRUE(doc().textElements().isEmpty());
    EXPECT_TRUE(doc().contents().isEmpty());
    EXPECT_TRUE(doc().filePath().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ 未命名 ]"));
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(500, 300));
    EXPECT_FALSE(handle()->isVisible());
}
