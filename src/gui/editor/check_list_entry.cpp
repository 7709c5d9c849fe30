#include "gui/editor/check_list_entry.h"

#include <algorithm>

namespace notavi::gui {

std::optional<CheckListTarget> checkListTarget(const QString& entry)
{
    const qsizetype open = entry.lastIndexOf(QLatin1Char('('));
    if (open < 0)
        return std::nullopt;
    const qsizetype semicolon = entry.indexOf(QLatin1Char(';'), open);
    const qsizetype nameEnd = semicolon < 0 ? entry.size() : semicolon;
    const qsizetype close = semicolon < 0 ? -1 : entry.indexOf(QLatin1Char(')'), semicolon);
    const QString number = semicolon < 0
                               ? QString()
                               : entry.mid(semicolon + 1, (close < 0 ? entry.size() : close) - semicolon - 1);
    return CheckListTarget{entry.mid(open + 1, nameEnd - open - 1), std::max(1, number.trimmed().toInt())};
}

} // namespace notavi::gui
