#pragma once

// The user's place in the view, kept across a recomputation: after a change the caret returns to
// the first entry of the day it stood on (or the nearest earlier day), and the view scrolls back to
// where it was.

#include "core/engine/view_entry.h"

#include <string>

namespace notavi {

struct ViewPosition
{
    int firstVisibleLine = 0;
    int caretLine = 0;
    std::string key; // sort key of the entry under the caret; empty: none, or word wrap is on
    friend bool operator==(const ViewPosition&, const ViewPosition&) = default;
};

// The line the caret returns to in the recomputed entries: the remembered line itself when there is
// no key to look for, else the first entry of the remembered day, or of the last day before it.
int restoredCaretLine(const ViewEntries& entries, const ViewPosition& remembered);

} // namespace notavi
