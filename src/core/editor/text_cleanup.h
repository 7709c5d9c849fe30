#pragma once

// The cleanup of the editor's text after every load and before every check.

#include "core/model/appointment_file.h"

namespace notavi {

// Deletes blank lines and the blocks of older versions for feasts the program now computes itself,
// with the comment lines above them and their lines below. Whole lines go; the lines that stay keep
// every byte. Lines 1 to 11 never go as comment lines of such a block. Returns whether any line went.
bool cleanUpText(Lines& lines);

} // namespace notavi
