#include "core/model/line_options.h"

namespace notavi {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads two characters as a number the way a string-to-integer conversion would: digits only.
bool twoDigitNumber(const std::string& s, std::size_t at, int& value)
{
    if (!isDigit(s[at]) || !isDigit(s[at + 1]))
        return false;
    value = (s[at] - '0') * 10 + (s[at + 1] - '0');
    return true;
}

} // namespace

bool takeHolidayFlag(std::string& rest)
{
    if (rest.size() < 4 || rest[0] != '~' || (rest[1] != 'F' && rest[1] != 'f') || rest[2] != '~' ||
        rest[3] != ' ')
        return false;
    rest.erase(0, 4);
    return true;
}

bool takePeriod(std::string& rest, PeriodField& period)
{
    if (rest.size() < 23 || rest[0] != '~' || rest[11] != '-' || rest[22] != '~')
        return false;
    period.beginText = rest.substr(1, 10);
    period.endText = rest.substr(12, 10);
    rest.erase(0, rest.size() < 24 ? rest.size() : 24);
    return true;
}

bool takeAlarm(std::string& rest, AlarmField& alarm)
{
    if (rest.size() < 8 || rest[0] != '~' || rest[3] != ':' || rest[6] != '~' || rest[7] != ' ')
        return false;
    int hours = 0;
    int minutes = 0;
    alarm.valid =
        twoDigitNumber(rest, 1, hours) && twoDigitNumber(rest, 4, minutes) && hours < 24 && minutes < 60;
    alarm.minuteOfDay = alarm.valid ? hours * 60 + minutes : 0;
    rest.erase(0, 8);
    return true;
}

bool takeColour(std::string& rest, ColourField& colour)
{
    if (rest.size() < 5 || rest[0] != '~' || rest[3] != '~' || rest[4] != ' ')
        return false;
    int code = 0;
    colour.valid = twoDigitNumber(rest, 1, code) && code < 18;
    colour.code = colour.valid ? code : 0;
    rest.erase(0, 5);
    return true;
}

LineOptions parseLineOptions(std::string rest)
{
    LineOptions options;
    options.holidayFlag = takeHolidayFlag(rest);
    options.hasPeriod = takePeriod(rest, options.period);
    options.hasAlarm = takeAlarm(rest, options.alarm);
    options.hasColour = takeColour(rest, options.colour);
    options.text = std::move(rest);
    return options;
}

} // namespace notavi
