#include "core/app/view_position.h"

#include <algorithm>

namespace notavi {
namespace {

bool isSeparatorKey(const std::string& key)
{
    return !key.empty() && key.back() == '9';
}

} // namespace

int restoredCaretLine(const ViewEntries& entries, const ViewPosition& remembered)
{
    if (entries.empty() || remembered.key.empty())
        return remembered.caretLine;
    const std::string& wanted = remembered.key;
    const auto last = static_cast<int>(entries.size()) - 1;
    auto keyAt = [&](int line) { return entries[static_cast<std::size_t>(line)].sortKey(); };

    int line = std::clamp(remembered.caretLine, 0, last);
    if (keyAt(line) < wanted) {
        while (line < last && keyAt(line) < wanted)
            ++line;
        if (keyAt(line) > wanted && line > 0) {
            --line;
            if (isSeparatorKey(keyAt(line)) && line > 0)
                --line;
        }
    } else if (keyAt(line) > wanted) {
        while (line > 0 && keyAt(line) > wanted)
            --line;
        if (isSeparatorKey(keyAt(line)) && line > 0)
            --line;
    }
    // The first entry of the day reached.
    while (line > 0 && keyAt(line - 1) == keyAt(line))
        --line;
    return line;
}

} // namespace notavi
