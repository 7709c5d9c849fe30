#pragma once

// Merging the holiday lines of one state into the "FER" block: new lines go directly below the
// header, in the order of the holiday file and above the older ones; a line the block holds already
// is never added twice. Two variants: the editor's, as one insertion its text can undo, and the main
// window's, as a new list to write.

#include "core/model/appointment_file.h"

#include <cstddef>
#include <functional>
#include <string>

namespace notavi {

// Asked for each holiday line the block holds already (the line is skipped): true reads the rest,
// false ends the import.
using DuplicateQuestion = std::function<bool(const std::string& line)>;

struct HolidayMerge
{
    std::size_t insertAt = 0; // the line after the block's header
    Lines inserted;           // to stand from insertAt on, in the order of the holiday file
    Lines duplicates;         // skipped, in the order of the holiday file
    bool stopped = false;     // the user ended the import at a duplicate

    void applyTo(Lines& text) const;
};

// The editor's import: the block the view reads, or, when the text has no "FER" block, one appended
// from the template first.
struct HolidayEdit
{
    Lines appendedBlock; // to append at the end of the text before inserting; empty when not needed
    HolidayMerge merge;  // its positions count in the text after that append

    void applyTo(Lines& text) const;
};

HolidayEdit planHolidayImport(const Lines& text, const Lines& candidates,
                              const DuplicateQuestion& goOnAfterDuplicate);

// The main window's import into its list. An empty list stands for the default file that loading
// has just written, so the holidays go into that file's block.
struct HolidayListImport
{
    Lines lines;                // the new list
    bool blockAppended = false; // the list had no "FER" block: one was appended from the template
    HolidayMerge merge;
};

HolidayListImport importHolidaysIntoList(Lines list, const Lines& candidates,
                                         const DuplicateQuestion& goOnAfterDuplicate);

} // namespace notavi
