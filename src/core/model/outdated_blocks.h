#pragma once

// Blank lines and the blocks that older versions wrote for feasts the program now computes itself
// ("UEBERS...", "OSTERN...", "ADVENT...", "FEIERT..."): both go from the text after every load, in
// the main window's repair as in the editor.

#include "core/model/appointment_file.h"

#include <cstddef>
#include <string_view>

namespace notavi {

// Whether a line is one of the program's lines that the blank-line pass must also drop.
using ExtraLineTest = bool (*)(std::string_view line);

// One pass over lines[from...] that moves the kept lines up in place to lines[to...] (to <= from)
// and shrinks the list: blank lines go, lines that `dropAlso` names go, and an outdated block goes
// with its body and the comment lines above it. Those comment lines are looked for no higher than
// index `keepAbove`, so that the info area above it stays whole. Returns whether any line went.
bool removeBlankAndOutdatedLines(Lines& lines, std::size_t from, std::size_t to, std::size_t keepAbove,
                                 ExtraLineTest dropAlso = nullptr);

} // namespace notavi
