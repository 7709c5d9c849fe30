#include "core/editor/expiry.h"

#include "core/calendar/german_text.h"
#include "core/editor/appointment_period.h"
#include "core/model/appointment_file.h"

#include <algorithm>

namespace notavi {
namespace {

// A one-time line begins with its day, a holiday line with "TT.MM.JJJJ-" and then its last day.
constexpr std::size_t kOneTimeDayAt = 0;
constexpr std::size_t kHolidayLastDayAt = 11;

std::optional<DayNumber> dateAt(std::string_view line, std::size_t at)
{
    return at < line.size() ? parseDateText(line.substr(at, 10)) : std::nullopt;
}

} // namespace

std::optional<DayNumber> decisiveDay(BlockKind block, std::string_view line)
{
    if (trimBlanks(line).empty() || line[0] == '*' || line[0] == '~')
        return std::nullopt;
    if (block == BlockKind::OneTime)
        return dateAt(line, kOneTimeDayAt);
    if (block == BlockKind::SchoolHolidays)
        return dateAt(line, kHolidayLastDayAt);
    if (const std::optional<AppointmentPeriod> period = appointmentPeriod(block, line))
        return period->last;
    return std::nullopt;
}

DayNumber automaticLimitDay(DayNumber today, int ageLimit)
{
    return today - (std::clamp(ageLimit, 1, kMaxAgeLimit) - 1);
}

} // namespace notavi
