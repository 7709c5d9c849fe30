#include "core/editor/appointment_period.h"

#include "core/calendar/german_text.h"
#include "core/model/line_options.h"

#include <string>

namespace notavi {

std::optional<std::size_t> optionStart(BlockKind block, std::string_view line)
{
    switch (block) {
    case BlockKind::Birthdays:
    case BlockKind::TwoWeekly:
    case BlockKind::FourWeekly:
    case BlockKind::SixWeekly:
    case BlockKind::SinceYears:
        return 11;
    case BlockKind::NameDays:
    case BlockKind::Yearly:
        return 6;
    case BlockKind::Weekly:
        return 3;
    case BlockKind::Monthly:
        return 4;
    case BlockKind::XthWeekday:
        return 8;
    case BlockKind::EveryXDays:
        // A three-digit interval ends at position 14, a two-digit one at 13.
        return line.size() >= 14 && line[13] >= '0' && line[13] <= '9' ? 15 : 14;
    default:
        return std::nullopt;
    }
}

std::optional<AppointmentPeriod> appointmentPeriod(BlockKind block, std::string_view line)
{
    std::optional<std::size_t> start = optionStart(block, line);
    if (!start || *start >= line.size())
        return std::nullopt;
    std::string rest(line.substr(*start));
    if (takeHolidayFlag(rest))
        *start += 4;
    PeriodField field;
    if (!takePeriod(rest, field))
        return std::nullopt;
    const std::optional<DayNumber> first = parseDateText(field.beginText);
    const std::optional<DayNumber> last = parseDateText(field.endText);
    if (!first || !last || *last < *first)
        return std::nullopt;
    return AppointmentPeriod{*start, *first, *last};
}

} // namespace notavi
