#pragma once

class Dialogs;
class DrawingCanvas;
class LabelDocument;

// 插入文本: a copy of the text template, selected, with "[双击输入文本]" written at its top-left corner
// in the template's font. Its box keeps the template's 208 × 32 until it is first rendered.
void insertTextElement(LabelDocument& document);

// A double-click on a text element: its text in the input box; on OK a text that is not blank (once
// ASCII and full-width spaces are taken out) becomes its content as typed, spaces kept, and is
// rendered. The element is selected and the read-out refreshed whatever the answer.
void editTextElement(LabelDocument& document, Dialogs& dialogs, DrawingCanvas* canvas);

// Redraws the text element with this tag from its content and font, and fits its box to the text at
// the font's angle; left and top stay. No element with the tag: nothing happens.
void renderTextElement(LabelDocument& document, int tag);
