#include "core/editor/holiday_list.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace notavi {
namespace {

std::vector<std::string> textsOf(int year)
{
    std::vector<std::string> texts;
    for (const HolidayItem& item : holidayList(year))
        texts.push_back(item.text);
    return texts;
}

TEST(HolidayList, WholeYear2024InCalendarOrderAndSameDayByText)
{
    const std::vector<std::string> expected = {
        "01.01. Neujahr",
        "06.01. Heilige Drei K\xF6nige",
        "02.02. Mari\xE4 Lichtmess",
        "08.02. Altweiberfastnacht",
        "12.02. Rosenmontag",
        "14.02. Aschermittwoch",
        "14.02. Valentinstag",
        "24.03. Palmsonntag",
        "28.03. Gr\xFCndonnerstag",
        "29.03. Karfreitag",
        "31.03. Ostersonntag",
        "01.04. Ostermontag",
        "01.05. Maifeiertag",
        "09.05. Christi Himmelfahrt (Vatertag)",
        "19.05. Pfingstsonntag",
        "20.05. Pfingstmontag",
        "30.05. Fronleichnam",
        "15.08. Mari\xE4 Himmelfahrt",
        "03.10. Tag der Deutschen Einheit",
        "31.10. Reformationstag",
        "01.11. Allerheiligen",
        "02.11. Allerseelen",
        "17.11. Volkstrauertag",
        "20.11. Bu\xDF- und Bettag",
        "24.11. Totensonntag",
        "01.12. 1. Advent",
        "06.12. Nikolaustag",
        "08.12. 2. Advent",
        "15.12. 3. Advent",
        "22.12. 4. Advent",
        "24.12. Heiligabend",
        "25.12. 1. Weihnachtstag",
        "26.12. 2. Weihnachtstag",
        "31.12. Silvester",
    };
    EXPECT_EQ(textsOf(2024), expected);
}

// Whether `second` stands directly after `first` in the list of the year.
bool standsRightAfter(int year, const std::string& first, const std::string& second)
{
    const std::vector<std::string> texts = textsOf(year);
    const auto at = std::find(texts.begin(), texts.end(), first);
    return at != texts.end() && at + 1 != texts.end() && *(at + 1) == second;
}

TEST(HolidayList, SameDayItemsAreOrderedByText)
{
    EXPECT_TRUE(standsRightAfter(2008, "01.05. Christi Himmelfahrt (Vatertag)", "01.05. Maifeiertag"));
    // 2023: the fourth Sunday of Advent is Christmas Eve; 2015: the second one is St Nicholas' day.
    EXPECT_TRUE(standsRightAfter(2023, "24.12. 4. Advent", "24.12. Heiligabend"));
    EXPECT_TRUE(standsRightAfter(2015, "06.12. 2. Advent", "06.12. Nikolaustag"));
}

TEST(HolidayList, YearsWithoutEasterKeepTheFixedAndAdventDays)
{
    const std::vector<HolidayItem> y2100 = holidayList(2100);
    EXPECT_EQ(y2100.size(), 22u);
    EXPECT_EQ(y2100[3].text, "14.02. Valentinstag");
    EXPECT_EQ(y2100[4].text, "01.05. Maifeiertag");
    for (const int year : {1, 1899, 9999}) {
        const std::vector<HolidayItem> items = holidayList(year);
        ASSERT_EQ(items.size(), 22u) << year;
        EXPECT_TRUE(std::is_sorted(items.begin(), items.end(),
                                   [](const HolidayItem& a, const HolidayItem& b) { return a.day < b.day; }));
        EXPECT_EQ(items.front().text, "01.01. Neujahr");
        EXPECT_EQ(items.back().text, "31.12. Silvester");
    }
    EXPECT_EQ(holidayList(1900).size(), 34u);
    EXPECT_EQ(holidayList(2099).size(), 34u);
}

TEST(HolidayList, YearsOutsideTheCalendarHaveNone)
{
    EXPECT_TRUE(holidayList(0).empty());
    EXPECT_TRUE(holidayList(10000).empty());
    EXPECT_TRUE(holidayList(-4).empty());
}

TEST(HolidayList, HeadingNamesTheYear)
{
    EXPECT_EQ(holidayListHeading(2024), " Feiertage im Jahr 2024");
}

} // namespace
} // namespace notavi
