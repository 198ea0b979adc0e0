#include "editor_fixture.h"

#include "document/readout.h"

#include <QAction>
#include <QMenu>

TEST_F(EditorTest, DraggingFollowsThePointerAndClampsWhereTheMoveEnds)
{
    start();
    const int tb = toolBarHeight();
    const int statusTop = window->statusPanel()->y();
    const int outerWidth = window->frameGeometry().width();
    const struct {
        const char* rule;
        ElementKind kind;
        QSize size;
        QPoint pointer; // client point where the pointer is released; the grab is at (5, 5)
        QPoint expected;
    } cases[] = {
        {"inside the area it stays where dropped", ElementKind::Text, {96, 21}, {305, 205}, {300, 200}},
        {"left of the label goes to the label's left", ElementKind::Text, {96, 21}, {-40, 205}, {24, 200}},
        {"above the label goes to the label's top", ElementKind::Picture, {100, 100}, {305, 10}, {300, tb + 24}},
        {"below the status bar's top ends on it", ElementKind::Barcode, {300, 100}, {305, statusTop + 50},
         {300, statusTop - 100}},
        {"past the window's right edge leaves 20 more", ElementKind::QrCode, {100, 100},
         {outerWidth + 30, 205}, {outerWidth - 100 - 20, 200}},
    };
    for (const auto& c : cases) {
        QWidget* element = addAt(c.kind, "content", QRect(QPoint(400, 300), c.size));
        drag(element, c.pointer);
        EXPECT_EQ(element->pos(), c.expected) << c.rule;
        EXPECT_EQ(element->size(), c.size) << c.rule;
        EXPECT_EQ(doc().selectedTag(), LabelDocument::tagOf(element)) << c.rule;
        EXPECT_EQ(handle()->isVisible(), c.kind != ElementKind::Text) << c.rule;
        if (c.kind != ElementKind::Text) {
            EXPECT_EQ(handle()->pos(), element->geometry().bottomRight() + QPoint(1, 1)) << c.rule;
        }
        doc().removeElement(doc().selectedTag());
    }
}

