#include "core/model/appointment_file.h"

#include "core/model/block_catalogue.h"

namespace notavi {

Lines splitLines(std::string_view bytes)
{
    LineCounter counter;
    counter.feed(bytes);
    LineSplitter splitter(counter.count());
    splitter.feed(bytes);
    return splitter.finish();
}

LineSplitter::LineSplitter(std::size_t expectedLines)
{
    m_lines.reserve(expectedLines);
}

void LineSplitter::feed(std::string_view piece)
{
    std::size_t start = 0;
    if (m_afterCr && !piece.empty()) {
        m_afterCr = false;
        if (piece[0] == '\n')
            start = 1; // the LF of a CR LF that the last piece ended with
    }
    for (std::size_t i = start; i < piece.size(); ++i) {
        const char c = piece[i];
        if (c != '\r' && c != '\n')
            continue;
        if (m_partial.empty()) {
            m_lines.emplace_back(piece.substr(start, i - start));
        } else {
            m_partial.append(piece.substr(start, i - start));
            m_lines.push_back(std::move(m_partial));
            m_partial.clear();
        }
        if (c == '\r') {
            if (i + 1 == piece.size())
                m_afterCr = true;
            else if (piece[i + 1] == '\n')
                ++i;
        }
        start = i + 1;
    }
    m_partial.append(piece.substr(start));
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
    for (const char c : piece) {
        if (c == '\n') {
            if (!m_afterCr)
                ++m_ends;
            m_afterCr = false;
            m_open = false;
        } else if (c == '\r') {
            ++m_ends;
            m_afterCr = true;
            m_open = false;
        } else {
            m_afterCr = false;
            m_open = true;
        }
    }
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
