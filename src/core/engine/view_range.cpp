#include "core/engine/view_range.h"

#include "core/calendar/german_text.h"

#include <algorithm>

namespace notavi {
namespace {

// The range as the tab names it, before it is kept within the years the dates can be written in.
ViewRange unclippedRange(ViewMode mode, DayNumber evaluationDate)
{
    CivilDate date = toCivil(evaluationDate);
    switch (mode) {
    case ViewMode::Week:
        return {evaluationDate, 7};
    case ViewMode::FourWeeks:
        return {evaluationDate, 27};
    case ViewMode::Month:
        return {toDayNumber(date.year, date.month, 1), daysInMonth(date.year, date.month) - 1};
    case ViewMode::LastFourWeeks:
        return {evaluationDate - 27, 27};
    case ViewMode::Year:
        return {toDayNumber(date.year, 1, 1), daysInYear(date.year) - 1};
    }
    return {evaluationDate, 0};
}

std::string formatRange(const ViewRange& range)
{
    return formatDate(range.start) + " - " + formatDate(range.start + range.length);
}

// Months from 01.0001 of the date's month, so that a step of months or years is checked against the
// valid years before any day is computed for it.
int monthIndex(DayNumber day)
{
    const CivilDate date = toCivil(day);
    return date.year * 12 + date.month - 1;
}

bool monthStepStaysValid(DayNumber day, int months)
{
    const int target = monthIndex(day) + months;
    return target >= kMinYear * 12 && target <= kMaxYear * 12 + 11;
}

} // namespace

DayNumber firstValidDay()
{
    return toDayNumber(kMinYear, 1, 1);
}

DayNumber lastValidDay()
{
    return toDayNumber(kMaxYear, 12, 31);
}

ViewRange viewRange(ViewMode mode, DayNumber evaluationDate)
{
    // Days before 01.01.0001 or after 31.12.9999 have no "TT.MM.JJJJ": the evaluators would report
    // valid lines for dates of the year 0 or 10000, and the tab would name them.
    static const DayNumber first = firstValidDay();
    static const DayNumber last = lastValidDay();
    const ViewRange range = unclippedRange(mode, evaluationDate);
    const DayNumber start = std::clamp(range.start, first, last);
    const DayNumber end = std::clamp(range.start + range.length, first, last);
    return {start, end - start};
}

SteppedDate stepEvaluationDate(int viewMode, DayNumber date, int direction)
{
    int days = 0;
    int months = 0;
    switch (viewMode) {
    case static_cast<int>(ViewMode::Week):
        days = 7;
        break;
    case static_cast<int>(ViewMode::FourWeeks):
    case static_cast<int>(ViewMode::LastFourWeeks):
        days = 28;
        break;
    case static_cast<int>(ViewMode::Month):
        months = 1;
        break;
    case static_cast<int>(ViewMode::Year):
        months = 12;
        break;
    default:
        return {DateStep::UnknownMode, date};
    }
    if (months != 0) {
        if (!monthStepStaysValid(date, direction * months))
            return {DateStep::OutOfRange, date};
        return {DateStep::Moved, addMonths(date, direction * months)};
    }
    const DayNumber moved = date + direction * days;
    if (moved < firstValidDay() || moved > lastValidDay())
        return {DateStep::OutOfRange, date};
    return {DateStep::Moved, moved};
}

std::string tabCaption(ViewMode mode, DayNumber evaluationDate)
{
    CivilDate date = toCivil(evaluationDate);
    switch (mode) {
    case ViewMode::Week:
        return "&H " + weekdayNameOf(evaluationDate) + ", der " + formatDate(evaluationDate);
    case ViewMode::FourWeeks:
        return "&N " + formatRange(viewRange(mode, evaluationDate));
    case ViewMode::Month:
        return "&M " + monthName(date.month) + " " + std::to_string(date.year);
    case ViewMode::LastFourWeeks:
        return "&L " + formatRange(viewRange(mode, evaluationDate));
    case ViewMode::Year:
        return "&J " + std::to_string(date.year);
    }
    return {};
}

std::array<std::string, kViewModeCount> tabCaptions(DayNumber evaluationDate)
{
    std::array<std::string, kViewModeCount> captions;
    for (int mode = 0; mode < kViewModeCount; ++mode)
        captions[static_cast<std::size_t>(mode)] = tabCaption(static_cast<ViewMode>(mode), evaluationDate);
    return captions;
}

const std::string& tabHint(ViewMode mode)
{
    static const std::array<std::string, kViewModeCount> hints = {
        "Termine f\xFCr heute und der n\xE4"
        "chsten Woche.",
        "Termine der n\xE4"
        "chsten vier Wochen.",
        "Termine des aktuellen Monats.",
        "Termine der letzten vier Wochen.",
        "Termine des aktuellen Jahrs.",
    };
    return hints[static_cast<std::size_t>(mode)];
}

} // namespace notavi
