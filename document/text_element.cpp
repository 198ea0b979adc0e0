#include "document/text_element.h"

#include "document/drawing_canvas.h"
#include "document/gbk_text.h"
#include "document/label_document.h"
#include "document/text_layout.h"
#include "platform/dialogs.h"
#include "platform/gbk.h"

#include <QPointer>

void insertTextElement(LabelDocument& document)
{
    const QString placeholder = QStringLiteral("[双击输入文本]");
    document.addElement(ElementKind::Text, toGbk(placeholder), [&placeholder](QWidget* control, int) {
        static_cast<DrawingCanvas*>(control)->writeText(QPoint(0, 0), placeholder);
    });
}

void editTextElement(LabelDocument& document, Dialogs& dialogs, DrawingCanvas* canvas)
{
    if (!canvas)
        return;
    canvas->raise();
    // The press before the double-click selected this element; its own tag is used all the same, so
    // the text edited is always the text of the element that was double-clicked.
    const int tag = LabelDocument::tagOf(canvas);
    const ContentRecord* record = document.findContent(tag);
    const QString initial = record ? fromGbk(record->content) : QString();
    QPointer<DrawingCanvas> guard(canvas);
    const std::optional<QString> answer = dialogs.inputText(
        QStringLiteral("文本输入"), QStringLiteral("请输入需要显示在标签上的文本内容！"), initial);
    if (!guard || document.findTextElement(tag) != canvas)
        return;
    if (answer) {
        const QByteArray typed = toGbk(*answer);
        QByteArray stripped = typed;
        removeSpaces(stripped);
        if (!stripped.isEmpty()) {
            document.setContent(tag, typed);
            renderTextElement(document, tag);
        }
    }
    document.select(tag);
    document.refreshReadout();
}

void renderTextElement(LabelDocument& document, int tag)
{
    DrawingCanvas* canvas = document.findTextElement(tag);
    if (!canvas)
        return;
    const ContentRecord* record = document.findContent(tag);
    const QString text = record ? fromGbk(record->content) : QString();
    const TextPlacement placement = placeText(canvas->fontAngle(), canvas->textExtent(text));
    canvas->resize(placement.box);
    canvas->clearCanvas();
    canvas->writeText(placement.start, text);
}
