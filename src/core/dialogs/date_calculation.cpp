#include "core/dialogs/date_calculation.h"

namespace notavi {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kDaysPerWeek = 7;

bool inDateRange(long long day)
{
    return day >= toDayNumber(kMinYear, 1, 1) && day <= toDayNumber(kMaxYear, 12, 31);
}

std::optional<DayNumber> stepMonths(DayNumber start, long long months)
{
    const CivilDate date = toCivil(start);
    const long long target = static_cast<long long>(date.year) * kMonthsPerYear + (date.month - 1) + months;
    if (target < kMinYear * kMonthsPerYear || target >= (kMaxYear + 1LL) * kMonthsPerYear)
        return std::nullopt;
    return addMonths(start, static_cast<int>(months));
}

} // namespace

std::optional<DayNumber> calculateDate(DayNumber start, int count, DateUnit unit, DateDirection direction)
{
    if (!inDateRange(start))
        return std::nullopt;
    const long long signedCount = direction == DateDirection::Before ? -static_cast<long long>(count) : count;
    switch (unit) {
    case DateUnit::Months:
        return stepMonths(start, signedCount);
    case DateUnit::Years:
        return stepMonths(start, signedCount * kMonthsPerYear);
    case DateUnit::Weeks:
    case DateUnit::Days: {
        const long long days = unit == DateUnit::Weeks ? signedCount * kDaysPerWeek : signedCount;
        const long long result = start + days;
        return inDateRange(result) ? std::optional<DayNumber>(static_cast<DayNumber>(result)) : std::nullopt;
    }
    }
    return std::nullopt;
}

} // namespace notavi
