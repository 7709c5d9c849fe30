#pragma once

// The results of an evaluation: the lines of the view and today's alarms.

#include <cstdint>
#include <string>
#include <vector>

namespace notavi {

constexpr int kInternalSourceLine = 99998;
constexpr int kSeparatorSourceLine = 99999;

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
