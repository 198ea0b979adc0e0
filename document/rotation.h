#pragma once

class LabelDocument;

// 旋转0度 … 旋转270度 on the selected element; the angle (0, 900, 1800, 2700, tenths of a degree) is
// absolute, from the element's unturned orientation.
// - A text element: the handle parked, the font's angle set (counter-clockwise), the text rendered
//   again; its box follows the text.
// - An image element shows a turned copy of the picture in its scratch file, in its unchanged box: a
//   picture turned clockwise by the angle on white; a barcode or a QR code a quarter turn clockwise at
//   900 and 2700 and unturned at 0 and 1800. The scratch file is never rewritten, the handle stays.
//   Without a readable scratch file nothing happens.
// The read-out is not refreshed.
void rotateSelectedElement(LabelDocument& document, int angle);
