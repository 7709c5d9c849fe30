#include "core/model/line_excerpt.h"

namespace notavi {

std::string lineExcerpt(std::string_view line)
{
    if (line.size() <= kExcerptLength)
        return std::string(line);
    return std::string(line.substr(0, kExcerptLength)) + " \x85";
}

} // namespace notavi
