#include "core/engine/recurring_line.h"

#include "core/model/windows1252.h"

#include <array>

namespace notavi {

const std::string& recurringBlockName(BlockKind block)
{
    return BlockCatalogue::displayName(blockNumber(block));
}

std::string charactersAt(const std::string& line, std::size_t position, std::size_t count)
{
    return position - 1 < line.size() ? line.substr(position - 1, count) : std::string();
}

void composeOccurrence(Evaluation& ev, int dayOffset, std::size_t textPosition, BlockKind block)
{
    ev.dayOffset = dayOffset;
    ev.entryText = ev.lineFrom(textPosition);
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
    static constexpr std::array<std::string_view, 7> kPairs = {"MO", "DI", "MI", "DO", "FR", "SA", "SO"};
    const std::string written = charactersAt(ev.line(), position, 2);
    const std::string pair = toUpper1252(written);
    for (std::size_t i = 0; i < kPairs.size(); ++i)
        if (pair == kPairs[i])
            return static_cast<int>(i) + 1;
    ev.reportLineError(ev.quotedLine() + " enth\xE4lt den ung\xFCltigen Wochentag \"" + written + "\".",
                       ev.currentLine, false, recurringBlockName(block));
    return std::nullopt;
}

} // namespace notavi
