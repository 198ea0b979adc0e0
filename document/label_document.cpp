#include "document/label_document.h"

#include "document/drawing_canvas.h"
#include "document/gbk_text.h"
#include "document/picture_control.h"
#include "document/readout.h"
#include "document/scratch_name.h"
#include "document/tag_issuer.h"

#include <QFile>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kTagText = "tagText";

int kindIndex(ElementKind kind)
{
    return static_cast<int>(kind);
}

void setTagText(QWidget* control, int tag)
{
    control->setProperty(kTagText, QByteArray::number(tag));
}

} // namespace

LabelDocument::LabelDocument(DocumentHost& host) : host_(host) {}

int LabelDocument::tagOf(const QWidget* control)
{
    if (!control)
        return 0;
    return textToInt(control->property(kTagText).toByteArray());
}

void LabelDocument::setFilePath(const QString& path)
{
    filePath_ = path;
    host_.setCaption(windowTitle(path));
}

DrawingCanvas* LabelDocument::copyTextTemplate()
{
    const DrawingCanvas* tmpl = host_.textTemplate();
    if (!tmpl)
        return nullptr;
    auto* canvas = new DrawingCanvas(host_.elementParent());
    canvas->hide();
    canvas->copyLookOf(*tmpl);
    canvas->setGeometry(tmpl->geometry());
    if (elementEvents_)
        canvas->installEventFilter(elementEvents_);
    return canvas;
}

PictureControl* LabelDocument::copyPictureTemplate()
{
    const PictureControl* tmpl = host_.pictureTemplate();
    if (!tmpl)
        return nullptr;
    auto* picture = new PictureControl(host_.elementParent());
    picture->hide();
    picture->setPicture(tmpl->picture());
    picture->setGeometry(tmpl->geometry());
    if (elementEvents_)
        picture->installEventFilter(elementEvents_);
    return picture;
}

void LabelDocument::index(int tag, QWidget* control, const QByteArray& content)
{
    contents_.append(ContentRecord{tag, content});
    recordByTag_.insert(tag, contents_.size() - 1);
    elementByTag_.insert(tag, control);
    const int kind = kindIndex(*kindOfTag(tag));
    highestIssued_[kind] = std::max(highestIssued_[kind], tag);
    setTagText(control, tag);
}

int LabelDocument::addElement(ElementKind kind, const QByteArray& initialContent, const KindSetup& setup)
{
    const bool image = isImageKind(kind);
    const int tableCount = static_cast<int>(image ? imageElements_.size() : textElements_.size()) + 1;
    const int tag = issueTag(kind, tableCount, highestIssued_[kindIndex(kind)],
                             [this](int candidate) { return elementByTag_.contains(candidate); });
    if (tag == 0)
        return 0;
    QWidget* control = nullptr;
    if (image) {
        PictureControl* picture = copyPictureTemplate();
        if (!picture)
            return 0;
        imageElements_.append(picture);
        control = picture;
    } else {
        DrawingCanvas* canvas = copyTextTemplate();
        if (!canvas)
            return 0;
        textElements_.append(canvas);
        control = canvas;
    }
    index(tag, control, initialContent);
    if (setup)
        setup(control, tag);
    control->show();
    control->raise();
    select(tag);
    refreshReadout();
    return tag;
}

bool LabelDocument::adoptElement(int tag, QWidget* control, const QByteArray& content)
{
    const std::optional<ElementKind> kind = kindOfTag(tag);
    if (!kind || !control || elementByTag_.contains(tag))
        return false;
    if (isImageKind(*kind)) {
        auto* picture = qobject_cast<PictureControl*>(control);
        if (!picture)
            return false;
        imageElements_.append(picture);
    } else {
        auto* canvas = qobject_cast<DrawingCanvas*>(control);
        if (!canvas)
            return false;
        textElements_.append(canvas);
    }
    index(tag, control, content);
    control->show();
    control->raise();
    return true;
}

void LabelDocument::destroy(QWidget* control)
{
    // The control may be the one whose event is being handled; it goes once that event is done.
    control->hide();
    control->deleteLater();
}

void LabelDocument::removeElement(int tag)
{
    QWidget* control = elementByTag_.value(tag);
    if (control) {
        if (isTextTag(tag))
            textElements_.removeOne(static_cast<DrawingCanvas*>(control));
        else
            imageElements_.removeOne(static_cast<PictureControl*>(control));
        elementByTag_.remove(tag);
        destroy(control);
    }
    ownScratchFiles_.remove(tag);
    const auto record = recordByTag_.constFind(tag);
    if (record != recordByTag_.cend()) {
        const qsizetype at = *record;
        contents_[at] = ContentRecord{};
        recordByTag_.erase(record);
        if (firstBlankRecord_ < 0 || at < firstBlankRecord_)
            firstBlankRecord_ = at;
    }
    selectedTag_ = 0;
    parkHandle();
}

