#include "document/element_kind.h"

std::optional<ElementKind> kindOfTag(int tag)
{
    if (tag <= 100000 || tag >= 500000 || tag % kTagsPerKind == 0)
        return std::nullopt;
    switch (tag / kTagsPerKind) {
    case 1: return ElementKind::Text;
    case 2: return ElementKind::Picture;
    case 3: return ElementKind::Barcode;
    default: return ElementKind::QrCode;
    }
}

int tagBase(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Text: return 100000;
    case ElementKind::Picture: return 200000;
    case ElementKind::Barcode: return 300000;
    case ElementKind::QrCode: return 400000;
    }
    return 0;
}

bool isImageKind(ElementKind kind)
{
    return kind != ElementKind::Text;
}

bool isImageTag(int tag)
{
    return tag > 200000 && tag < 500000;
}

bool isTextTag(int tag)
{
    return tag > 100000 && tag < 200000;
}

char kindLetter(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Text: return '\0';
    case ElementKind::Picture: return 'P';
    case ElementKind::Barcode: return 'B';
    case ElementKind::QrCode: return 'D';
    }
    return '\0';
}
