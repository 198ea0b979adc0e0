#include "document/image_editing.h"

#include "codes/barcode_picture.h"
#include "codes/qr_picture.h"
#include "document/bitmap.h"
#include "document/bmp_file.h"
#include "document/content_rules.h"
#include "document/label_document.h"
#include "document/picture_control.h"
#include "document/scratch_files.h"
#include "document/timestamp.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/gbk.h"

#include <QFile>
#include <QPointer>

namespace {

enum class EditEnd {
    PlaceHandle, // done, or given up without a message: the handle goes to the element
    Refused,     // a message was shown: the handle and the read-out stay as they are
};

ContentHeld heldBy(const LabelDocument& document)
{
    return [&document](const QByteArray& content) { return document.hasContent(content); };
}

// The element shows its new picture under its new content, whose scratch file has been written. The
// file the element used before goes, unless another element still reads it: elements read from one
// label file may share a content such as "[双击选图]".
void giveNewContent(LabelDocument& document, int tag, PictureControl* control, const QByteArray& picture,
                    const QByteArray& content)
{
    control->setPicture(picture);
    const ContentRecord* record = document.findContent(tag);
    const QByteArray old = record ? record->content : QByteArray();
    const QString oldFile = document.elementScratchFile(tag);
    document.setContent(tag, content);
    if (oldFile.isEmpty() || oldFile == document.scratchFileOf(content))
        return;
    const bool shared = oldFile == document.scratchFileOf(old) && document.hasContent(old);
    if (!shared)
        QFile::remove(oldFile);
}

EditEnd choosePicture(LabelDocument& document, Dialogs& dialogs, const Clock& clock, int tag,
                      QPointer<PictureControl> control)
{
    const std::optional<QString> path = dialogs.openFile(QStringLiteral("请选择需要插入的图片"),
                                                         QStringLiteral("BMP图片(*.bmp)|*.bmp"), QString(),
                                                         QStringLiteral("bmp"));
    if (!path || path->isEmpty() || !control)
        return EditEnd::PlaceHandle;
    Bitmap chosen;
    if (!loadBmpFile(chosen, *path))
        return EditEnd::PlaceHandle;
    const QByteArray picture = toBmpBytes(convertBitDepth(chosen, 1));
    if (picture.isEmpty())
        return EditEnd::PlaceHandle;
    // Counting the element's own record too: a second picture chosen within the same second must not
    // be written to the file that is deleted next as the old content's.
    const QByteArray content = distinctContent("P" + timestamp(clock.now()), heldBy(document));
    if (!writeScratchFile(document.scratchFileOf(content), picture))
        return EditEnd::PlaceHandle;
    giveNewContent(document, tag, control, picture, content);
    return EditEnd::PlaceHandle;
}

struct CodeTexts {
    QString title;
    QString prompt;
    const char* letter;
    QString duplicateTitle;
    QString duplicateText;
};

EditEnd enterCode(LabelDocument& document, Dialogs& dialogs, const Clock& clock, int tag,
                  QPointer<PictureControl> control, bool barcode)
{
    const CodeTexts texts = barcode
        ? CodeTexts{QStringLiteral("插入条码"), QStringLiteral("请输入需要生成的条码内容，请不要输入中文和特殊符号！"), "B",
                    QStringLiteral("条码重复"), QStringLiteral("条码无效，当前输入内容已存在，请更换重试！")}
        : CodeTexts{QStringLiteral("插入二维码"), QStringLiteral("请输入需要生成的二维码内容！"), "D",
                    QStringLiteral("二维码重复"), QStringLiteral("二维码无效，当前输入内容已存在，请更换重试！")};
    const QString initial = QString::fromLatin1(texts.letter + timestamp(clock.now()));
    const std::optional<QString> answer = dialogs.inputText(texts.title, texts.prompt, initial);
    if (!answer || !control)
        return EditEnd::PlaceHandle;
    const QByteArray typed = toGbk(*answer);
    const CodeEntry entry = barcode ? checkBarcodeEntry(typed, heldBy(document)) : checkQrEntry(typed, heldBy(document));
    switch (entry.verdict) {
    case CodeEntryVerdict::Blank:
        return EditEnd::PlaceHandle;
    case CodeEntryVerdict::Duplicate:
        dialogs.error(texts.duplicateTitle, texts.duplicateText);
        return EditEnd::Refused;
    case CodeEntryVerdict::NotEncodable:
        // Code 128 in code set B has a value only for the printable ASCII characters; anything else
        // would silently drop out of the symbol.
        dialogs.error(QStringLiteral("条码无效"),
                      QStringLiteral("条码无效，条码内容只能包含英文字母、数字和英文符号（空格会被去掉），"
                                     "不能包含中文、制表符等其他字符，请更换重试！"));
        return EditEnd::Refused;
    case CodeEntryVerdict::Accepted:
        break;
    }
    QByteArray text = entry.content;
    const QByteArray picture = barcode ? makeBarcodePicture(text, control->height() >= control->width())
                                       : makeQrPicture(text);
    // A content too long for any symbol gives no picture; the element keeps the code it shows.
    if (picture.isEmpty())
        return EditEnd::PlaceHandle;
    if (!writeScratchFile(document.scratchFileOf(entry.content), picture))
        return EditEnd::PlaceHandle;
    giveNewContent(document, tag, control, picture, entry.content);
    return EditEnd::PlaceHandle;
}

} // namespace

void editImageElement(LabelDocument& document, Dialogs& dialogs, const Clock& clock, PictureControl* control)
{
    if (!control)
        return;
    control->raise();
    const int tag = LabelDocument::tagOf(control);
    document.select(tag);
    QPointer<PictureControl> guard(control);
    EditEnd end = EditEnd::PlaceHandle;
    switch (kindOfTag(tag).value_or(ElementKind::Text)) {
    case ElementKind::Picture: end = choosePicture(document, dialogs, clock, tag, guard); break;
    case ElementKind::Barcode: end = enterCode(document, dialogs, clock, tag, guard, true); break;
    case ElementKind::QrCode: end = enterCode(document, dialogs, clock, tag, guard, false); break;
    case ElementKind::Text: return;
    }
    if (end == EditEnd::Refused || !guard || document.findImageElement(tag) != guard)
        return;
    document.placeHandle(guard);
    document.refreshReadout();
}
