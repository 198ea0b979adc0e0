// 打印设置 and 打印点数 in the real editor: what they store in label.ini, and what Cancel leaves.
#include "tests/editor/editor_fixture.h"

#include <QFile>

namespace {

const QString kDensityPrompt = QStringLiteral(
    "在打印标签之前需要根据当前标签机的点数来决定打印出来的字体大小等信息，所以这个一定要根据您的打印机实际点"
    "数填写，一般的点数为203，如果不知道您的打印机点数，请保持默认！");

class PrinterSettingsTest : public EditorTest {
protected:
    QString iniPath() const { return home() + QStringLiteral("/ini/label.ini"); }
    QByteArray iniBytes() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }
    QByteArray stored(const char* key) const { return window->settings().read("Print", key, "(missing)"); }
    void trigger(const char* item) { window->menuAction(QStringLiteral("文件"), QString::fromUtf8(item))->trigger(); }
};

TEST_F(PrinterSettingsTest, DensityBoxStoresTheTypedTextOr203ForANegativeNumber)
{
    writeSettings("[Print]\r\nR=600\r\n");
    start();
    const struct {
        QString typed;
        QByteArray stored;
    } cases[] = {
        {QStringLiteral("-5"), "203"},
        {QStringLiteral("300dpi"), "300dpi"},
        {QStringLiteral("abc"), "abc"},
        {QStringLiteral("－５"), "203"},
        {QStringLiteral("３００"), "\xA3\xB3\xA3\xB0\xA3\xB0"},
    };
    for (const auto& c : cases) {
        dialogs.inputs = {c.typed};
        trigger("打印点数");
        EXPECT_EQ(stored("R"), c.stored) << c.typed.toStdString();
        ASSERT_FALSE(dialogs.shown.isEmpty());
        const ScriptedDialogs::Shown box = dialogs.shown.last();
        EXPECT_EQ(box.kind, QStringLiteral("input"));
        EXPECT_EQ(box.title, QStringLiteral("修改点数"));
        EXPECT_EQ(box.text, kDensityPrompt);
        // Whatever is stored, the box proposes 203.
        EXPECT_EQ(box.initial, QStringLiteral("203"));
    }
    EXPECT_EQ(dialogs.shown.size(), 5);
}

TEST_F(PrinterSettingsTest, PrintSetupStoresThePrinterAndThenTheOrientation)
{
    start();
    dialogs.printerChoices = {PrinterChoice{QStringLiteral("标签机 2"), true}};
    trigger("打印设置");
    EXPECT_EQ(stored("N"), "\xB1\xEA\xC7\xA9\xBB\xFA 2"); // GBK
    EXPECT_EQ(stored("D"), "1");
    dialogs.printerChoices = {PrinterChoice{QStringLiteral("vortelle-keep"), false}};
    trigger("打印设置");
    EXPECT_EQ(stored("N"), "vortelle-keep");
    EXPECT_EQ(stored("D"), "0");
    // The density is not the print setup's.
    EXPECT_EQ(stored("R"), "(missing)");
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("printer"));
}

TEST_F(PrinterSettingsTest, CancelLeavesLabelIniUntouched)
{
    // With no file, and with one that holds settings already.
    for (const QByteArray& before : {QByteArray(), QByteArray("[New]\r\nW=50\r\n[Print]\r\nN=x\r\nR=300\r\nD=0\r\n")}) {
        QFile::remove(iniPath());
        if (!before.isEmpty())
            writeSettings(before);
        const QByteArray bytes = iniBytes();
        if (!window)
            start();
        dialogs.inputs = {std::nullopt};
        trigger("打印点数");
        dialogs.printerChoices = {std::nullopt};
        trigger("打印设置");
        EXPECT_EQ(iniBytes(), bytes);
    }
    EXPECT_FALSE(dialogs.shown.isEmpty());
}

} // namespace
