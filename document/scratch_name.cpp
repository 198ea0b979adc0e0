#include "document/scratch_name.h"

#include <QCryptographicHash>

namespace {

constexpr qsizetype kMaxEncoded = 200; // well below the 255 bytes of a file name
constexpr qsizetype kKeptWhenLong = 100;

bool standsForItself(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

QString scratchFileName(const QByteArray& content)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray name;
    name.reserve(content.size() * 3 + 8);
    for (const char c : content) {
        if (standsForItself(c)) {
            name += c;
        } else {
            const auto b = static_cast<unsigned char>(c);
            name += '_';
            name += kHex[b >> 4];
            name += kHex[b & 0x0F];
        }
        if (name.size() > kMaxEncoded)
            break;
    }
    if (name.size() > kMaxEncoded) {
        // "~" never appears in a short name, so a long name never equals a short one.
        name = name.left(kKeptWhenLong) + '~'
            + QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
    }
    return QString::fromLatin1(name + ".tmp");
}

QString scratchFilePath(const QString& scratchFolder, const QByteArray& content)
{
    return scratchFolder + QLatin1Char('/') + scratchFileName(content);
}
