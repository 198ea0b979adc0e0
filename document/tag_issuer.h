#pragma once

#include "document/element_kind.h"

#include <functional>

// The tag for a new element: base + tableCount (the kind's table count with the new entry), the
// numbering of a document built one insert at a time. When a deletion has left that number to a live
// element, the next free number above highestIssued is taken, then the lowest free one of the range;
// 0 when all 99,999 numbers of the kind are live. Never a live tag, never outside the kind's range.
int issueTag(ElementKind kind, int tableCount, int highestIssued, const std::function<bool(int)>& isLive);
