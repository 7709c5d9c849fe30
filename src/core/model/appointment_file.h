#pragma once

// The appointment file in memory: its lines in file order, without line ends, as Windows-1252 bytes.

#include <string>
#include <string_view>
#include <vector>

namespace notavi {

using Lines = std::vector<std::string>;

struct AppointmentFile
{
    Lines lines;
    friend bool operator==(const AppointmentFile&, const AppointmentFile&) = default;
};

// CR LF, a lone LF and a lone CR each end a line; a final line end adds no empty line.
// Every other byte (NUL included) is kept as it is.
Lines splitLines(std::string_view bytes);

// splitLines over bytes that come in pieces: a line, or a CR LF, may span two pieces.
class LineSplitter
{
  public:
    // Room for this many lines, and for a line of this length, is made up front (see LineCounter).
    explicit LineSplitter(std::size_t expectedLines = 0, std::size_t longestLine = 0);
    void feed(std::string_view piece);
    Lines finish();

  private:
    void takeLine(std::string_view rest);

    Lines m_lines;
    std::string m_partial; // the start of a line whose end is in a later piece
    std::size_t m_longest = 0;
    bool m_afterCr = false;
};

// The number of lines splitLines makes of bytes that come in pieces, and the length of the longest,
// so that the list of lines and a line across pieces can be made at their size (growing them would
// move them and touch twice the memory).
class LineCounter
{
  public:
    void feed(std::string_view piece);

    std::size_t count() const { return m_ends + (m_current > 0 ? 1 : 0); }

    std::size_t longest() const { return m_longest; }

  private:
    std::size_t m_ends = 0;
    std::size_t m_current = 0; // bytes after the last line end
    std::size_t m_longest = 0;
    bool m_afterCr = false;
};

// Every line followed by CR LF.
std::string joinLines(const Lines& lines);

enum class LineKind
{
    Comment,     // "*"
    Deactivated, // "~"
    Header,      // first three characters are a block code
    End,         // "@"
    Empty,       // no characters or only blanks
    Other,       // an appointment line inside a block, or text outside of any
};

// Kind by the first characters alone (the info area is told by position, not by content).
LineKind classifyLine(std::string_view line);

// The line with blanks removed at its end / at both ends.
std::string_view trimRight(std::string_view line);
std::string_view trimBlanks(std::string_view line);

} // namespace notavi
