#pragma once

#include "document/edit_rules.h"

class DocumentHost;
class Dialogs;
class LabelDocument;

// Moves the selected element one pixel and keeps it in the edit area; an image element's handle
// follows it (its visibility and stacking place stay). The selection read-out is not rewritten.
void nudgeSelected(LabelDocument& document, DocumentHost& host, NudgeKey key);

// Asks, then deletes the selected element. The question comes even when nothing is selected.
void deleteSelected(LabelDocument& document, Dialogs& dialogs);
