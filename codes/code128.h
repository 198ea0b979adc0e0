#pragma once

#include <QByteArray>

#include <vector>

// The widths in modules of a Code 128 symbol's bars and spaces, left to right, as the digits
// '1' to '4'; the first, third, fifth ... digit is a bar, the others are spaces.
using ModulePattern = QByteArray;

enum class CodeSet { B, C };

// A run of the text encoded in one code set. A C payload always holds an even number of digits.
struct Segment {
    CodeSet codeSet = CodeSet::B;
    QByteArray payload;

    bool operator==(const Segment&) const = default;
};

inline constexpr int kCodeC = 99;
inline constexpr int kCodeB = 100;
inline constexpr int kStartB = 104;
inline constexpr int kStartC = 105;
inline constexpr int kStop = 106;

// The ordered runs of B text and C digit pairs the text is encoded as.
std::vector<Segment> splitIntoSegments(const QByteArray& text);

// The symbol character values from the start character to the stop character, check included.
// Bytes outside "!" to "~" have no code set B value and are left out of the symbol.
std::vector<int> code128Values(const QByteArray& text);

// The bar and space widths of the symbol character with this value (0 to 106); empty otherwise.
QByteArray code128Row(int value);

ModulePattern encodeCode128(const QByteArray& text);
