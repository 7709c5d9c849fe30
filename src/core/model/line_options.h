#pragma once

// The optional fields at the start of the rest of an appointment line, in their fixed order:
// "~F~ ", "~TT.MM.JJJJ-TT.MM.JJJJ~ ", "~hh:mm~ ", "~xx~ ". Each recogniser looks at the start of
// the rest only and removes its field when it stands there.

#include <string>

namespace notavi {

struct PeriodField
{
    std::string beginText; // as written, ten characters
    std::string endText;
};

struct AlarmField
{
    bool valid = false;
    int minuteOfDay = 0; // hour * 60 + minute when valid
};

struct ColourField
{
    bool valid = false;
    int code = 0; // 0..17; an invalid code counts as 0
};

// Each returns whether its field was present (and then removed from rest).
bool takeHolidayFlag(std::string& rest);
bool takePeriod(std::string& rest, PeriodField& period);
bool takeAlarm(std::string& rest, AlarmField& alarm);
bool takeColour(std::string& rest, ColourField& colour);

struct LineOptions
{
    bool holidayFlag = false;
    bool hasPeriod = false;
    PeriodField period;
    bool hasAlarm = false;
    AlarmField alarm;
    bool hasColour = false;
    ColourField colour;
    std::string text; // what remains: the appointment text
};

// All four recognisers in order.
LineOptions parseLineOptions(std::string rest);

} // namespace notavi
