#include "platform/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Stateless, or a lead byte at the very end would be held back for a next call that never comes.
constexpr auto kFlags = QStringConverter::Flag::Stateless;

bool encodesAsGbk(const QByteArray& bytes)
{
    // GBK is GB18030 without its four-byte sequences (second byte 0x30 to 0x39).
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80)
            continue;
        if (i + 1 < bytes.size()) {
            const auto d = static_cast<unsigned char>(bytes[i + 1]);
            if (d >= 0x30 && d <= 0x39)
                return false;
        }
        ++i;
    }
    return true;
}

// Bytes at the end that start a character but do not finish it.
qsizetype incompleteTail(const QByteArray& bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        qsizetype length = 1;
        if (c >= 0x81 && c <= 0xFE) {
            length = 2;
            if (i + 1 < bytes.size()) {
                const auto d = static_cast<unsigned char>(bytes[i + 1]);
                if (d >= 0x30 && d <= 0x39)
                    length = 4;
            }
        }
        if (i + length > bytes.size())
            return bytes.size() - i;
        i += length;
    }
    return 0;
}

} // namespace

QString fromGbk(const QByteArray& bytes)
{
    QStringDecoder decoder("GB18030", kFlags);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    // The decoder drops a cut character silently; show it as a replacement character instead.
    const qsizetype tail = incompleteTail(bytes);
    QString text = decoder.decode(QByteArrayView(bytes).first(bytes.size() - tail));
    if (tail > 0)
        text += QChar::ReplacementCharacter;
    return text;
}

QByteArray toGbk(const QString& text, bool* exact)
{
    QStringEncoder encoder("GB18030", kFlags);
    if (!encoder.isValid()) {
        if (exact)
            *exact = false;
        return text.toLatin1();
    }
    QByteArray bytes = encoder.encode(text);
    if (exact)
        *exact = !encoder.hasError() && encodesAsGbk(bytes);
    return bytes;
}
