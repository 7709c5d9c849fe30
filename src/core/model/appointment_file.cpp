#include "core/model/appointment_file.h"

#include "core/model/block_catalogue.h"

namespace notavi {

Lines splitLines(std::string_view bytes)
{
    // Counted first, so that the list is made once at its size: moving it as it grows would touch
    // twice the memory.
    std::size_t count = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        count += bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
    Lines lines;
    lines.reserve(count);
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string joinLines(const Lines& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string_view trimRight(std::string_view line)
{
    std::size_t end = line.size();
    while (end > 0 && line[end - 1] == ' ')
        --end;
    return line.substr(0, end);
}

std::string_view trimBlanks(std::string_view line)
{
    line = trimRight(line);
    std::size_t start = 0;
    while (start < line.size() && line[start] == ' ')
        ++start;
    return line.substr(start);
}

LineKind classifyLine(std::string_view line)
{
    if (trimBlanks(line).empty())
        return LineKind::Empty;
    switch (line[0]) {
    case '*':
        return LineKind::Comment;
    case '~':
        return LineKind::Deactivated;
    case '@':
        return LineKind::End;
    default:
        break;
    }
    return BlockCatalogue::isHeaderLine(line) ? LineKind::Header : LineKind::Other;
}

} // namespace notavi
