#pragma once

class Clock;
class Dialogs;
class LabelDocument;
class PictureControl;

// A double-click on an image element, by its kind:
// - a picture: a BMP file chosen in the open dialog, reduced to black and white by nearest colour,
//   becomes its picture under the new content "P" + timestamp; a cancelled dialog, a file that is no
//   uncompressed BMP, or a scratch file that cannot be written leaves it as it was, without a message;
// - a barcode or a QR code: new content typed in the input box (prefilled with "B" or "D" and the
//   timestamp of now) and the code made from it; a blank text is ignored, a content some record
//   already holds and a barcode text that code set B cannot carry are refused with a message.
// The old scratch file goes when the content changes. Afterwards the handle is placed at the element
// and the read-out refreshed, except after a refusal, which ends the command at once.
void editImageElement(LabelDocument& document, Dialogs& dialogs, const Clock& clock, PictureControl* control);
