#include "core/app/view_position.h"
#include "core/calendar/day_number.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

DayNumber december(int day)
{
    return toDayNumber(2026, 12, day);
}

// 0: 08.12. Zahnarzt   1: 08.12. Friseur   2: separator   3: 10.12. Kino   4: separator
// 5: 14.12. Chor
ViewEntries sampleView()
{
    ViewEntries entries;
    entries.add(december(8), "Zahnarzt", 10);
    entries.add(december(8), "Friseur", 11);
    entries.addSeparator(december(8));
    entries.add(december(10), "Kino", 12);
    entries.addSeparator(december(10));
    entries.add(december(14), "Chor", 13);
    return entries;
}

std::string appointmentKey(int day)
{
    return std::string("202612") + (day < 10 ? "0" : "") + std::to_string(day) + " ";
}

TEST(ViewPosition, TheCaretReturnsToTheFirstEntryOfItsDayOrTheDayBefore)
{
    const struct
    {
        const char* label;
        int caretLine;
        std::string key;
        int expected;
    } cases[] = {
        {"same day, second entry: back to its first", 1, appointmentKey(8), 0},
        {"same day found from a line further down", 5, appointmentKey(10), 3},
        {"same day found from a line further up", 0, appointmentKey(14), 5},
        {"day gone: the day before, not its separator", 5, appointmentKey(12), 3},
        {"day gone, searched forward: the day before", 0, appointmentKey(9), 0},
        {"day before every entry: the first line", 5, appointmentKey(1), 0},
        {"day after every entry: the last day", 0, appointmentKey(31), 5},
        {"caret beyond the list: starts at the last entry", 40, appointmentKey(10), 3},
        {"caret on a separator line: the day it ends", 3, std::string("202612089"), 0},
        {"no key (word wrap, blank line): the remembered line", 4, "", 4},
    };

    const ViewEntries entries = sampleView();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(restoredCaretLine(entries, {0, c.caretLine, c.key}), c.expected);
    }
}

TEST(ViewPosition, AnEmptyViewKeepsTheRememberedLine)
{
    EXPECT_EQ(restoredCaretLine(ViewEntries{}, {0, 7, appointmentKey(8)}), 7);
}

} // namespace
} // namespace notavi
