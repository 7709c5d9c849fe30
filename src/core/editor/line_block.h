#pragma once

// The block a line of the editor's text belongs to, and what the line commands may do with it.

#include "core/model/appointment_file.h"

#include <cstddef>
#include <string_view>

namespace notavi {

struct LineBlock
{
    int block = -1;          // block number 0 ... 12, or -1 outside every block
    bool changeable = false; // an appointment line of a block: "Termin ändern" may open it
};

// Comment lines count to the block whose header follows them (the info area's e-mail line and what
// lies above it to none). Headers, end lines, comment lines and lines outside every block are not
// changeable; every other line of a block is. The walk reads the line's block only, never the file.
LineBlock blockOfLine(const Lines& text, std::size_t line);

// "Zeile(n) löschen": only below the info area.
bool linesDeletableAt(std::size_t line);

// The push button "Leerzeile einfügen": also on a line that begins like a header code.
bool emptyLineInsertableAt(std::string_view line, bool changeable);

} // namespace notavi
