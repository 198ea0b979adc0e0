#pragma once

class Clock;
class LabelDocument;

// 插入条形码 and 插入二维码: a new element with the content "B" or "D" and the timestamp of one clock
// reading, showing its code, selected with the handle at its corner. A barcode is made 300 wide.
// The code's picture is written to the element's scratch file; the control shows it only if the
// file was written, and keeps the template's picture otherwise. Nothing is asked, nothing shown.
void insertBarcode(LabelDocument& document, const Clock& clock);
void insertQrCode(LabelDocument& document, const Clock& clock);
