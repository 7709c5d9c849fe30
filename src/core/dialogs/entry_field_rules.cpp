#include "core/dialogs/entry_field_rules.h"

#include "core/model/block_catalogue.h"
#include "core/model/date_part_fields.h"

#include <algorithm>

namespace notavi {
namespace {

constexpr int kMaxWeeks = 142;
constexpr int kMaxDays = 999;
constexpr int kDaysPerWeek = 7;

int countOf(const std::string& typed)
{
    return wholeNumber(typed).value_or(0);
}

} // namespace

EntryControlsInUse controlsInUse(int block)
{
    EntryControlsInUse use;
    if (block < 0 || block >= kUserBlockCount)
        return use;
    const auto kind = static_cast<BlockKind>(block);
    use.date = kind != BlockKind::Weekly && kind != BlockKind::Monthly && kind != BlockKind::XthWeekday;
    use.lastDayOfFebruary = kind == BlockKind::Yearly;
    use.birthYearUnknown = kind == BlockKind::Birthdays;
    use.holidayEnd = kind == BlockKind::SchoolHolidays;
    use.repeat = kind == BlockKind::EveryXDays;
    use.xthWeekday = kind == BlockKind::XthWeekday;
    use.weekday = kind == BlockKind::Weekly || kind == BlockKind::XthWeekday;
    use.month = kind == BlockKind::XthWeekday;
    use.dayOfMonth = kind == BlockKind::Monthly;
    use.part2 = kind == BlockKind::SinceYears;
    use.period = kind != BlockKind::SchoolHolidays && kind != BlockKind::OneTime;
    return use;
}

int leapYearFrom(int year)
{
    while (!isLeapYear(year) && year < kMaxYear)
        ++year;
    return isLeapYear(year) ? year : year - 3;
}

bool okAllowed(const EntryForm& form)
{
    return !form.text1.empty() && (!controlsInUse(form.block).part2 || !form.text2.empty());
}

std::string repeatCountOnLeave(const std::string& typed, bool inWeeks)
{
    const int count = countOf(typed);
    if (count == 0)
        return "1";
    return inWeeks && count > kMaxWeeks ? std::to_string(kMaxWeeks) : typed;
}

std::string repeatCountInWeeks(const std::string& typedDays)
{
    return std::to_string(std::max(countOf(typedDays) / kDaysPerWeek, 1));
}

std::string repeatCountInDays(const std::string& typedWeeks)
{
    return std::to_string(std::min(std::min(countOf(typedWeeks), kMaxDays) * kDaysPerWeek, kMaxDays));
}

std::string periodCountOnLeave(const std::string& typed)
{
    return typed.empty() ? "0" : typed;
}

std::optional<DayNumber> computedPeriodEnd(DayNumber begin, const std::string& count, int unitItem)
{
    const std::optional<int> n = wholeNumber(count);
    if (!n || unitItem < 0 || unitItem > 3)
        return std::nullopt;
    return calculateDate(begin, *n, static_cast<DateUnit>(unitItem), DateDirection::After);
}

} // namespace notavi
