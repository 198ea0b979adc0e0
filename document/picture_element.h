#pragma once

class LabelDocument;

// 插入图片: a copy of the picture template showing its "双击"/"选图" picture, selected with the handle
// at its corner, content "[双击选图]". No scratch file is written until a picture is chosen.
void insertPictureElement(LabelDocument& document);
