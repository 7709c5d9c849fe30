#pragma once

// The editor's questions about a line, in Windows-1252; each quotes at most the line's first 150
// characters.

#include "core/model/block_catalogue.h"

#include <string>
#include <string_view>

namespace notavi {

// The part of a line a question quotes.
std::string_view questionExcerpt(std::string_view line);

// The block's name in questions: the caption of its editor tab without the "&"
// ("Zweiwöchentl. Termine").
std::string_view questionBlockName(BlockKind block);

} // namespace notavi