void LabelDocument::resetDocument()
{
    for (PictureControl* picture : std::as_const(imageElements_))
        destroy(picture);
    imageElements_.clear();
    for (DrawingCanvas* canvas : std::as_const(textElements_))
        destroy(canvas);
    textElements_.clear();
    elementByTag_.clear();
    for (const ContentRecord& record : std::as_const(contents_)) {
        if (record.tag > 100000)
            QFile::remove(scratchFileOf(record.content));
    }
    for (const QString& path : std::as_const(ownScratchFiles_))
        QFile::remove(path);
    ownScratchFiles_.clear();
    contents_.clear();
    recordByTag_.clear();
    firstBlankRecord_ = -1;
    for (int& highest : highestIssued_)
        highest = 0;
    selectedTag_ = 0;
    filePath_.clear();
    parkHandle();
    host_.setReadout(kClearedReadout);
    host_.setCaption(windowTitle(QString()));
}

QWidget* LabelDocument::findElement(int tag) const
{
    return elementByTag_.value(tag);
}

DrawingCanvas* LabelDocument::findTextElement(int tag) const
{
    return isTextTag(tag) ? static_cast<DrawingCanvas*>(elementByTag_.value(tag)) : nullptr;
}

PictureControl* LabelDocument::findImageElement(int tag) const
{
    return isImageTag(tag) ? static_cast<PictureControl*>(elementByTag_.value(tag)) : nullptr;
}

const ContentRecord* LabelDocument::findContent(int tag) const
{
    if (tag == 0)
        return firstBlankRecord_ >= 0 ? &contents_[firstBlankRecord_] : nullptr;
    const auto record = recordByTag_.constFind(tag);
    return record == recordByTag_.cend() ? nullptr : &contents_[*record];
}

bool LabelDocument::setContent(int tag, const QByteArray& content)
{
    const auto record = recordByTag_.constFind(tag);
    if (tag == 0 || record == recordByTag_.cend())
        return false;
    contents_[*record].content = content;
    ownScratchFiles_.remove(tag);
    return true;
}

bool LabelDocument::hasContent(const QByteArray& content) const
{
    for (const ContentRecord& record : contents_) {
        if (record.content == content)
            return true;
    }
    return false;
}

QString LabelDocument::scratchFileOf(const QByteArray& content) const
{
    return scratchFilePath(scratchFolder_, content);
}

QString LabelDocument::elementScratchFile(int tag) const
{
    const auto own = ownScratchFiles_.constFind(tag);
    if (own != ownScratchFiles_.cend())
        return *own;
    const auto record = recordByTag_.constFind(tag);
    if (tag == 0 || record == recordByTag_.cend())
        return QString();
    return scratchFileOf(contents_[*record].content);
}

void LabelDocument::setOwnScratchFile(int tag, const QString& path)
{
    if (elementByTag_.contains(tag))
        ownScratchFiles_.insert(tag, path);
}

void LabelDocument::placeHandle(QWidget* element)
{
    QWidget* handle = host_.resizeHandle();
    if (!handle || !element)
        return;
    handle->move(handlePlace(element->geometry()));
    handle->raise();
    handle->show();
}

void LabelDocument::parkHandle()
{
    QWidget* handle = host_.resizeHandle();
    if (!handle)
        return;
    handle->hide();
    handle->setGeometry(QRect(host_.handleParkingPlace(), QSize(6, 6)));
}

void LabelDocument::select(int tag)
{
    selectedTag_ = tag;
    if (isImageTag(tag))
        placeHandle(findElement(tag));
    else
        parkHandle();
}

void LabelDocument::refreshReadout()
{
    std::optional<QRect> box;
    if (const QWidget* element = findElement(selectedTag_))
        box = element->geometry();
    std::optional<QByteArray> content;
    if (const ContentRecord* record = findContent(selectedTag_))
        content = record->content;
    host_.setReadout(readoutText(selectedTag_, box, host_.leftRulerWidth(), host_.topRulerTop(), content));
}

void LabelDocument::clearSelection()
{
    selectedTag_ = 0;
    parkHandle();
    host_.setReadout(kClearedReadout);
}
