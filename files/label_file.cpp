#include "files/label_file.h"

#include "document/gbk_text.h"
#include "document/units.h"
#include "files/compressed_block.h"
#include "files/little_endian.h"

#include <algorithm>
#include <limits>

namespace {

constexpr char kMagic[] = "lab 1.0 ..";
constexpr qsizetype kMagicSize = 10;
constexpr qint64 kTableStart = 26;
constexpr qint64 kImageFixedSize = 25;
constexpr qint64 kTextFixedSize = 20;
constexpr int kFieldCount = 8;

void appendInt(QByteArray& bytes, qint64 value)
{
    appendUint32(bytes, value < 0 ? 0u : static_cast<std::uint32_t>(value));
}

int intAt(const QByteArray& bytes, qint64 pos)
{
    return static_cast<int>(uint32At(bytes, pos));
}

// The bytes from pos to pos + length that lie inside the data.
QByteArray sliceOf(const QByteArray& bytes, qint64 pos, qint64 length)
{
    const qint64 begin = std::clamp<qint64>(pos, 0, bytes.size());
    const qint64 end = std::clamp<qint64>(pos + length, begin, bytes.size());
    return bytes.sliced(static_cast<qsizetype>(begin), static_cast<qsizetype>(end - begin));
}

// Texts end at their first zero byte.
QByteArray textOf(QByteArray bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return bytes;
}

qint64 bodyStart(const LabelFileHeader& header)
{
    return kTableStart + 4 * (qint64(header.imageCount) + qint64(header.textCount));
}

bool entryInData(const QByteArray& bytes, qint64 entry)
{
    return kTableStart + 4 * entry + 4 <= bytes.size();
}

qint64 recordStart(const QByteArray& bytes, const LabelFileHeader& header, qint64 entry)
{
    return bodyStart(header) + uint32At(bytes, kTableStart + 4 * entry);
}

QByteArray faceNameForLine(const QByteArray& name)
{
    QByteArray kept;
    for (qsizetype i = 0; i < name.size();) {
        const int length = gbkCharLength(name, i);
        const bool loneLeadAtEnd = length == 1 && isGbkLeadByte(name[i]);
        if (length == 2)
            kept.append(name.constData() + i, 2);
        else if (name[i] != '|' && name[i] != '\0' && !loneLeadAtEnd)
            kept.append(name[i]);
        i += length;
    }
    return kept;
}

} // namespace

char kindLetterOfTag(int tag)
{
    if (tag >= 300001 && tag <= 399999)
        return 'B';
    if (tag >= 400001 && tag <= 499999)
        return 'D';
    return 'P';
}

QByteArray textPropertiesLine(const ElementFont& font, const QByteArray& content)
{
    QByteArray line;
    line += formatInt(font.angle);
    for (bool flag : { font.bold, font.italic, font.strikeout, font.underline })
        line += '|' + flagText(flag);
    line += '|' + formatInt(font.size);
    line += '|' + faceNameForLine(font.faceName);
    line += '|' + textOf(content);
    return line;
}

QByteArray encodeLabelFile(const LabelDescription& label)
{
    QByteArray table;
    QByteArray body;
    for (const ImageRecord& image : label.images) {
        const QByteArray pictureBlock = compressBlock(image.picture);
        const QByteArray contentBlock = compressBlock(image.content);
        appendInt(table, body.size());
        const char letter = image.kindLetter == 'B' || image.kindLetter == 'D' ? image.kindLetter : 'P';
        body.append(letter);
        appendInt(body, image.left);
        appendInt(body, image.top);
        appendInt(body, image.width);
        appendInt(body, image.height);
        appendInt(body, contentBlock.size());
        appendInt(body, pictureBlock.size());
        body += contentBlock;
        body += pictureBlock;
    }
    for (const TextDescription& text : label.texts) {
        const QByteArray propertyBlock = compressBlock(textPropertiesLine(text.font, text.content));
        appendInt(table, body.size());
        appendInt(body, text.left);
        appendInt(body, text.top);
        appendInt(body, text.width);
        appendInt(body, text.height);
        appendInt(body, propertyBlock.size());
        body += propertyBlock;
    }

    const qint64 total = kTableStart + qint64(table.size()) + qint64(body.size());
    if (total > std::numeric_limits<int>::max())
        return {};
    QByteArray file(kMagic, kMagicSize);
    appendInt(file, label.width);
    appendInt(file, label.height);
    appendInt(file, qint64(label.images.size()));
    appendInt(file, qint64(label.texts.size()));
    file += table;
    file += body;
    return file;
}

