// The order of the view: by sort key, then by text, both compared as bytes (std::string compares
// them as unsigned char, so in the Windows-1252 code order); entries equal in both keep the order
// in which they were made. The evaluation puts its view together day by day and needs this only
// for entries outside the range; the editor's and the tests' lists are small.

#include "core/engine/view_evaluator.h"

#include <algorithm>

namespace notavi {

void sortEntries(ViewEntries& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ViewEntry& a, const ViewEntry& b) {
        if (const int byKey = a.sortKey.compare(b.sortKey); byKey != 0)
            return byKey < 0;
        return a.text < b.text;
    });
}

} // namespace notavi