TEST_F(EditorTest, ThePressedElementFollowsEveryMoveAndGoesOnTop)
{
    start();
    QWidget* below = addAt(ElementKind::Text, "below", QRect(300, 200, 96, 21));
    addAt(ElementKind::Picture, "[双击选图]", QRect(500, 200, 100, 100));
    QTest::mousePress(below, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(client(), QPoint(405, 255));
    EXPECT_EQ(below->pos(), QPoint(400, 250));
    QTest::mouseMove(client(), QPoint(505, 305));
    EXPECT_EQ(below->pos(), QPoint(500, 300));
    QTest::mouseRelease(client(), Qt::LeftButton, {}, QPoint(505, 305));
    EXPECT_EQ(client()->childAt(QPoint(550, 310)), below);
    EXPECT_EQ(doc().selectedTag(), LabelDocument::tagOf(below));
    EXPECT_FALSE(handle()->isVisible());
}

TEST_F(EditorTest, TheHandleResizesTheImageElementDownToTenPixels)
{
    start();
    const struct {
        const char* rule;
        QPoint drop; // the handle's top-left corner relative to the element's
        QSize size;
        QPoint handleAt;
        const char* lengths;
    } cases[] = {
        {"35 right and 12 below", {35, 12}, {35, 12}, {35, 12}, "pw= 3.5 mm,ph= 1.2 mm"},
        {"above and left of the corner", {-20, -30}, {10, 10}, {10, 10}, "pw= 1 mm,ph= 1 mm"},
        {"only too narrow", {4, 60}, {10, 60}, {10, 60}, "pw= 1 mm,ph= 6 mm"},
        {"bigger, beyond the label", {900, 400}, {900, 400}, {900, 400}, "pw= 90 mm,ph= 40 mm"},
    };
    for (const auto& c : cases) {
        QWidget* element = addAt(ElementKind::Picture, "[双击选图]", QRect(200, 150, 100, 100));
        click(element);
        ASSERT_TRUE(handle()->isVisible());
        const QPoint grab(2, 2);
        QTest::mousePress(handle(), Qt::LeftButton, {}, grab);
        const QPoint target = element->pos() + c.drop + grab;
        QTest::mouseMove(client(), target);
        QTest::mouseRelease(client(), Qt::LeftButton, {}, target);
        EXPECT_EQ(element->geometry(), QRect(QPoint(200, 150), c.size)) << c.rule;
        EXPECT_EQ(handle()->pos(), element->pos() + c.handleAt) << c.rule;
        EXPECT_TRUE(readout().contains(QString::fromUtf8(c.lengths))) << c.rule << readout().toStdString();
        doc().removeElement(doc().selectedTag());
    }
}

TEST_F(EditorTest, AHandlePressWithoutImageSelectionOnlyRefreshesTheReadout)
{
    start();
    QWidget* text = addAt(ElementKind::Text, "ABC", QRect(200, 150, 96, 21));
    window->statusPanel()->setPartText(4, QStringLiteral("old"));
    handle()->move(700, 400);
    handle()->raise();
    handle()->show();
    QTest::mouseClick(handle(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(text->size(), QSize(96, 21));
    EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= 100001 ,")));
}

TEST_F(EditorTest, SelectionReadOutMeasuresFromTheLabelOrigin)
{
    start();
    ASSERT_EQ(toolBarHeight(), 41);
    QWidget* text = addAt(ElementKind::Text, "ABC", QRect(74, 115, 96, 21));
    EXPECT_EQ(readout(), QStringLiteral("pi= 100001 ,px= 52.8 mm,py= 3.9 mm,pw= 20.8 mm,ph= 3.2 mm,pv= ABC"))
        << "adding refreshes the read-out with the template's place";
    click(text);
    EXPECT_EQ(readout(), QStringLiteral("pi= 100001 ,px= 5 mm,py= 5 mm,pw= 9.6 mm,ph= 2.1 mm,pv= ABC"));

    // After a delete nothing is selected; a refresh then shows the blanked record's empty content.
    dialogs.answers = {true};
    QTest::keyClick(window.get(), Qt::Key_Delete);
    doc().refreshReadout();
    EXPECT_EQ(readout(), QStringLiteral("pi= 0 ,px= 0 mm,py= 0 mm,pw= 0 mm,ph= 0 mm,pv= "));
}

TEST_F(EditorTest, RightClickOnEmptyLabelClearsTheSelectionAndALeftClickDoesNot)
{
    start();
    QWidget* picture = addAt(ElementKind::Picture, "[双击选图]", QRect(300, 100, 100, 100));
    click(picture);
    ASSERT_TRUE(handle()->isVisible());

    QTest::mouseClick(window->labelSurfaceControl(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(client(), Qt::LeftButton, {}, QPoint(900, 600));
    EXPECT_EQ(doc().selectedTag(), LabelDocument::tagOf(picture));
    EXPECT_TRUE(handle()->isVisible());

    QTest::mouseClick(window->labelSurfaceControl(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(doc().selectedTag(), 0);
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_EQ(readout(), kClearedReadout);

    click(picture);
    QTest::mouseClick(client(), Qt::RightButton, {}, QPoint(900, 600));
    EXPECT_EQ(doc().selectedTag(), 0);
    EXPECT_FALSE(handle()->isVisible());
}

TEST_F(EditorTest, SelectingATextElementHidesTheHandle)
{
    start();
    QWidget* picture = addAt(ElementKind::Picture, "[双击选图]", QRect(300, 100, 100, 100));
    QWidget* text = addAt(ElementKind::Text, "t", QRect(500, 100, 96, 21));
    click(picture);
    EXPECT_TRUE(handle()->isVisible());
    click(text);
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_EQ(doc().selectedTag(), LabelDocument::tagOf(text));
}

TEST_F(EditorTest, RightClickOnAnElementSelectsItAndOpensThePopUpMenu)
{
    start();
    QWidget* text = addAt(ElementKind::Text, "t", QRect(500, 100, 96, 21));
    QWidget* barcode = addAt(ElementKind::Barcode, "B1", QRect(300, 150, 300, 100));
    click(text);
    QTest::mouseClick(barcode, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(doc().selectedTag(), LabelDocument::tagOf(barcode));
    EXPECT_TRUE(handle()->isVisible());
    EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= 300001 ,")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->popupMenu()->isVisible(); }));
    EXPECT_LT((window->popupMenu()->pos() - barcode->mapToGlobal(QPoint(10, 10))).manhattanLength(), 3);
    window->popupMenu()->close();

    // 删除 of the menu is the Delete command.
    dialogs.answers = {true};
    window->menuAction(QStringLiteral("右键"), QStringLiteral("删除"))->trigger();
    EXPECT_EQ(doc().findElement(300001), nullptr);
}

TEST_F(EditorTest, ArrowKeysNudgeTheSelectedElementInsideTheEditArea)
{
    start();
    const int tb = toolBarHeight();
    const int statusTop = window->statusPanel()->y();
    QWidget* picture = addAt(ElementKind::Picture, "[双击选图]", QRect(24, 200, 100, 100));
    click(picture);
    const QString readoutBefore = readout();

    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(picture->pos(), QPoint(24, 200)) << "the label's left edge holds";
    QTest::keyClick(window.get(), Qt::Key_Right);
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(picture->pos(), QPoint(25, 201));
    EXPECT_EQ(handle()->pos(), QPoint(125, 301)) << "the handle follows an image element";
    EXPECT_EQ(readout(), readoutBefore) << "nudges do not rewrite the read-out";
    QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(picture->pos(), QPoint(25, 200));

    picture->move(25, statusTop - 100);
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(picture->pos(), QPoint(25, statusTop - 100)) << "the status bar's top holds";
    picture->move(25, tb + 24);
    QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(picture->pos(), QPoint(25, tb + 24));

    QWidget* text = addAt(ElementKind::Text, "t", QRect(300, 200, 96, 21));
    click(text);
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(text->pos(), QPoint(301, 200));
    EXPECT_FALSE(handle()->isVisible()) << "a text element's nudge keeps the handle parked";
}

TEST_F(EditorTest, ArrowKeysDoNothingWithoutSelectionOrWhileAnotherWindowIsActive)
{
    start();
    QWidget* text = addAt(ElementKind::Text, "t", QRect(300, 200, 96, 21));
    doc().clearSelection();
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(text->pos(), QPoint(300, 200));

    click(text);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(window.get(), Qt::Key_Right);
    QTest::keyClick(&other, Qt::Key_Right);
    window->handleHotkey(HotkeyKey::Right);
    EXPECT_EQ(text->pos(), QPoint(300, 200));
    QTest::keyClick(&other, Qt::Key_Delete);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(EditorTest, DeleteAsksFirstAndRemovesOnlyOnYes)
{
    start();
    // With nothing selected the question still comes, and Yes changes nothing.
    dialogs.answers = {true};
    QTest::keyClick(window.get(), Qt::Key_Delete);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("删除确认"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("是否确定要删除当前选中内容？"));
    EXPECT_EQ(readout(), kClearedReadout);

    QWidget* barcode = addAt(ElementKind::Barcode, "B201556953", QRect(300, 150, 300, 100));
    click(barcode);
    QFile picture(doc().scratchFileOf("B201556953"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();

    dialogs.answers = {false};
    QTest::keyClick(window.get(), Qt::Key_Delete);
    EXPECT_NE(doc().findElement(300001), nullptr);
    EXPECT_EQ(doc().selectedTag(), 300001);

    const QString readoutBefore = readout();
    dialogs.answers = {true};
    QTest::keyClick(window.get(), Qt::Key_Delete);
    EXPECT_EQ(dialogs.shown.size(), 3);
    EXPECT_EQ(doc().findElement(300001), nullptr);
    EXPECT_TRUE(doc().imageElements().isEmpty());
    ASSERT_EQ(doc().contents().size(), 1);
    EXPECT_EQ(doc().contents()[0].tag, 0);
    EXPECT_TRUE(doc().contents()[0].content.isEmpty());
    EXPECT_EQ(doc().selectedTag(), 0);
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_EQ(readout(), readoutBefore) << "the read-out keeps the deleted element's values";
    EXPECT_TRUE(QFile::exists(picture.fileName())) << "the scratch file stays until exit";

    // Reset passes over the blanked record: the file stays.
    doc().resetDocument();
    EXPECT_TRUE(QFile::exists(picture.fileName()));
}

TEST_F(EditorTest, TagsCountTheTablesAndNeverRepeatALiveTag)
{
    start();
    EXPECT_EQ(doc().addElement(ElementKind::Picture, "p1"), 200001);
    EXPECT_EQ(doc().addElement(ElementKind::Picture, "p2"), 200002);
    EXPECT_EQ(doc().addElement(ElementKind::Barcode, "b"), 300003);
    EXPECT_EQ(doc().addElement(ElementKind::QrCode, "d"), 400004);

    EXPECT_EQ(doc().addElement(ElementKind::Text, "t1"), 100001);
    EXPECT_EQ(doc().addElement(ElementKind::Text, "t2"), 100002);
    doc().removeElement(100001);
    ASSERT_EQ(doc().textElements().size(), 1);
    EXPECT_EQ(LabelDocument::tagOf(doc().textElements()[0]), 100002);
    const int next = doc().addElement(ElementKind::Text, "t3");
    EXPECT_NE(next, 100002);
    EXPECT_TRUE(isTextTag(next));
    EXPECT_EQ(doc().contents().size(), 7) << "one record per element added since the last reset";
    EXPECT_EQ(doc().findContent(next)->content, QByteArray("t3"));
    EXPECT_EQ(doc().findContent(100001), nullptr);
    EXPECT_EQ(doc().selectedTag(), next);

    // A new element starts as a copy of its template, on top and shown.
    QWidget* text = doc().findElement(next);
    EXPECT_EQ(text->geometry(), QRect(552, 104, 208, 32));
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(doc().findElement(200001)->geometry(), QRect(600, 176, 100, 100));
}

TEST_F(EditorTest, ResetDeletesTheScratchFilesOfLiveImageElements)
{
    start();
    doc().addElement(ElementKind::Barcode, "B1");
    doc().addElement(ElementKind::QrCode, "https://example.com/a?b=1");
    for (const QByteArray& content : {QByteArray("B1"), QByteArray("https://example.com/a?b=1")}) {
        QFile file(doc().scratchFileOf(content));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << content.constData();
    }
    doc().resetDocument();
    EXPECT_FALSE(QFile::exists(doc().scratchFileOf("B1")));
    EXPECT_FALSE(QFile::exists(doc().scratchFileOf("https://example.com/a?b=1")));
    EXPECT_TRUE(QDir(doc().scratchFolder()).isEmpty());
}

TEST_F(EditorTest, KindSetupRunsAfterTheTagIsWrittenAndBeforeSelection)
{
    start();
    int seenTag = -1;
    int selectedDuringSetup = -1;
    const int tag = doc().addElement(ElementKind::Barcode, "B1", [&](QWidget* control, int issued) {
        seenTag = LabelDocument::tagOf(control);
        selectedDuringSetup = doc().selectedTag();
        EXPECT_EQ(doc().findContent(issued)->content, QByteArray("B1"));
        control->resize(300, 100);
    });
    EXPECT_EQ(seenTag, tag);
    EXPECT_EQ(selectedDuringSetup, 0);
    EXPECT_EQ(handle()->pos(), QPoint(900, 276)) << "the handle goes to the corner the setup made";
}