LabelFileRead<LabelFileHeader> readLabelHeader(const QByteArray& bytes)
{
    if (!bytes.startsWith(QByteArrayView(kMagic, kMagicSize)))
        return LabelFileError::BadMagic;
    LabelFileHeader header;
    header.width = intAt(bytes, 10);
    header.height = intAt(bytes, 14);
    // A negative size cannot be given to the label surface any more than 0 can.
    if (header.width <= 0 || header.height <= 0)
        return LabelFileError::BadLabelSize;
    header.imageCount = std::max(0, intAt(bytes, 18));
    header.textCount = std::max(0, intAt(bytes, 22));
    return header;
}

bool imageEntryInData(const QByteArray& bytes, const LabelFileHeader& header, qint64 i)
{
    return i >= 0 && i < header.imageCount && entryInData(bytes, i);
}

bool textEntryInData(const QByteArray& bytes, const LabelFileHeader& header, qint64 j)
{
    return j >= 0 && j < header.textCount && entryInData(bytes, header.imageCount + j);
}

ImageRecord readImageRecord(const QByteArray& bytes, const LabelFileHeader& header, qint64 i)
{
    ImageRecord record;
    record.kindLetter = '\0';
    if (i < 0 || i >= header.imageCount)
        return record;
    const qint64 start = recordStart(bytes, header, i);
    record.kindLetter = start < bytes.size() ? bytes[start] : '\0';
    record.left = intAt(bytes, start + 1);
    record.top = intAt(bytes, start + 5);
    record.width = intAt(bytes, start + 9);
    record.height = intAt(bytes, start + 13);
    const qint64 contentLength = uint32At(bytes, start + 17);
    const qint64 pictureLength = uint32At(bytes, start + 21);
    const qint64 contentStart = start + kImageFixedSize;
    record.content = textOf(decompressBlock(sliceOf(bytes, contentStart, contentLength)));
    record.picture = decompressBlock(sliceOf(bytes, contentStart + contentLength, pictureLength));
    return record;
}

TextRecord readTextRecord(const QByteArray& bytes, const LabelFileHeader& header, qint64 j)
{
    if (j < 0 || j >= header.textCount)
        return {};
    const qint64 start = recordStart(bytes, header, header.imageCount + j);
    TextRecord record;
    record.left = intAt(bytes, start);
    record.top = intAt(bytes, start + 4);
    record.width = intAt(bytes, start + 8);
    record.height = intAt(bytes, start + 12);
    const qint64 propertyLength = uint32At(bytes, start + 16);
    record.properties = textOf(decompressBlock(sliceOf(bytes, start + kTextFixedSize, propertyLength)));
    return record;
}

LabelFileRead<TextProperties> parseTextProperties(const QByteArray& line)
{
    // Where each of the first seven fields ends: at the first seven separators.
    qsizetype ends[kFieldCount - 1];
    int found = 0;
    for (qsizetype i = 0; i < line.size() && found < kFieldCount - 1;) {
        const int length = gbkCharLength(line, i);
        if (length == 1 && line[i] == '|')
            ends[found++] = i;
        i += length;
    }
    if (found < kFieldCount - 1 || ends[kFieldCount - 2] + 1 >= line.size())
        return LabelFileError::WrongFieldCount;

    QByteArray fields[kFieldCount];
    qsizetype begin = 0;
    for (int k = 0; k < kFieldCount - 1; ++k) {
        fields[k] = line.sliced(begin, ends[k] - begin);
        begin = ends[k] + 1;
    }
    fields[kFieldCount - 1] = line.sliced(begin);

    TextProperties properties;
    properties.font.angle = textToInt(fields[0]);
    properties.font.bold = isTrueFlag(fields[1]);
    properties.font.italic = isTrueFlag(fields[2]);
    properties.font.strikeout = isTrueFlag(fields[3]);
    properties.font.underline = isTrueFlag(fields[4]);
    properties.font.size = textToInt(fields[5]);
    properties.font.faceName = fields[6];
    properties.content = fields[7];
    return properties;
}
