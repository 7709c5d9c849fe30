#pragma once

// Text typed or pasted into the editor may hold characters that the appointment file cannot store
// ("→", emoji, "ő"). Before saving, the editor names the first line with such a character, and the
// user chooses between cancelling the save and having them written as "?".

#include "core/model/appointment_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace notavi {

// The index of the first line that cannot be stored whole; nullopt when every line can.
std::optional<std::size_t> firstUnstorableLine(const std::vector<std::string>& utf8Lines);
std::optional<std::size_t> firstUnstorableLine(const std::vector<std::u32string>& lines);

// The lines as the file stores them: every character without a Windows-1252 byte becomes "?".
Lines storableLines(const std::vector<std::string>& utf8Lines);

} // namespace notavi
