#pragma once

// Where choosing a block tab takes the editor: to the block's header with its comment lines at the
// top of the view, or to a new block from the template appended at the end of the text.

#include "core/model/appointment_file.h"

#include <cstddef>
#include <optional>

namespace notavi {

struct TabJump
{
    Lines appended;                     // a missing block: append these lines first (one edit)
    std::size_t caretLine = 0;          // the caret goes to the beginning of this line
    std::optional<std::size_t> topLine; // scroll so that this line is the first visible one
};

// For the beginning of the file and the thirteen block tabs; nullopt for the check list and for
// numbers that are no tab. Reads the text up to the block's header only.
std::optional<TabJump> jumpOfTab(const Lines& text, int tab);

} // namespace notavi
