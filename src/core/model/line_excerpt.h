#pragma once

// The part of a file line that messages quote: a line may be megabytes long, and a message box or a
// list entry with all of it takes seconds to appear and runs off the screen.

#include <cstddef>
#include <string>
#include <string_view>

namespace notavi {

inline constexpr std::size_t kExcerptLength = 150;

// The first 150 characters of the line; a longer line is cut there and ends in " …" (Windows-1252).
std::string lineExcerpt(std::string_view line);

} // namespace notavi
