// The order of the view: by day, a day's entries before its separator line, then by text as bytes;
// equal texts keep the order in which they were made. The evaluation gets there by counting, a list
// made elsewhere by ViewEntries::sort; both are held against the defined order.

#include "support/engine_harness.h"

#include <algorithm>
#include <random>
#include <stdexcept>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::date;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> daysTextsAndLines(const ViewEntries& entries)
{
    std::vector<std::string> out;
    for (const ViewEntry e : entries)
        out.push_back(e.sortKey() + "|" + e.text() + "|" + std::to_string(e.sourceLine));
    return out;
}

TEST(ViewEntriesSort, ByDayThenTextBytesWithEqualTextsInTheirOrder)
{
    ViewEntries entries;
    entries.add(date("08.12.2026"), "Morgen b", 1);
    entries.addSeparator(date("07.12.2026"));
    entries.add(date("07.12.2026"), "Heute \xE4", 2);
    entries.add(date("07.12.2026"), "Heute Z", 3);
    entries.add(date("07.12.2026"), "Heute", 4);
    entries.add(date("07.12.2026"), "Heute Z", 5);
    entries.add(date("01.01.2027"), "Am 01.01.2027 x", 6);
    entries.add(date("07.12.2026"), "Heute a", 7);
    entries.add(date("07.12.2026"), std::string("Heute", 5) + '\0', 8); // NUL after the shorter text
    entries.sort();
    EXPECT_THAT(daysTextsAndLines(entries),
                ElementsAre("20261207 |Heute|4", std::string("20261207 |Heute\0|8", 18),
                            "20261207 |Heute Z|3", "20261207 |Heute Z|5", "20261207 |Heute a|7",
                            "20261207 |Heute \xE4|2", "202612079||2147483647", "20261208 |Morgen b|1",
                            "20270101 |Am 01.01.2027 x|6"));
}

TEST(ViewEntriesSort, DaysFarApartAndEmptyLists)
{
    ViewEntries entries;
    entries.add(date("31.12.9999"), "b");
    entries.add(date("01.01.0001"), "a");
    entries.add(date("01.01.0001"), "A");
    entries.sort();
    EXPECT_THAT(daysTextsAndLines(entries),
                ElementsAre("00010101 |A|2147483646", "00010101 |a|2147483646", "99991231 |b|2147483646"));
    ViewEntries none;
    none.sort();
    EXPECT_THAT(none, IsEmpty());
}

// Copies and moved-from lists are lists of their own: what one adds or clears, the other never sees.
TEST(ViewEntriesSort, CopiesAndMovedFromListsAreIndependent)
{
    test::EngineHarness h = test::EngineHarness::userBlocksOnly();
    h.options.separatorLines = true;
    const test::HarnessRun run =
        h.run(test::fileWithBlock("Wöchentliche Termine:", {"Mo Kegeln"}), "07.12.2026", 1);
    ViewEntries evaluated = run.result.entries;
    ASSERT_EQ(evaluated.size(), 7u);
    ViewEntries copy = evaluated;
    copy.add(date("06.12.2026"), "Gestern", 4, 99, 2);
    copy.sort();
    EXPECT_EQ(copy.front().text(), "Gestern");
    EXPECT_EQ(copy.front().colour, 0) << "a colour code out of range counts as none";
    EXPECT_EQ(copy[1].text(), test::cp("Am Montag, dem 07.12.2026 Kegeln"));
    EXPECT_EQ(copy[1].sourceLine, 12);
    EXPECT_EQ(evaluated, run.result.entries) << "the evaluated list is untouched";
    EXPECT_THROW(copy.add(date("06.12.2026"), "x", 4, 0, kBlockCount), std::invalid_argument);

    ViewEntries moved = std::move(copy);
    copy.add(date("01.01.2027"), "neu", 5); // NOLINT(bugprone-use-after-move): valid, empty again
    copy.addSeparator(date("01.01.2027"));
    EXPECT_THAT(daysTextsAndLines(copy), ElementsAre("20270101 |neu|5", "202701019||2147483647"));
    EXPECT_EQ(moved.size(), 8u);
    evaluated.clear();
    EXPECT_EQ(moved[1].text(), test::cp("Am Montag, dem 07.12.2026 Kegeln"));
}

// The defined order, with ties broken by the source line: in a file of one-time and weekly lines
// the entries are made in the order of the lines.
bool definedOrder(const ViewEntry& a, const ViewEntry& b)
{
    if (a.day != b.day)
        return a.day < b.day;
    if (a.isSeparator() != b.isSeparator())
        return b.isSeparator();
    if (const int byText = a.text().compare(b.text()); byText != 0)
        return byText < 0;
    return a.sourceLine < b.sourceLine;
}

// Texts that agree over long stretches, with NULs, upper-half bytes and repeats across lines.
std::string randomText(std::mt19937& random)
{
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const std::string alphabet = std::string("ab \xFC", 4) + std::string(1, '\0') + "Z";
    std::string text;
    for (int length = pick(40); length > 0; --length)
        text += pick(8) == 0 ? alphabet[static_cast<std::size_t>(pick(6))] : 'a';
    return text;
}

TEST(ViewOrder, EvaluatedViewsFollowTheDefinedOrder)
{
    std::mt19937 random(11);
    for (int round = 0; round < 12; ++round) {
        Lines lines = test::cpLines(test::infoAreaLines());
        lines.push_back(test::cp("Wöchentliche Termine:  Wo [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]"
                                 "Ereignis"));
        const char* weekdays[] = {"Mo ", "Di ", "Mi ", "Do ", "Fr ", "Sa ", "So "};
        for (int i = 0; i < 60; ++i)
            lines.push_back(weekdays[random() % 7] + randomText(random));
        lines.push_back("@ E N D E");
        lines.push_back(test::cp("Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis"));
        for (int i = 0; i < 200; ++i)
            lines.push_back(formatDate(date("01.01.2025") + static_cast<int>(random() % 365)) + " " +
                            randomText(random));
        lines.push_back("@ E N D E");

        test::EngineHarness h = test::EngineHarness::userBlocksOnly();
        h.options.separatorLines = round % 2 == 0;
        for (int view : {0, 2, 4}) {
            const test::HarnessRun run = h.runLines(lines, date("15.03.2025"), view);
            const ViewEntries& view_ = run.result.entries;
            ASSERT_FALSE(view_.empty());
            EXPECT_TRUE(std::is_sorted(view_.begin(), view_.end(), definedOrder)) << round << "/" << view;
            EXPECT_FALSE(view_.back().isSeparator());
            ViewEntries resorted = view_;
            resorted.sort();
            EXPECT_EQ(resorted, view_);
        }
    }
}

} // namespace
} // namespace notavi
