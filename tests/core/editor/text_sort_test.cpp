// "Sortieren": every block's lines by date, blank lines gone, everything else in its place.

#include "core/editor/sort_key.h"
#include "core/editor/text_sort.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

std::string header(BlockKind block)
{
    return toUtf8(BlockCatalogue::headerText(blockNumber(block)));
}

// The block's lines after sorting a file that holds only this block.
std::vector<std::string> sortedBlock(BlockKind block, const std::vector<std::string>& lines)
{
    const Lines sorted = sortText(cpLines(fileWithBlock(header(block), lines)));
    const std::size_t first = infoAreaLines().size() + 1;
    std::vector<std::string> body;
    for (std::size_t i = first; i + 1 < sorted.size(); ++i)
        body.push_back(toUtf8(sorted[i]));
    return body;
}

TEST(TextSort, EachBlockByItsDateOrder)
{
    const struct
    {
        const char* what;
        BlockKind block;
        std::vector<std::string> lines;
        std::vector<std::string> expected;
    } kCases[] = {
        {"birthdays: month and day first, the year only breaks ties",
         BlockKind::Birthdays,
         {"05.12.1980 Anna", "01.03.1990 Bert", "20.03.1970 Cora"},
         {"01.03.1990 Bert", "20.03.1970 Cora", "05.12.1980 Anna"}},
        {"one-time: year, month, day",
         BlockKind::OneTime,
         {"05.12.2024 A", "01.03.2025 B", "20.03.2024 C"},
         {"20.03.2024 C", "05.12.2024 A", "01.03.2025 B"}},
        {"weekly: Monday first, an unknown weekday last",
         BlockKind::Weekly,
         {"So Kirche", "Xy Unbekannt", "mo Sport", "Fr Markt"},
         {"mo Sport", "Fr Markt", "So Kirche", "Xy Unbekannt"}},
        {"x-th weekday: the ordinal, then the weekday",
         BlockKind::XthWeekday,
         {"2.So 00 B", "1.Mo 00 A", "1.Sa 00 C"},
         {"1.Mo 00 A", "1.Sa 00 C", "2.So 00 B"}},
        {"every x days: month and day of the start",
         BlockKind::EveryXDays,
         {"05.07.2002 021 Treppe", "01.02.2010 007 Müll"},
         {"01.02.2010 007 Müll", "05.07.2002 021 Treppe"}},
        {"monthly: the line itself, regardless of case",
         BlockKind::Monthly,
         {"+15 b", "-01 Ende", "+01 A"},
         {"+01 A", "+15 b", "-01 Ende"}},
        {"school holidays: the first day",
         BlockKind::SchoolHolidays,
         {"01.08.2024-10.08.2024 Sommer", "20.12.2023-05.01.2024 Weihnachten"},
         {"20.12.2023-05.01.2024 Weihnachten", "01.08.2024-10.08.2024 Sommer"}},
        {"comments and deactivated lines by their own text, unchanged",
         BlockKind::Birthdays,
         {"~01.01.1990 Aus", "05.12.1980 Anna", "* Kommentar"},
         {"* Kommentar", "05.12.1980 Anna", "~01.01.1990 Aus"}},
        {"lines of equal keys keep their order",
         BlockKind::OneTime,
         {"01.01.2024 b", "01.01.2024 B"},
         {"01.01.2024 b", "01.01.2024 B"}},
        // Short lines and keys that start with "~" were once rebuilt from the key, scrambled.
        {"every line comes back as it was",
         BlockKind::Birthdays,
         {"123", "01.~2.1990 Anna", "12"},
         {"12", "123", "01.~2.1990 Anna"}},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sortedBlock(c.block, c.lines), c.expected);
    }
}

TEST(TextSort, BlankLinesGoEverywhereAndNothingElseMoves)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(),
                {"", "* vor dem Block", "   ", header(BlockKind::OneTime), "02.01.2024 B", "", "01.01.2024 A",
                 "@ E N D E", "", "Zeile außerhalb", header(BlockKind::NameDays), "  ", "@ E N D E"});
    std::vector<std::string> expected = infoAreaLines();
    expected.insert(expected.end(),
                    {"* vor dem Block", header(BlockKind::OneTime), "01.01.2024 A", "02.01.2024 B",
                     "@ E N D E", "Zeile außerhalb", header(BlockKind::NameDays), "@ E N D E"});
    const Lines sorted = sortText(cpLines(file));
    EXPECT_EQ(sorted, cpLines(expected));
    EXPECT_EQ(sortText(sorted), sorted) << "sorting twice equals sorting once";
}

TEST(TextSort, BlockWithoutEndLineIsSortedToTheEndOfTheText)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {header(BlockKind::OneTime), "02.01.2024 B", "01.01.2024 A"});
    std::vector<std::string> expected = infoAreaLines();
    expected.insert(expected.end(), {header(BlockKind::OneTime), "01.01.2024 A", "02.01.2024 B"});
    EXPECT_EQ(sortText(cpLines(file)), cpLines(expected));
}

// A block without end line once took the following blocks' comments, header and lines into its
// sort: a name day landed among the birthdays.
TEST(TextSort, BlockWithoutEndLineStopsAtTheCommentsOfTheNextBlock)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(),
                {header(BlockKind::Birthdays), "05.12.1980 Anna", "01.03.1990 Bert", "*", "", "* Namenstage",
                 header(BlockKind::NameDays), "24.06 Johannes", "01.01 Neujahr", "@ E N D E"});
    std::vector<std::string> expected = infoAreaLines();
    expected.insert(expected.end(),
                    {header(BlockKind::Birthdays), "01.03.1990 Bert", "05.12.1980 Anna", "*", "* Namenstage",
                     header(BlockKind::NameDays), "01.01 Neujahr", "24.06 Johannes", "@ E N D E"});
    EXPECT_EQ(sortText(cpLines(file)), cpLines(expected));
}

TEST(SortKey, WeekdayDigitIsMondayBasedAndNineForTheRest)
{
    EXPECT_EQ(weekdayDigit("Mo", 0), '0');
    EXPECT_EQ(weekdayDigit("so", 0), '6');
    EXPECT_EQ(weekdayDigit("1.Fr 00", 2), '4');
    EXPECT_EQ(weekdayDigit("M", 0), '9');
    EXPECT_EQ(weekdayDigit("1.", 2), '9');
}

} // namespace
} // namespace notavi::test
