#include "document/picture_element.h"

#include "document/label_document.h"
#include "platform/gbk.h"

void insertPictureElement(LabelDocument& document)
{
    document.addElement(ElementKind::Picture, toGbk(QStringLiteral("[双击选图]")));
}
