#include "document/gbk_text.h"

#include <limits>

namespace {

// "真" and "假" in GBK.
const QByteArray kTrue = QByteArrayLiteral("\xD5\xE6");
const QByteArray kFalse = QByteArrayLiteral("\xBC\xD9");

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

void removeSpaces(QByteArray& text)
{
    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size();) {
        const int length = gbkCharLength(text, i);
        const bool space = length == 1 ? text[i] == ' '
                                       : text[i] == '\xA1' && text[i + 1] == '\xA1';
        if (!space) {
            for (int k = 0; k < length; ++k)
                text[out++] = text[i + k];
        }
        i += length;
    }
    text.truncate(out);
}

QByteArray foldFullWidth(const QByteArray& text)
{
    QByteArray folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const int length = gbkCharLength(text, i);
        if (length == 2) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
                folded.append(static_cast<char>(trail - 0x80));
            else if (lead == 0xA1 && trail == 0xA1)
                folded.append(' ');
            else
                folded.append(text.constData() + i, 2);
        } else {
            folded.append(text[i]);
        }
        i += length;
    }
    return folded;
}

int textToInt(const QByteArray& text)
{
    const QByteArray folded = foldFullWidth(text);
    qsizetype i = 0;
    while (i < folded.size() && isAsciiSpace(folded[i]))
        ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) {
        negative = folded[i] == '-';
        ++i;
    }
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
        value = value * 10 + (folded[i] - '0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                   : static_cast<int>(value);
}

QByteArray flagText(bool value)
{
    return value ? kTrue : kFalse;
}

bool isTrueFlag(const QByteArray& text)
{
    return text == kTrue;
}

bool isPrintableAscii(const QByteArray& text)
{
    for (const char c : text) {
        if (c < '!' || c > '~')
            return false;
    }
    return !text.isEmpty();
}
