#pragma once

#include "document/element_font.h"

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The label file: the magic "lab 1.0 ..", the label's width and height, the counts P and T of image
// and text records, an offset table with one entry per record, then the records back to back.
// Every integer is four little-endian bytes; every variable-length field is a compressed block.

enum class LabelFileError {
    BadMagic, // the first 10 bytes are not "lab 1.0 .." (a shorter file included)
    BadLabelSize, // the label's width or height is 0 (or negative)
    WrongFieldCount, // a properties line without exactly eight fields
};

// A value read from a label file, or the reason why it could not be read.
template <typename T> class LabelFileRead {
public:
    LabelFileRead(T value)
        : value_(std::move(value))
    {
    }
    LabelFileRead(LabelFileError error)
        : error_(error)
    {
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    // Meaningful only when !ok().
    LabelFileError error() const { return error_; }

private:
    std::optional<T> value_;
    LabelFileError error_ = LabelFileError::BadMagic;
};

// A picture, barcode or QR code element: kind letter "P", "B" or "D", its geometry in main-window
// pixels, its content text (GBK) and the picture it shows (BMP bytes).
struct ImageRecord {
    char kindLetter = 'P';
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QByteArray content;
    QByteArray picture;

    bool operator==(const ImageRecord&) const = default;
};

// A text record as stored: its geometry and its properties line (GBK).
struct TextRecord {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QByteArray properties;

    bool operator==(const TextRecord&) const = default;
};

// The eight fields of a properties line: the font's seven, then the content.
struct TextProperties {
    ElementFont font;
    QByteArray content;

    bool operator==(const TextProperties&) const = default;
};

// A text element as the writer takes it.
struct TextDescription {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    ElementFont font;
    QByteArray content;
};

// A label as the writer takes it: its size in pixels and its elements in table order.
struct LabelDescription {
    int width = 0;
    int height = 0;
    std::vector<ImageRecord> images;
    std::vector<TextDescription> texts;
};

struct LabelFileHeader {
    int width = 0;
    int height = 0;
    // P and T. A count stored negative reads as 0: the file has no records of that kind.
    int imageCount = 0;
    int textCount = 0;
};

// "P" for the picture tags and for every tag outside the three image ranges, "B" for 300001 to
// 399999, "D" for 400001 to 499999.
char kindLetterOfTag(int tag);

// The properties line: angle, bold, italic, strikeout, underline and size as decimal integers and
// "真"/"假", then the face name and the content, joined by "|". The face name is written without
// "|", zero bytes or a lone lead byte at its end, any of which would move the fields after it; the
// content is written verbatim up to its first zero byte, where every reader stops.
QByteArray textPropertiesLine(const ElementFont& font, const QByteArray& content);

// The whole file. Negative integers are written as 0; a kind letter other than "P", "B" or "D" is
// written "P". Empty bytes only for a label whose file would pass 2 GiB (its offsets could not be
// written).
QByteArray encodeLabelFile(const LabelDescription& label);

// Checks the magic, then the label size; decodes width, height, P and T.
LabelFileRead<LabelFileHeader> readLabelHeader(const QByteArray& bytes);

// Record i of the P image records and record j of the T text records, found through the offset
// table; their blocks come back decompressed and their texts stop at the first zero byte. Every
// offset and length is checked against the data: what lies beyond the end reads as 0 or empty, a
// block that does not decompress reads as empty, and an index outside the counts gives an empty
// record (kind letter 0).
//
// Offsets and lengths are positions and sizes, so they are taken unsigned: an offset with the top
// bit set lies beyond any file, and a block that the end of the data cuts short is the part that
// lies inside it (which decompresses only if its stream is whole there). Records are read one at a
// time and nothing is allocated per count, but P and T come from the file and may claim two
// billion records; see imageEntryInData.
ImageRecord readImageRecord(const QByteArray& bytes, const LabelFileHeader& header, qint64 i);
TextRecord readTextRecord(const QByteArray& bytes, const LabelFileHeader& header, qint64 j);

// Whether the offset-table entry of image record i (or text record j) lies wholly inside the data.
// The entries follow one another, so once this is false it stays false for every later image
// index and every text index: a loop over the records may stop at the first false, and then runs
// at most (size of the data − 26) / 4 times however large P and T claim to be. Without this a loop
// to P reads every missing record as an empty one.
bool imageEntryInData(const QByteArray& bytes, const LabelFileHeader& header, qint64 i);
bool textEntryInData(const QByteArray& bytes, const LabelFileHeader& header, qint64 j);

// The eight fields of a properties line, or WrongFieldCount. The line is split at "|" with a
// double-byte GBK character taken whole, so its second byte is never a separator. Fields 1 to 7
// end at the first seven separators (an empty one counts); the content is the rest of the line
// after the seventh, "|" included, so a content holding "|" reads back as it was written. A line
// with fewer than seven separators, or with nothing after the seventh, has fewer than eight
// fields. Angle and size are read as integers with full-width digits folded; a flag is true only
// when its field is exactly "真".
LabelFileRead<TextProperties> parseTextProperties(const QByteArray& line);
