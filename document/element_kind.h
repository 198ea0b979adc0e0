#pragma once

#include <optional>

// The kind of an element is never stored: it follows from the tag's range.
enum class ElementKind { Text, Picture, Barcode, QrCode };

inline constexpr int kTagsPerKind = 100000;

// Text 100001-199999, Picture 200001-299999, Barcode 300001-399999, QrCode 400001-499999; none else.
std::optional<ElementKind> kindOfTag(int tag);
// 100000, 200000, 300000, 400000.
int tagBase(ElementKind kind);
bool isImageKind(ElementKind kind);
// Pictures, barcodes and QR codes alike: 200000 < tag < 500000.
bool isImageTag(int tag);
bool isTextTag(int tag);
// The kind's mark in label files: none for text, "P", "B", "D".
char kindLetter(ElementKind kind);
