#include "files/file_commands.h"

#include "app/label_size.h"
#include "document/bitmap.h"
#include "document/drawing_canvas.h"
#include "document/label_document.h"
#include "document/picture_control.h"
#include "document/text_element.h"
#include "document/timestamp.h"
#include "document/units.h"
#include "files/document_codec.h"
#include "files/label_reading.h"
#include "files/new_label_window.h"
#include "files/resize_label_window.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/gbk.h"
#include "platform/ini_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString kOpenFailed = QStringLiteral("打开失败");
const QString kCannotLoad = QStringLiteral("打开失败，无法加载数据，请稍后重试！");

// Only a regular file is read, and only up to the size of the largest label file: a device or a
// pipe could give bytes without end.
bool readLabelBytes(const QString& path, QByteArray& bytes)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxLabelFileSize)
        return false;
    bytes = file.read(kMaxLabelFileSize + 1);
    return bytes.size() <= kMaxLabelFileSize && file.error() == QFileDevice::NoError;
}

// The file of an element whose content an earlier element of the same file holds already:
// "-" never appears in a name made from a content, and the tag is the element's own.
QString ownScratchFile(const LabelDocument& document, const QByteArray& content, int tag)
{
    QString path = document.scratchFileOf(content);
    path.chop(4); // ".tmp"
    return path + QLatin1Char('-') + QString::number(tag) + QStringLiteral(".tmp");
}

// A scratch file belongs to this run only, so it is written straight, without the sync to disk
// of a save file: a thousand syncs would make Open wait on the disk. A write that fails empties
// the label, and with it the files written so far.
bool writeOpenedScratchFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
        && file.write(bytes) == bytes.size();
}

// Whether every text of the file fits a canvas once laid out, measured as its element will be:
// a long line in a large font would otherwise ask for a picture of gigabytes.
bool textsFit(const OpenedLabel& label)
{
    DrawingCanvas probe;
    for (const OpenedText& text : label.texts) {
        probe.setElementFont(text.properties.font);
        const QSize extent = probe.textExtent(fromGbk(text.properties.content));
        if (extent.width() > kMaxBitmapSide || extent.height() > kMaxBitmapSide)
            return false;
    }
    return true;
}

} // namespace

QByteArray placeholderLabelFile()
{
    return QByteArrayLiteral("lab 1.0 ..");
}

QString defaultLabelFileName(const Clock& clock)
{
    return QStringLiteral("Lab") + QString::fromLatin1(timestamp(clock.now())) + QStringLiteral(".lab");
}

void applyTypedLabelSize(const FileCommandsEnvironment& environment, const QString& width, const QString& height)
{
    const QByteArray widthText = toGbk(width);
    const QByteArray heightText = toGbk(height);
    if (QWidget* surface = environment.document->labelSurface())
        surface->resize(labelSizeFromTexts(widthText, heightText));
    environment.settings->write("New", "W", widthText);
    environment.settings->write("New", "H", heightText);
}

FileCommands::FileCommands(FileCommandsEnvironment environment, QObject* parent)
    : QObject(parent), env_(std::move(environment))
{
}

std::optional<QString> FileCommands::chooseSavePath()
{
    const std::optional<QString> path
        = env_.dialogs->saveFile(QStringLiteral("请选择需要保存标签文件的位置"), kLabelFileFilter, env_.labFolder,
                                 defaultLabelFileName(*env_.clock), kLabelFileExtension);
    if (!path || path->isEmpty())
        return std::nullopt;
    return path;
}

void FileCommands::takePath(const QString& path)
{
    env_.document->setFilePath(path);
    if (const QWidget* surface = env_.document->labelSurface()) {
        env_.settings->write("New", "W", formatPixelsAsMm(surface->width()));
        env_.settings->write("New", "H", formatPixelsAsMm(surface->height()));
    }
}

void FileCommands::writeLabel()
{
    const QByteArray bytes = encodeLabelFile(*env_.document);
    if (bytes.isEmpty() || !writeWholeFile(env_.document->filePath(), bytes))
        env_.dialogs->error(QStringLiteral("保存失败"), QStringLiteral("保存失败，无法输出数据到保存的标签文件！"));
}

void FileCommands::save()
{
    if (env_.document->filePath().isEmpty()) {
        const std::optional<QString> path = chooseSavePath();
        if (!path)
            return;
        takePath(*path);
    }
    writeLabel();
}

void FileCommands::saveAs()
{
    const std::optional<QString> path = chooseSavePath();
    if (!path)
        return;
    takePath(*path);
    writeLabel();
}

