#pragma once

// Reading an appointment line back into the entry dialog's values for a change. A fault in the line
// never stops the change: it is reported once and a replacement value stands in the form, so that
// confirming the dialog mends the line.

#include "core/dialogs/entry_form.h"

#include <string>
#include <string_view>
#include <vector>

namespace notavi {

struct DecomposedLine
{
    EntryForm form;
    // The warnings to show one after the other before the dialog opens (Windows-1252, "\r" breaks).
    std::vector<std::string> warnings;
};

// block is the block number 0..12 of the line; today and minuteNow (minute of the day) stand in for
// dates and an alarm time that cannot be read. A blank line (see isBlankEntryLine) opens the dialog
// as for a new appointment instead.
DecomposedLine decompose(int block, std::string_view line, DayNumber today, int minuteNow);

// Nothing but blanks and control characters.
bool isBlankEntryLine(std::string_view line);

} // namespace notavi
