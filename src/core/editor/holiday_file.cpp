#include "core/editor/holiday_file.h"

#include "core/model/storage.h"

#include <algorithm>

namespace notavi {
namespace {

// Letters by which a state line begins: the ASCII ones and the German umlauts (Windows-1252).
bool beginsWithLetter(std::string_view line)
{
    if (line.empty())
        return false;
    const char c = line.front();
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    constexpr std::string_view kUmlauts = "\xC4\xD6\xDC\xE4\xF6\xFC";
    return kUmlauts.find(c) != std::string_view::npos;
}

bool beginsWithDigit(std::string_view line)
{
    return !line.empty() && line.front() >= '0' && line.front() <= '9';
}

} // namespace

std::string_view HolidayFile::schoolYear() const
{
    return m_lines.empty() ? std::string_view() : std::string_view(m_lines.front());
}

std::vector<std::string> HolidayFile::states() const
{
    std::vector<std::string> states;
    std::copy_if(m_lines.begin(), m_lines.end(), std::back_inserter(states),
                 [](const std::string& line) { return beginsWithLetter(line); });
    return states;
}

Lines HolidayFile::holidaysOf(std::string_view state) const
{
    auto line = std::find_if(m_lines.begin(), m_lines.end(),
                             [state](const std::string& l) { return beginsWithLetter(l) && l == state; });
    if (line == m_lines.end())
        return {};
    const auto first = std::next(line);
    const auto end =
        std::find_if_not(first, m_lines.end(), [](const std::string& l) { return beginsWithDigit(l); });
    return Lines(first, end);
}

std::optional<HolidayFile> readHolidayFile(const FileSystem& fs, const Path& path)
{
    if (fs.isDirectory(path))
        return std::nullopt;
    std::optional<Lines> lines = readLines(fs, path);
    if (!lines)
        return std::nullopt;
    return HolidayFile(std::move(*lines));
}

Lines holidayLinesToImport(const HolidayFile& file, std::string_view state, bool withStateName)
{
    Lines lines = file.holidaysOf(state);
    if (withStateName)
        for (std::string& line : lines)
            line.append(" in ").append(state);
    return lines;
}

} // namespace notavi
