#pragma once

#include "files/label_file.h"

#include <QByteArray>

#include <optional>
#include <vector>

// A label file read and checked whole, before anything of the label on screen is touched.

enum class LabelReadError {
    BadMagic, // not a label file: "无法打开，错误的标签格式，请重新选择！"
    BadLabelSize, // width or height 0: "打开失败，错误的标签宽度或高度！"
    BadRecord, // a record that cannot be loaded: "打开失败，无法加载数据，请稍后重试！"
};

struct OpenedImage {
    int tag = 0; // by kind, in file order: 200001, 200002, ... for "P"; 300001, ... for "B"; 400001, ... for "D"
    ImageRecord record; // kind letter "P", "B" or "D"
};

struct OpenedText {
    int tag = 0; // 100001, 100002, ... in file order
    TextRecord record; // as stored; the geometry's size is replaced by the text's measured one
    TextProperties properties; // face name already replaced where it is empty or too long
};

struct OpenedLabel {
    int width = 0; // pixels
    int height = 0;
    std::vector<OpenedImage> images;
    std::vector<OpenedText> texts;
};

// The largest label file that is read; a bigger one is no label file of ours.
inline constexpr qint64 kMaxLabelFileSize = 0x7FFFFFFF;
// The largest label side, in pixels, that a window can have.
inline constexpr int kMaxLabelSide = 16777215;
// The largest text size in points that is opened; sizes beyond any font dialog's are no text of a label.
inline constexpr int kMaxTextPoints = 1638;
// Everything the records of one file may decompress to, added up: a few compressed bytes can claim
// a gigabyte each, and a file holds many records.
inline constexpr qint64 kMaxOpenedBytes = qint64(1) << 30;

// The face name that stands in for one that is empty or 32 bytes or longer: "宋体" (GBK).
QByteArray openedFaceName(const QByteArray& faceName);

// Every record of the file, or the first reason it cannot be opened, in the order the checks
// meet it: the magic, the label size, then each image record and each text record. Beyond what
// the format itself refuses, a label side beyond kMaxLabelSide is a bad size, and a record is bad
// when its offset-table entry lies beyond the end of the file (the file was cut short), when a
// kind would need more than 99,999 tags, when an image element's side passes kMaxBitmapSide (its
// picture could not be saved again), when a text's size passes kMaxTextPoints either way, or when the records
// together decompress to more than maxOpenedBytes. An image record's kind letter other than "P",
// "B" or "D" is taken as "P", as the writer writes any other kind.
// The label is set only when the file reads completely.
std::optional<LabelReadError> readLabelFile(const QByteArray& bytes, OpenedLabel& label,
                                            qint64 maxOpenedBytes = kMaxOpenedBytes);
