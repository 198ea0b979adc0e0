#pragma once

#include "document/content_record.h"
#include "document/edit_rules.h"
#include "document/element_kind.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>

class DrawingCanvas;
class PictureControl;
class QWidget;

// What the document needs of the main window: the controls it copies, places and reads, and the
// two texts it writes.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // The parent of every element control: the window's client area.
    virtual QWidget* elementParent() = 0;
    // The hidden templates 文本画板 and 图片标签.
    virtual DrawingCanvas* textTemplate() = 0;
    virtual PictureControl* pictureTemplate() = 0;
    // 放大按钮 and its parking place, the top-left corner of 归位按钮.
    virtual QWidget* resizeHandle() = 0;
    virtual QPoint handleParkingPlace() const = 0;
    // The limits of a move, read now.
    virtual EditArea editArea() const = 0;
    // Width of the left ruler and top of the top ruler, which the read-out measures from.
    virtual int leftRulerWidth() const = 0;
    virtual int topRulerTop() const = 0;
    // Status-bar part 4 and the window's caption.
    virtual void setReadout(const QString& text) = 0;
    virtual void setCaption(const QString& text) = 0;
};

// The one label that the main window edits. Elements are child controls of the main window; the
// document keeps them in two ordered tables and their contents in a third, tied together by tags.
class LabelDocument {
public:
    explicit LabelDocument(DocumentHost& host);
    LabelDocument(const LabelDocument&) = delete;
    LabelDocument& operator=(const LabelDocument&) = delete;

    QWidget* labelSurface() const { return labelSurface_; }
    void setLabelSurface(QWidget* surface) { labelSurface_ = surface; }
    const QList<DrawingCanvas*>& textElements() const { return textElements_; }
    const QList<PictureControl*>& imageElements() const { return imageElements_; }
    const QList<ContentRecord>& contents() const { return contents_; }
    int selectedTag() const { return selectedTag_; }
    const QString& filePath() const { return filePath_; }
    // Sets the path and the caption (windowTitle of it).
    void setFilePath(const QString& path);
    const QString& scratchFolder() const { return scratchFolder_; }
    void setScratchFolder(const QString& folder) { scratchFolder_ = folder; }

    // Every element control gets this event filter, as copies raise their template's events.
    void setElementEvents(QObject* filter) { elementEvents_ = filter; }

    // The work of one kind of element between writing the tag and selecting it: drawing the
    // placeholder text, loading the first picture, setting a barcode's width.
    using KindSetup = std::function<void(QWidget* control, int tag)>;
    // Adds an element with its content and selects it; returns its tag, or 0 when no control could
    // be made (the document is then as it was).
    int addElement(ElementKind kind, const QByteArray& initialContent, const KindSetup& setup = {});
    // Takes an element with a tag chosen by the caller (Open numbers the kinds by counters of its
    // own): table entry, record, tag text, shown on top. No selection. False if the tag is not of the
    // control's kind or already live.
    bool adoptElement(int tag, QWidget* control, const QByteArray& content);
    // Copies of the templates, with the element event filter, not yet in any table.
    DrawingCanvas* copyTextTemplate();
    PictureControl* copyPictureTemplate();

    void removeElement(int tag);
    void resetDocument();

    // The live element with this tag, or nullptr.
    QWidget* findElement(int tag) const;
    DrawingCanvas* findTextElement(int tag) const;
    PictureControl* findImageElement(int tag) const;
    // The first record with this tag, or nullptr.
    const ContentRecord* findContent(int tag) const;
    // Gives the live element's record a new content; false when no record has the tag.
    bool setContent(int tag, const QByteArray& content);
    // True when any record holds exactly this content.
    bool hasContent(const QByteArray& content) const;

    // The file inside the scratch folder that holds the picture of an image element with this content.
    QString scratchFileOf(const QByteArray& content) const;
    // The scratch file of the live image element with this tag: its own one when it has one,
    // otherwise scratchFileOf(its content); empty without a record. Open gives an element whose
    // content an earlier element of the same file holds a file of its own, so that each keeps its
    // own picture. A new content (setContent) or a removal ends it; reset deletes it.
    QString elementScratchFile(int tag) const;
    void setOwnScratchFile(int tag, const QString& path);

    void placeHandle(QWidget* element);
    void parkHandle();

    // selectedTag and the handle together: placed for an image element, parked otherwise.
    void select(int tag);
    void refreshReadout();
    void clearSelection();

    // The tag text of a control read as an integer (0 when it holds none).
    static int tagOf(const QWidget* control);

private:
    void index(int tag, QWidget* control, const QByteArray& content);
    void destroy(QWidget* control);

    DocumentHost& host_;
    QWidget* labelSurface_ = nullptr;
    QPointer<QObject> elementEvents_;
    QList<DrawingCanvas*> textElements_;
    QList<PictureControl*> imageElements_;
    QList<ContentRecord> contents_;
    // Lookups by tag without a scan: the live element and the index of its record.
    QHash<int, QWidget*> elementByTag_;
    QHash<int, qsizetype> recordByTag_;
    QHash<int, QString> ownScratchFiles_;
    qsizetype firstBlankRecord_ = -1;
    int highestIssued_[4] = {0, 0, 0, 0};
    int selectedTag_ = 0;
    QString filePath_;
    QString scratchFolder_;
};
