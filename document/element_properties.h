#pragma once

class Dialogs;
class LabelDocument;

// 属性 on the selected element. A text element: the font dialog, prefilled with the element's font;
// on OK the font is set as a whole (the angle kept, a colour not used, the face-name rule) and the
// element rendered again. An image element: its content in a box without an icon. Nothing selected:
// nothing happens. The handle and the read-out stay as they are.
void showElementProperties(LabelDocument& document, Dialogs& dialogs);
