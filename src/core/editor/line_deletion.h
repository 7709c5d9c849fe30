#pragma once

// "Zeile(n) löschen": what the command does with the caret's line, decided from the line alone.
// An empty line goes at once; a comment, a stray line, an appointment or a whole block (from its
// header or its end line) after a question; an appointment whose period is running can instead be
// shortened to begin after the reference day. The window asks and applies the result as one edit.

#include "core/calendar/day_number.h"
#include "core/model/appointment_file.h"

#include <cstddef>
#include <string>

namespace notavi {

struct LineDeletion
{
    enum class Kind
    {
        Refused,       // information `message`; nothing changes
        Failed,        // error `message` (a block whose beginning or end is missing); nothing changes
        Delete,        // delete the lines at once, without a question
        Ask,           // question `message` with Yes/No; Yes deletes the lines
        AskShortening, // question `message` with Yes/No/All: Yes replaces line `first` by
                       // `shortened`, All deletes it, No changes nothing
    };

    Kind kind = Kind::Refused;
    std::size_t first = 0; // the lines to delete: first ... end - 1 (with their line breaks)
    std::size_t end = 0;
    std::string message;   // Windows-1252
    std::string shortened; // AskShortening: the line with its period from the day after the reference day
};

// For the caret's line `line` of the text; text.size() is the empty line after the final line
// break. The reference day is today in the visible editor, the day of the chosen occurrence when
// the main window deletes through the hidden editor.
LineDeletion deletionAt(const Lines& text, std::size_t line, DayNumber referenceDay);

// Deleting a whole block from its header line or its end line.
LineDeletion blockDeletionAt(const Lines& text, std::size_t line);

} // namespace notavi
