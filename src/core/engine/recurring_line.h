#pragma once

// What the evaluators of the recurring blocks share: the entry of one occurrence, the check-pass
// composition of a line without occurrence, the weekday pair and the walk over the months of the range.

#include "core/engine/evaluation.h"
#include "core/model/date_part_fields.h"

#include <cctype>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace notavi {

const std::string& recurringBlockName(BlockKind block);

inline bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Composes the occurrence dayOffset days after rangeStart with a fresh copy of the line's text
// (the composition consumes the option fields). Later errors of the line stay silent.
void composeOccurrence(Evaluation& ev, int dayOffset, std::size_t textPosition, BlockKind block);

// Composes the occurrence on a day of the range; days outside it yield nothing.
void composeIfInRange(Evaluation& ev, DayNumber day, std::size_t textPosition, BlockKind block);

// In the error check pass a valid line that yielded no entry is composed once, so that its option
// fields are checked as well.
void checkOptionsOfLineWithoutEntry(Evaluation& ev, std::size_t textPosition, BlockKind block);

// The weekday of the two characters at the 1-based position ("Mo" ... "So", any case):
// 1 = Monday ... 7 = Sunday. Reports an unknown pair under the block's name.
std::optional<int> parseWeekday(Evaluation& ev, std::size_t position, BlockKind block);

struct YearMonth
{
    int year = 0;
    int month = 0; // 1 ... 12
};

// Calls visit once for every calendar month that has a day in the range, in order.
template <typename Visit> void forEachMonthOfRange(const Evaluation& ev, Visit visit)
{
    const CivilDate last = toCivil(ev.rangeEnd());
    const int lastIndex = last.year * 12 + last.month - 1;
    for (int index = ev.rangeDate.year * 12 + ev.rangeDate.month - 1; index <= lastIndex; ++index)
        visit(YearMonth{index / 12, index % 12 + 1});
}

} // namespace notavi
