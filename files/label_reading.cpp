#include "files/label_reading.h"

#include "document/bitmap.h"
#include "document/element_kind.h"

namespace {

// 宋体
const QByteArray kSubstituteFace = QByteArrayLiteral("\xCB\xCE\xCC\xE5");
constexpr qsizetype kMaxFaceName = 31;
constexpr int kMaxTagsPerKind = kTagsPerKind - 1;

} // namespace

QByteArray openedFaceName(const QByteArray& faceName)
{
    if (faceName.isEmpty() || faceName.size() > kMaxFaceName)
        return kSubstituteFace;
    return faceName;
}

std::optional<LabelReadError> readLabelFile(const QByteArray& bytes, OpenedLabel& label, qint64 maxOpenedBytes)
{
    const LabelFileRead<LabelFileHeader> header = readLabelHeader(bytes);
    if (!header)
        return header.error() == LabelFileError::BadMagic ? LabelReadError::BadMagic : LabelReadError::BadLabelSize;

    if (header->width > kMaxLabelSide || header->height > kMaxLabelSide)
        return LabelReadError::BadLabelSize;

    OpenedLabel opened;
    opened.width = header->width;
    opened.height = header->height;
    qint64 budget = maxOpenedBytes;
    int counters[3] = {0, 0, 0}; // P, B, D

    for (qint64 i = 0; i < header->imageCount; ++i) {
        if (!imageEntryInData(bytes, *header, i))
            return LabelReadError::BadRecord;
        OpenedImage image;
        image.record = readImageRecord(bytes, *header, i);
        budget -= image.record.content.size() + image.record.picture.size();
        if (budget < 0)
            return LabelReadError::BadRecord;
        if (image.record.width > kMaxBitmapSide || image.record.height > kMaxBitmapSide)
            return LabelReadError::BadRecord;
        char& letter = image.record.kindLetter;
        if (letter != 'B' && letter != 'D')
            letter = 'P';
        const int kind = letter == 'P' ? 0 : letter == 'B' ? 1 : 2;
        if (counters[kind] == kMaxTagsPerKind)
            return LabelReadError::BadRecord;
        image.tag = (kind + 2) * kTagsPerKind + ++counters[kind];
        opened.images.push_back(std::move(image));
    }

    for (qint64 j = 0; j < header->textCount; ++j) {
        if (!textEntryInData(bytes, *header, j) || j == kMaxTagsPerKind)
            return LabelReadError::BadRecord;
        OpenedText text;
        text.record = readTextRecord(bytes, *header, j);
        budget -= text.record.properties.size();
        if (budget < 0)
            return LabelReadError::BadRecord;
        const LabelFileRead<TextProperties> properties = parseTextProperties(text.record.properties);
        if (!properties)
            return LabelReadError::BadRecord;
        if (properties->font.size > kMaxTextPoints || properties->font.size < -kMaxTextPoints)
            return LabelReadError::BadRecord;
        text.properties = *properties;
        text.record.properties.clear(); // held once, as the parsed fields
        text.properties.font.faceName = openedFaceName(text.properties.font.faceName);
        text.tag = kTagsPerKind + static_cast<int>(j) + 1;
        opened.texts.push_back(std::move(text));
    }
    label = std::move(opened);
    return std::nullopt;
}
