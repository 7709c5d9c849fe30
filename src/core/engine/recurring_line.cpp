#include "core/engine/recurring_line.h"

namespace notavi {

const std::string& recurringBlockName(BlockKind block)
{
    return BlockCatalogue::displayName(blockNumber(block));
}

void composeOccurrence(Evaluation& ev, int dayOffset, std::size_t textPosition, BlockKind block)
{
    ev.dayOffset = dayOffset;
    ev.setEntryTextFrom(textPosition);
    ev.compose("", ev.switchOf(block), block);
    ev.repeatEntry = true;
}

void composeIfInRange(Evaluation& ev, DayNumber day, std::size_t textPosition, BlockKind block)
{
    if (ev.inRange(day))
        composeOccurrence(ev, day - ev.rangeStart, textPosition, block);
}

void checkOptionsOfLineWithoutEntry(Evaluation& ev, std::size_t textPosition, BlockKind block)
{
    // forEachAppointmentLine clears repeatEntry before every line: still clear means no entry yet.
    if (!ev.isErrorCheck() || ev.repeatEntry)
        return;
    ev.dayOffset = 0;
    ev.entryText = ev.lineFrom(textPosition);
    ev.compose("", false, block);
}

std::optional<int> parseWeekday(Evaluation& ev, std::size_t position, BlockKind block)
{
    const std::string written = charactersAt(ev.line(), position, 2);
    if (const std::optional<int> weekday = weekdayOfPair(written))
        return weekday;
    ev.reportLineError(ev.quotedLine() + " enth\xE4lt den ung\xFCltigen Wochentag \"" + written + "\".",
                       ev.currentLine, false, recurringBlockName(block));
    return std::nullopt;
}

} // namespace notavi
