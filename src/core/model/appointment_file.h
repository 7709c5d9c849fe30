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
