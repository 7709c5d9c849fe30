#include "core/editor/unstorable_text.h"

#include "core/model/windows1252.h"

#include <algorithm>

namespace notavi {
namespace {

template <typename Text> std::optional<std::size_t> firstUnstorable(const std::vector<Text>& lines)
{
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [](const Text& line) { return !storableAsWindows1252(line); });
    if (found == lines.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - lines.begin());
}

} // namespace

std::optional<std::size_t> firstUnstorableLine(const std::vector<std::string>& utf8Lines)
{
    return firstUnstorable(utf8Lines);
}

std::optional<std::size_t> firstUnstorableLine(const std::vector<std::u32string>& lines)
{
    return firstUnstorable(lines);
}

Lines storableLines(const std::vector<std::string>& utf8Lines)
{
    Lines lines;
    lines.reserve(utf8Lines.size());
    for (const std::string& line : utf8Lines)
        lines.push_back(fromUtf8(line));
    return lines;
}

} // namespace notavi