void FileCommands::open()
{
    const LabelDocument& document = *env_.document;
    // An untitled label with elements is asked about too: Open would lose them.
    const bool holdsSomething = !document.filePath().isEmpty() || !document.textElements().isEmpty()
        || !document.imageElements().isEmpty();
    if (holdsSomething
        && !env_.dialogs->ask(QStringLiteral("打开确认"),
                              QStringLiteral("是否确定要关闭当前编辑的标签并打开新的标签文件？\r\n"
                                             "温馨提示：请注意保存当前文件！"))) {
        return;
    }
    // The label on screen stays until a file has been chosen and read completely.
    const std::optional<QString> path = env_.dialogs->openFile(QStringLiteral("请选择需要打开的标签文件"),
                                                              kLabelFileFilter, env_.labFolder, kLabelFileExtension);
    if (!path || path->isEmpty())
        return;
    openLabelFile(*path);
}

std::optional<OpenRefusal> readLabelForOpen(const QString& path, OpenedLabel& label)
{
    std::optional<LabelReadError> error = LabelReadError::BadMagic;
    {
        QByteArray bytes;
        if (readLabelBytes(path, bytes))
            error = readLabelFile(bytes, label);
    }
    if (!error && !textsFit(label))
        error = LabelReadError::BadRecord;
    if (!error)
        return std::nullopt;
    switch (*error) {
    case LabelReadError::BadMagic:
        return OpenRefusal{QStringLiteral("无法打开"), QStringLiteral("无法打开，错误的标签格式，请重新选择！")};
    case LabelReadError::BadLabelSize:
        return OpenRefusal{kOpenFailed, QStringLiteral("打开失败，错误的标签宽度或高度！")};
    case LabelReadError::BadRecord:
        break;
    }
    return OpenRefusal{kOpenFailed, kCannotLoad};
}

bool FileCommands::openLabelFile(const QString& path)
{
    OpenedLabel label;
    if (const std::optional<OpenRefusal> refusal = readLabelForOpen(path, label)) {
        env_.dialogs->error(refusal->title, refusal->text);
        return false;
    }
    return replaceLabel(label, path);
}

bool FileCommands::replaceLabel(const OpenedLabel& label, const QString& path)
{
    LabelDocument& document = *env_.document;
    document.resetDocument();
    if (QWidget* surface = document.labelSurface()) {
        surface->resize(label.width, surface->height());
        surface->resize(surface->width(), label.height);
    }

    int lastTag = 0;
    QSet<QByteArray> contentsSeen;
    for (const OpenedImage& image : label.images) {
        PictureControl* control = document.copyPictureTemplate();
        if (!control) {
            document.refreshReadout();
            continue;
        }
        const ImageRecord& record = image.record;
        control->setGeometry(record.left, record.top, record.width, record.height);
        control->setPicture(record.picture);
        if (!document.adoptElement(image.tag, control, record.content)) {
            delete control;
            continue;
        }
        lastTag = image.tag;
        // Each element keeps its own picture, also when an earlier one of the file has its content:
        // rotation starts from this file.
        if (contentsSeen.contains(record.content))
            document.setOwnScratchFile(image.tag, ownScratchFile(document, record.content, image.tag));
        contentsSeen.insert(record.content);
        const QString scratch = document.elementScratchFile(image.tag);
        if (!writeOpenedScratchFile(scratch, control->picture())) {
            document.resetDocument();
            env_.dialogs->error(kOpenFailed, kCannotLoad);
            return false;
        }
    }

    for (const OpenedText& text : label.texts) {
        DrawingCanvas* canvas = document.copyTextTemplate();
        if (!canvas) {
            document.refreshReadout();
            continue;
        }
        const TextRecord& record = text.record;
        canvas->setGeometry(record.left, record.top, record.width, record.height);
        canvas->setElementFont(text.properties.font);
        if (!document.adoptElement(text.tag, canvas, text.properties.content)) {
            delete canvas;
            continue;
        }
        lastTag = text.tag;
        // The stored width and height give way to the text's measured box at its angle.
        renderTextElement(document, text.tag);
    }

    // The last element built is selected: the handle is placed only when that is an image element.
    document.select(lastTag);
    document.refreshReadout();
    document.setFilePath(path);
    return true;
}

void FileCommands::newLabel()
{
    auto* window = new NewLabelWindow(env_, env_.window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    openWindow_ = window;
    window->show();
}

void FileCommands::resizeLabel()
{
    auto* window = new ResizeLabelWindow(env_, env_.window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    openWindow_ = window;
    window->show();
}
