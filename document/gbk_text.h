#pragma once

#include <QByteArray>

// Texts of the model are GBK byte strings: bytes below 0x80 stand alone, a byte from 0x81 up
// leads a double-byte character together with the byte after it.

inline bool isGbkLeadByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x81 && b <= 0xFE;
}

// Length in bytes of the character starting at index i (1 or 2; 1 for a lone lead byte at the end).
inline int gbkCharLength(const QByteArray& text, qsizetype i)
{
    return isGbkLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

// Removes ASCII spaces and the full-width space (A1 A1) in place. Double-byte characters are
// stepped over whole, so the trail byte of one is never taken for a space; tabs stay.
void removeSpaces(QByteArray& text);

// The leading decimal integer of a text after folding GBK full-width forms (A3 A1 to A3 FE, and the
// ideographic space A1 A1) to ASCII: leading white space skipped, an optional sign, the digits up
// to the first other character. No digits gives 0; values beyond int32 are held at its limits.
int textToInt(const QByteArray& text);

// Full-width forms folded to their ASCII equivalents; other characters kept whole.
QByteArray foldFullWidth(const QByteArray& text);

// Flags are written "真" and "假"; a text is true only if it is exactly "真".
QByteArray flagText(bool value);
bool isTrueFlag(const QByteArray& text);

// True when the text is not empty and every byte lies from "!" to "~".
bool isPrintableAscii(const QByteArray& text);
