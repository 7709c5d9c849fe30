#pragma once

// The results of an evaluation: the lines of the view and today's alarms.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace notavi {

// Source lines of entries without a line of the file. They lie beyond every possible line index
// (small numbers like 99998 would be real lines of a large file) and keep the order
// file lines < computed entries < separator lines.
constexpr int kInternalSourceLine = std::numeric_limits<int>::max() - 1;
constexpr int kSeparatorSourceLine = std::numeric_limits<int>::max();

struct ViewEntry
{
    std::string sortKey; // "JJJJMMTT" + " " (appointment) or "9" (separator line)
    std::string text;    // empty for a separator line
    int sourceLine = kInternalSourceLine;
    std::uint16_t colour = 0; // colour code 0..17, 0 = the block's colour
    std::uint16_t block = 0;  // block number

    bool isSeparator() const { return sourceLine == kSeparatorSourceLine; }

    friend bool operator==(const ViewEntry&, const ViewEntry&) = default;
};

struct Alarm
{
    int minuteOfDay = 0;
    std::string text;
    friend bool operator==(const Alarm&, const Alarm&) = default;
};

using ViewEntries = std::vector<ViewEntry>;
using Alarms = std::vector<Alarm>;

} // namespace notavi
