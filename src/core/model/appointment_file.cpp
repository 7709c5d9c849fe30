#include "core/model/appointment_file.h"

#include "core/model/block_catalogue.h"

#include <algorithm>
#include <cstring>

namespace notavi {
namespace {

// Where c first stands in text from `from` on, or text.size(): memchr looks at many bytes at a time.
std::size_t findByte(std::string_view text, std::size_t from, char c)
{
    if (from >= text.size())
        return text.size();
    const void* at = std::memchr(text.data() + from, c, text.size() - from);
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text.data()) : text.size();
}

// Hands every line whose end lies in the piece to takeLine (its part in this piece) and returns where
// the unfinished rest begins. afterCr carries a CR that ended the last piece: an LF at the start of
// this one belongs to it.
template <typename TakeLine>
std::size_t walkLineEnds(std::string_view piece, bool& afterCr, TakeLine takeLine)
{
    const std::size_t size = piece.size();
    std::size_t start = 0;
    if (afterCr && size > 0) {
        afterCr = false;
        if (piece[0] == '\n')
            start = 1;
    }
    std::size_t cr = findByte(piece, start, '\r');
    std::size_t lf = findByte(piece, start, '\n');
    for (std::size_t end = std::min(cr, lf); end < size; end = std::min(cr, lf)) {
        takeLine(piece.substr(start, end - start));
        start = end + 1;
        if (end == cr) {
            if (start == size)
                afterCr = true;
            else if (piece[start] == '\n')
                ++start;
        }
        if (cr < start)
            cr = findByte(piece, start, '\r');
        if (lf < start)
            lf = findByte(piece, start, '\n');
    }
    return start;
}

} // namespace

Lines splitLines(std::string_view bytes)
{
    LineCounter counter;
    counter.feed(bytes);
    LineSplitter splitter(counter.count(), counter.longest());
    splitter.feed(bytes);
    return splitter.finish();
}

LineSplitter::LineSplitter(std::size_t expectedLines, std::size_t longestLine) : m_longest(longestLine)
{
    m_lines.reserve(expectedLines);
}

void LineSplitter::feed(std::string_view piece)
{
    const std::size_t start =
        walkLineEnds(piece, m_afterCr, [this](std::string_view line) { takeLine(line); });
    if (start < piece.size()) {
        // A line that goes on in the next piece: its room is made once, not doubled piece by piece.
        if (m_partial.empty())
            m_partial.reserve(std::max(m_longest, piece.size() - start));
        m_partial.append(piece.substr(start));
    }
}

void LineSplitter::takeLine(std::string_view rest)
{
    if (m_partial.empty()) {
        m_lines.emplace_back(rest);
        return;
    }
    m_partial.append(rest);
    m_lines.push_back(std::move(m_partial));
    m_partial.clear();
}

Lines LineSplitter::finish()
{
    if (!m_partial.empty())
        m_lines.push_back(std::move(m_partial));
    m_partial.clear();
    m_afterCr = false;
    return std::move(m_lines);
}

void LineCounter::feed(std::string_view piece)
{
    const std::size_t start = walkLineEnds(piece, m_afterCr, [this](std::string_view line) {
        m_longest = std::max(m_longest, m_current + line.size());
        m_current = 0;
        ++m_ends;
    });
    m_current += piece.size() - start;
    m_longest = std::max(m_longest, m_current);
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
