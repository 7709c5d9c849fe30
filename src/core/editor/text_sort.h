#pragma once

// "Sortieren": the lines of every block in ascending order of their dates, and no blank lines.

#include "core/model/appointment_file.h"

#include <string_view>

namespace notavi {

// Information shown after sorting (Windows-1252).
inline constexpr std::string_view kSortedMessage = "Die Termindatei wurde erfolgreich sortiert.";

// The text sorted: inside each block the lines are ordered by their sort key (case-insensitive,
// lines of equal keys keep their order) and come back unchanged; headers, end lines and everything
// outside the blocks stay where they are; blank lines go everywhere. A block without end line
// ends before the next header and the comment lines directly above it. Sorting twice gives the
// same text as sorting once.
Lines sortText(const Lines& text);

} // namespace notavi
