#pragma once

// Composing an appointment line from the entry dialog's values on OK: the block's date part, the
// checks of the dates, the option fields in their order, the text and the deactivation mark.

#include "core/dialogs/entry_form.h"

#include <string>

namespace notavi {

// The questions OK may ask before it writes a date in the past; Yes lets the date stand.
enum class EntryQuestion
{
    PastHoliday,   // a holiday that ended before today
    PastOneTime,   // a one-time appointment before today
    PastPeriodEnd, // a period that ended before today
};

struct AcceptedQuestions
{
    bool pastHoliday = false;
    bool pastOneTime = false;
    bool pastPeriodEnd = false;

    bool has(EntryQuestion question) const;
    AcceptedQuestions with(EntryQuestion question) const;
};

struct ComposeResult
{
    enum class Kind
    {
        Line,     // line holds the composed appointment line
        Refusal,  // show message as a warning, focus the control, stay open
        Question, // ask message with Yes/No: Yes composes again with the question accepted,
                  // No focuses the control and stays open
    };

    Kind kind = Kind::Line;
    std::string line;
    std::string message;
    EntryControl focus = EntryControl::None;
    EntryQuestion question = EntryQuestion::PastHoliday;
    // The zero-interval refusal puts "0" into C_EDTX_Tage.
    bool repeatCountSetToZero = false;
};

// today is the current day; comparisons are by whole days.
ComposeResult compose(const EntryForm& form, DayNumber today, AcceptedQuestions accepted = {});

} // namespace notavi
