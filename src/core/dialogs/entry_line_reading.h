#pragma once

// What the readers of an appointment line share while they fill the form.

#include "core/dialogs/entry_form.h"

#include <string>
#include <string_view>
#include <vector>

namespace notavi {

struct EntryLineReading
{
    EntryForm form;
    std::vector<std::string> warnings;
    DayNumber today = 0;
    int minuteNow = 0;

    void warn(std::string message) { warnings.push_back(std::move(message)); }
};

// The option fields at the start of rest in their order, then the text into text1.
void readEntryOptions(std::string rest, EntryLineReading& reading);

} // namespace notavi
