#include "document/element_properties.h"

#include "document/drawing_canvas.h"
#include "document/font_rules.h"
#include "document/label_document.h"
#include "document/text_element.h"
#include "platform/dialogs.h"
#include "platform/gbk.h"

#include <QPointer>

namespace {

QFont dialogFont(const ElementFont& font)
{
    QFont qfont(fromGbk(font.faceName));
    if (font.size > 0)
        qfont.setPointSize(font.size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setStrikeOut(font.strikeout);
    qfont.setUnderline(font.underline);
    return qfont;
}

ElementFont chosenFont(const QFont& chosen, int angle, int dotsPerInch)
{
    ElementFont font;
    font.angle = angle;
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.strikeout = chosen.strikeOut();
    font.underline = chosen.underline();
    font.size = chosen.pointSize() > 0 ? chosen.pointSize() : pointsFromPixels(chosen.pixelSize(), dotsPerInch);
    font.faceName = settableFaceName(toGbk(chosen.family()));
    return font;
}

void showTextProperties(LabelDocument& document, Dialogs& dialogs, int tag)
{
    DrawingCanvas* canvas = document.findTextElement(tag);
    if (!canvas)
        return;
    QPointer<DrawingCanvas> guard(canvas);
    const std::optional<QFont> chosen = dialogs.chooseFont(dialogFont(canvas->elementFont()));
    if (!chosen || !guard || document.findTextElement(tag) != canvas)
        return;
    canvas->setElementFont(chosenFont(*chosen, canvas->elementFont().angle, canvas->logicalDpiY()));
    renderTextElement(document, tag);
}

} // namespace

void showElementProperties(LabelDocument& document, Dialogs& dialogs)
{
    const int tag = document.selectedTag();
    if (isTextTag(tag)) {
        showTextProperties(document, dialogs, tag);
    } else if (isImageTag(tag)) {
        const ContentRecord* record = document.findContent(tag);
        const QByteArray content = record ? record->content : QByteArray();
        dialogs.message(QStringLiteral("属性信息"), QStringLiteral("当前选中内容属性：") + fromGbk(content));
    }
}
