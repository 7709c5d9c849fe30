// The recognisers of the optional fields at the start of an appointment text, on arbitrary bytes.

#include "core/model/line_options.h"
#include "fuzz_check.h"

#include <string>

namespace notavi::fuzz {
namespace {

// A recogniser either leaves the text alone or removes a prefix of it, never more than its field.
template <typename Take> bool takeChecked(std::string& rest, std::size_t longestField, Take take)
{
    const std::string before = rest;
    const bool present = take(rest);
    if (!present) {
        require(rest == before, "an absent field leaves the text alone");
        return false;
    }
    require(rest.size() < before.size() && before.size() - rest.size() <= longestField,
            "a present field removes at most its own characters");
    require(before.ends_with(rest), "a field is removed from the start");
    return true;
}

} // namespace
} // namespace notavi::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace notavi;
    using fuzz::require;
    const std::string input(fuzz::bytesOf(data, size));

    std::string rest = input;
    PeriodField period;
    AlarmField alarm;
    ColourField colour;
    const bool holiday = fuzz::takeChecked(rest, 4, [](std::string& r) { return takeHolidayFlag(r); });
    const bool hasPeriod = fuzz::takeChecked(rest, 24, [&](std::string& r) { return takePeriod(r, period); });
    const bool hasAlarm = fuzz::takeChecked(rest, 8, [&](std::string& r) { return takeAlarm(r, alarm); });
    const bool hasColour = fuzz::takeChecked(rest, 5, [&](std::string& r) { return takeColour(r, colour); });

    if (hasPeriod)
        require(period.beginText.size() == 10 && period.endText.size() == 10,
                "period dates have ten characters");
    if (hasAlarm)
        require(alarm.valid ? alarm.minuteOfDay >= 0 && alarm.minuteOfDay < 24 * 60 : alarm.minuteOfDay == 0,
                "an alarm time is a time of day, or 0 when invalid");
    if (hasColour)
        require(colour.valid ? colour.code >= 0 && colour.code < 18 : colour.code == 0,
                "a colour code is 0..17, or 0 when invalid");

    const LineOptions options = parseLineOptions(input);
    require(options.holidayFlag == holiday && options.hasPeriod == hasPeriod &&
                options.hasAlarm == hasAlarm && options.hasColour == hasColour && options.text == rest,
            "parseLineOptions is the four recognisers in order");

    // Each recogniser alone, on the untouched text, as the composition calls them after one another.
    for (int field = 0; field < 4; ++field) {
        std::string alone = input;
        switch (field) {
        case 0:
            fuzz::takeChecked(alone, 4, [](std::string& r) { return takeHolidayFlag(r); });
            break;
        case 1:
            fuzz::takeChecked(alone, 24, [&](std::string& r) { return takePeriod(r, period); });
            break;
        case 2:
            fuzz::takeChecked(alone, 8, [&](std::string& r) { return takeAlarm(r, alarm); });
            break;
        default:
            fuzz::takeChecked(alone, 5, [&](std::string& r) { return takeColour(r, colour); });
            break;
        }
    }
    return 0;
}
