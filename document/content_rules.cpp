#include "document/content_rules.h"

#include "document/gbk_text.h"

QByteArray distinctContent(const QByteArray& proposal, const ContentHeld& isHeld)
{
    if (!isHeld(proposal))
        return proposal;
    // Every try that fails is a content some record holds, so this ends after at most as many tries
    // as there are records.
    for (int suffix = 2;; ++suffix) {
        const QByteArray candidate = proposal + '-' + QByteArray::number(suffix);
        if (!isHeld(candidate))
            return candidate;
    }
}

namespace {

bool isBlank(const QByteArray& text)
{
    QByteArray stripped = text;
    removeSpaces(stripped);
    return stripped.isEmpty();
}

} // namespace

CodeEntry checkBarcodeEntry(const QByteArray& entered, const ContentHeld& isHeld)
{
    QByteArray stripped = entered;
    removeSpaces(stripped);
    if (stripped.isEmpty())
        return {CodeEntryVerdict::Blank, {}};
    if (!isPrintableAscii(stripped))
        return {CodeEntryVerdict::NotEncodable, {}};
    if (isHeld(entered) || isHeld(stripped))
        return {CodeEntryVerdict::Duplicate, {}};
    return {CodeEntryVerdict::Accepted, stripped};
}

CodeEntry checkQrEntry(const QByteArray& entered, const ContentHeld& isHeld)
{
    if (isBlank(entered))
        return {CodeEntryVerdict::Blank, {}};
    if (isHeld(entered))
        return {CodeEntryVerdict::Duplicate, {}};
    return {CodeEntryVerdict::Accepted, entered};
}
