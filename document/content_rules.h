#pragma once

#include <QByteArray>

#include <functional>

// Whether some record of the document already holds a content (exact bytes).
using ContentHeld = std::function<bool(const QByteArray&)>;

// A content that no record holds yet: the proposal itself, or else the proposal followed by "-2",
// "-3", … . A content names its element's scratch file, so two image elements made within the same
// second (whose timestamps are equal) must not share it: rotating one would show the other's picture,
// and replacing one's picture would delete the other's file.
QByteArray distinctContent(const QByteArray& proposal, const ContentHeld& isHeld);

// What becomes of a barcode's or a QR code's content typed in by the user.
enum class CodeEntryVerdict {
    Accepted,
    Blank,        // nothing but ASCII and full-width spaces: ignored without a message
    NotEncodable, // a barcode byte outside "!" to "~" (Chinese, tabs): code set B has no value for it
    Duplicate,    // some record already holds the text
};

struct CodeEntry {
    CodeEntryVerdict verdict = CodeEntryVerdict::Blank;
    QByteArray content; // what the element keeps when accepted
};

// A barcode keeps the text without its spaces. Both the text as typed and the text it becomes count
// against the records: "A B" typed for one barcode while another holds "AB" would otherwise give two
// elements the content "AB".
CodeEntry checkBarcodeEntry(const QByteArray& entered, const ContentHeld& isHeld);
// A QR code keeps the text as typed, spaces and all.
CodeEntry checkQrEntry(const QByteArray& entered, const ContentHeld& isHeld);
