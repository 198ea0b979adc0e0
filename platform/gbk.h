#pragma once

#include <QByteArray>
#include <QString>

// The model keeps texts as GBK byte strings; Qt shows Unicode. GB18030 is used both ways: it is a
// superset of GBK, so every GBK byte string decodes, and no character a user types is lost.
QString fromGbk(const QByteArray& bytes);
// Characters that GBK cannot hold come out as GB18030 four-byte sequences; *exact is false then.
QByteArray toGbk(const QString& text, bool* exact = nullptr);
