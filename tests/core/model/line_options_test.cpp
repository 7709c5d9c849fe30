#include "core/model/line_options.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(LineOptions, AllFieldsInTheirOrder)
{
    LineOptions o = parseLineOptions("~f~ ~01.01.2024-31.12.2024~ ~12:30~ ~05~ Zahnarzt");
    EXPECT_TRUE(o.holidayFlag);
    ASSERT_TRUE(o.hasPeriod);
    EXPECT_EQ(o.period.beginText, "01.01.2024");
    EXPECT_EQ(o.period.endText, "31.12.2024");
    ASSERT_TRUE(o.hasAlarm);
    EXPECT_TRUE(o.alarm.valid);
    EXPECT_EQ(o.alarm.minuteOfDay, 12 * 60 + 30);
    ASSERT_TRUE(o.hasColour);
    EXPECT_EQ(o.colour.code, 5);
    EXPECT_EQ(o.text, "Zahnarzt");
}

TEST(LineOptions, FieldsOutOfOrderStayInTheText)
{
    LineOptions o = parseLineOptions("~12:30~ ~F~ ~05~ Text");
    EXPECT_FALSE(o.holidayFlag);
    EXPECT_TRUE(o.hasAlarm);
    EXPECT_FALSE(o.hasColour);
    EXPECT_EQ(o.text, "~F~ ~05~ Text");
}

TEST(LineOptions, InvalidAlarmsAndColoursAreRemovedAllTheSame)
{
    struct Case
    {
        const char* rest;
        bool alarmPresent, alarmValid, colourPresent, colourValid;
        int colour;
        const char* text;
    };

    for (Case c :
         {Case{"~24:00~ T", true, false, false, false, 0, "T"},
          Case{"~ab:cd~ T", true, false, false, false, 0, "T"},
          Case{"~23:59~ T", true, true, false, false, 0, "T"},
          Case{"~12:60~ T", true, false, false, false, 0, "T"},
          Case{"~18~ T", false, false, true, false, 0, "T"},
          Case{"~17~ T", false, false, true, true, 17, "T"},
          Case{"~x7~ T", false, false, true, false, 0, "T"}, Case{"~00~ T", false, false, true, true, 0, "T"},
          Case{"~12:30~T", false, false, false, false, 0, "~12:30~T"},
          Case{"~05~", false, false, false, false, 0, "~05~"}, Case{"", false, false, false, false, 0, ""}}) {
        LineOptions o = parseLineOptions(c.rest);
        EXPECT_EQ(o.hasAlarm, c.alarmPresent) << c.rest;
        EXPECT_EQ(o.alarm.valid, c.alarmValid) << c.rest;
        EXPECT_EQ(o.hasColour, c.colourPresent) << c.rest;
        EXPECT_EQ(o.colour.valid, c.colourValid) << c.rest;
        EXPECT_EQ(o.colour.code, c.colour) << c.rest;
        EXPECT_EQ(o.text, c.text) << c.rest;
    }
}

TEST(LineOptions, PeriodNeedsItsMarksOnly)
{
    PeriodField period;
    std::string rest = "~xx.xx.xxxx-yy.yy.yyyy~ T";
    EXPECT_TRUE(takePeriod(rest, period)); // the dates are checked by the evaluation, not here
    EXPECT_EQ(rest, "T");
    std::string shortRest = "~01.01.2024-31.12.2024";
    EXPECT_FALSE(takePeriod(shortRest, period));
    std::string exact = "~01.01.2024-31.12.2024~";
    EXPECT_TRUE(takePeriod(exact, period));
    EXPECT_EQ(exact, "");
}

} // namespace
} // namespace notavi
