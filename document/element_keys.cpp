#include "document/element_keys.h"

#include "document/element_kind.h"
#include "document/label_document.h"
#include "platform/dialogs.h"

#include <QWidget>

void nudgeSelected(LabelDocument& document, DocumentHost& host, NudgeKey key)
{
    const int tag = document.selectedTag();
    QWidget* element = document.findElement(tag);
    if (!element)
        return;
    element->setGeometry(clampToEditArea(nudged(element->geometry(), key), host.editArea()));
    if (isImageTag(tag)) {
        if (QWidget* handle = host.resizeHandle())
            handle->move(handlePlace(element->geometry()));
    }
}

void deleteSelected(LabelDocument& document, Dialogs& dialogs)
{
    if (!dialogs.ask(QStringLiteral("删除确认"), QStringLiteral("是否确定要删除当前选中内容？")))
        return;
    document.removeElement(document.selectedTag());
}
