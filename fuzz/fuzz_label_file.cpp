// Any bytes as a label file (header, records, properties lines), as a compressed block and as a
// properties line. Besides not crashing, what is read must be written and read again unchanged.

#include "files/compressed_block.h"
#include "files/label_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr qint64 kMaxRecords = 256;
// Above this much picture and content data the write-and-read-again check is left out: it only
// costs time.
constexpr qint64 kMaxRoundTripBytes = 1 << 20;

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// A line that parses gives the same eight fields when written again from them. Lines hold no
// zero byte: the readers end them at the first one, and so does the writer.
void checkLine(const QByteArray& line)
{
    const auto properties = parseTextProperties(line);
    if (!properties.ok()) {
        require(properties.error() == LabelFileError::WrongFieldCount);
        return;
    }
    if (line.contains('\0'))
        return;
    const auto again = parseTextProperties(textPropertiesLine(properties->font, properties->content));
    require(again.ok() && *again == *properties);
}

int stored(int value)
{
    return std::max(value, 0);
}

void checkRoundTrip(const LabelDescription& label)
{
    const QByteArray bytes = encodeLabelFile(label);
    const auto header = readLabelHeader(bytes);
    require(header.ok());
    require(header->width == label.width && header->height == label.height);
    require(header->imageCount == qint64(label.images.size()));
    require(header->textCount == qint64(label.texts.size()));
    for (std::size_t i = 0; i < label.images.size(); ++i) {
        const ImageRecord& was = label.images[i];
        const ImageRecord is = readImageRecord(bytes, *header, qint64(i));
        const char letter = was.kindLetter == 'B' || was.kindLetter == 'D' ? was.kindLetter : 'P';
        require(is.kindLetter == letter);
        require(is.left == stored(was.left) && is.top == stored(was.top));
        require(is.width == stored(was.width) && is.height == stored(was.height));
        require(is.content == was.content && is.picture == was.picture);
    }
    for (std::size_t j = 0; j < label.texts.size(); ++j) {
        const TextDescription& was = label.texts[j];
        const TextRecord is = readTextRecord(bytes, *header, qint64(j));
        require(is.left == stored(was.left) && is.top == stored(was.top));
        require(is.width == stored(was.width) && is.height == stored(was.height));
        const auto properties = parseTextProperties(is.properties);
        require(properties.ok() && properties->font == was.font && properties->content == was.content);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Not copied: a read past the end of the input is caught at once.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    decompressBlock(bytes);
    checkLine(bytes);

    const auto header = readLabelHeader(bytes);
    if (!header.ok())
        return 0;

    LabelDescription label { header->width, header->height, {}, {} };
    qint64 payload = 0;
    const qint64 images = std::min<qint64>(header->imageCount, kMaxRecords);
    for (qint64 i = 0; i < images && imageEntryInData(bytes, *header, i); ++i) {
        ImageRecord record = readImageRecord(bytes, *header, i);
        payload += record.content.size() + record.picture.size();
        label.images.push_back(std::move(record));
    }
    const qint64 texts = std::min<qint64>(header->textCount, kMaxRecords);
    for (qint64 j = 0; j < texts && textEntryInData(bytes, *header, j); ++j) {
        const TextRecord record = readTextRecord(bytes, *header, j);
        checkLine(record.properties);
        const auto properties = parseTextProperties(record.properties);
        if (properties.ok()) {
            payload += properties->content.size();
            label.texts.push_back({ record.left, record.top, record.width, record.height, properties->font,
                properties->content });
        }
    }
    // The last records, wherever the counts put them.
    if (header->imageCount > 0)
        readImageRecord(bytes, *header, header->imageCount - 1);
    if (header->textCount > 0)
        readTextRecord(bytes, *header, header->textCount - 1);

    if (payload <= kMaxRoundTripBytes)
        checkRoundTrip(label);
    return 0;
}
