#include "document/tag_issuer.h"

int issueTag(ElementKind kind, int tableCount, int highestIssued, const std::function<bool(int)>& isLive)
{
    const int first = tagBase(kind) + 1;
    const int last = tagBase(kind) + kTagsPerKind - 1;
    const auto usable = [&](int tag) { return tag >= first && tag <= last && !isLive(tag); };

    const int counted = tagBase(kind) + tableCount;
    if (usable(counted))
        return counted;
    if (highestIssued >= first - 1 && usable(highestIssued + 1))
        return highestIssued + 1;
    for (int tag = first; tag <= last; ++tag) {
        if (!isLive(tag))
            return tag;
    }
    return 0;
}
