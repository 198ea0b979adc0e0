#pragma once

#include "printing/label_page.h"

#include <QPoint>

struct OpenedLabel;

// The page of a label file as Open has read it, without building the label on a screen: the same
// page the print command makes of the label once opened. Element geometry in the file is in the
// window's client coordinates; `labelOrigin` is where the editor puts the label surface. Image
// elements print the picture they were saved with as their control shows it, texts their font
// and content.
LabelPage labelPageOfFile(const OpenedLabel& label, QPoint labelOrigin, int screenDpi, int printerDpi);
