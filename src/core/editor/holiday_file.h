#pragma once

// A school-holiday file (".fer"): line 1 names the school year, a line beginning with a letter names
// a federal state, and the lines beginning with a digit directly below it are that state's holidays,
// each written exactly as a line of the "FER" block.

#include "core/model/appointment_file.h"
#include "core/model/file_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notavi {

class HolidayFile
{
  public:
    explicit HolidayFile(Lines lines) : m_lines(std::move(lines)) {}

    // Line 1 as written; empty for an empty file.
    std::string_view schoolYear() const;
    // The state lines in file order (line 1 too, should it begin with a letter).
    std::vector<std::string> states() const;
    // The holiday lines below the first line that equals the state exactly; none when the state is
    // not in the file.
    Lines holidaysOf(std::string_view state) const;

  private:
    Lines m_lines;
};

// The file's lines; nullopt when it cannot be read (missing, a folder, no permission).
std::optional<HolidayFile> readHolidayFile(const FileSystem& fs, const Path& path);

// The lines to import for a state: with the state's name appended (" in Berlin") when asked for.
Lines holidayLinesToImport(const HolidayFile& file, std::string_view state, bool withStateName);

} // namespace notavi
