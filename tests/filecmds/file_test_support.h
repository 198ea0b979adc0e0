#pragma once

#include "../editor/editor_fixture.h"

#include "app/commands.h"
#include "document/element_font.h"
#include "platform/gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStringList>

#include <cstdint>
#include <vector>

// 24-bit BMP bytes built straight from the file format's rules, rows given top first as 0xRRGGBB:
// what a picture element shows when its picture is exactly its size.
inline QByteArray bmp24(const std::vector<std::vector<std::uint32_t>>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.front().size());
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray pixels;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        QByteArray line;
        for (const std::uint32_t c : *row) {
            line.append(static_cast<char>(c & 0xFF));
            line.append(static_cast<char>((c >> 8) & 0xFF));
            line.append(static_cast<char>((c >> 16) & 0xFF));
        }
        line.append(QByteArray(stride - line.size(), '\0'));
        pixels += line;
    }
    const auto u32 = [](std::uint32_t v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        return b;
    };
    const auto u16 = [](std::uint32_t v) {
        QByteArray b(2, '\0');
        b[0] = static_cast<char>(v & 0xFF);
        b[1] = static_cast<char>((v >> 8) & 0xFF);
        return b;
    };
    QByteArray file = "BM" + u32(54 + pixels.size()) + u32(0) + u32(54);
    file += u32(40) + u32(width) + u32(height) + u16(1) + u16(24) + u32(0) + u32(pixels.size()) + u32(0) + u32(0)
        + u32(0) + u32(0);
    return file + pixels;
}

inline QByteArray gbkOf(const char* utf8)
{
    return toGbk(QString::fromUtf8(utf8));
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One element as the window shows it.
struct ElementState {
    int tag = 0;
    QRect box;
    QByteArray content;
    ElementFont font; // text elements
    QByteArray picture; // image elements: the bytes the control was given
    int stackIndex = 0; // place among the client area's children, bottom first
    bool visible = false;

    bool operator==(const ElementState&) const = default;
};

// Everything of the label on screen that a command may change.
struct LabelState {
    QSize labelSize;
    QString filePath;
    QString caption;
    int selectedTag = 0;
    bool handleVisible = false;
    QPoint handlePlace;
    QString readout;
    std::vector<ElementState> images;
    std::vector<ElementState> texts;
    qsizetype contentCount = 0;
    QStringList scratchFiles; // name and size of every file in the scratch folder
    QByteArray settings; // label.ini as it is

    bool operator==(const LabelState&) const = default;
};

// The file commands on the real window.
class FileCommandsTest : public EditorTest {
protected:
    QString labFile(const QString& name) const { return home() + QStringLiteral("/lab/") + name; }
    QString settingsFile() const { return home() + QStringLiteral("/ini/label.ini"); }
    static QString compatFile(const char* name)
    {
        return QStringLiteral(VORTELLE_TEST_DATA "/../files/compat/") + QString::fromLatin1(name);
    }

    void run(Command command) { window->runCommand(command); }

    void saveTo(const QString& path)
    {
        dialogs.savePaths.append(path);
        run(Command::SaveAs);
    }

    // Open with the question answered Yes (when it is asked) and the dialog confirming the path.
    void openFrom(const QString& path)
    {
        dialogs.answers.append(true);
        dialogs.openPaths.append(path);
        run(Command::Open);
        dialogs.answers.clear();
    }

    QStringList errors() const
    {
        QStringList texts;
        for (const auto& box : dialogs.shown) {
            if (box.kind == QStringLiteral("error"))
                texts << box.title + QLatin1Char('|') + box.text;
        }
        return texts;
    }

    int stackIndex(const QWidget* control) const
    {
        return static_cast<int>(client()->children().indexOf(const_cast<QWidget*>(control)));
    }

    ElementState stateOf(QWidget* control, bool text)
    {
        ElementState state;
        state.tag = LabelDocument::tagOf(control);
        state.box = control->geometry();
        if (const ContentRecord* record = doc().findContent(state.tag))
            state.content = record->content;
        if (text)
            state.font = static_cast<DrawingCanvas*>(control)->elementFont();
        else
            state.picture = static_cast<PictureControl*>(control)->picture();
        state.stackIndex = stackIndex(control);
        state.visible = control->isVisible();
        return state;
    }

    LabelState labelState()
    {
        LabelState state;
        state.labelSize = window->labelSurfaceControl()->size();
        state.filePath = doc().filePath();
        state.caption = window->windowTitle();
        state.selectedTag = doc().selectedTag();
        state.handleVisible = handle()->isVisible();
        state.handlePlace = handle()->pos();
        state.readout = readout();
        for (QWidget* control : doc().imageElements())
            state.images.push_back(stateOf(control, false));
        for (QWidget* control : doc().textElements())
            state.texts.push_back(stateOf(control, true));
        state.contentCount = doc().contents().size();
        const QFileInfoList files = QDir(doc().scratchFolder()).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo& file : files)
            state.scratchFiles << file.fileName() + QLatin1Char(':') + QString::number(file.size());
        state.settings = fileBytes(settingsFile());
        return state;
    }
};

// Failure output that names what differs.
inline std::ostream& operator<<(std::ostream& out, const LabelState& state)
{
    out << "label " << state.labelSize.width() << "x" << state.labelSize.height() << ", file "
        << state.filePath.toStdString() << ", selected " << state.selectedTag << ", handle "
        << (state.handleVisible ? "placed" : "parked") << ", " << state.images.size() << " images, "
        << state.texts.size() << " texts, " << state.contentCount << " records, scratch ["
        << state.scratchFiles.join(QStringLiteral(" ")).toStdString() << "]";
    return out;
}
