#include "core/editor/holiday_file.h"
#include "core/editor/holiday_merge.h"
#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "support/engine_harness.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::cpLines;
using test::fileWithBlock;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::string kHeader = BlockCatalogue::headerText(blockNumber(BlockKind::SchoolHolidays));
const std::string kEnd = "@ E N D E";
const Lines kBerlin = {"26.10.2026-07.11.2026 Herbstferien", "23.12.2026-02.01.2027 Weihnachtsferien",
                       "29.03.2027-09.04.2027 Osterferien"};
const std::string kOlder = "06.07.2026-15.08.2026 Sommerferien";

// Records the questions and answers them from a script; Yes once the script is used up.
struct Answers
{
    std::vector<bool> script;
    Lines asked;

    DuplicateQuestion question()
    {
        return [this](const std::string& line) {
            asked.push_back(line);
            return asked.size() > script.size() || script[asked.size() - 1];
        };
    }
};

Lines fileWithHolidays(const std::vector<std::string>& lines)
{
    return cpLines(fileWithBlock(kHeader, lines));
}

std::size_t headerIndex(const Lines& lines)
{
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), kHeader) - lines.begin());
}

std::size_t holidayBlockCount(const Lines& lines)
{
    return static_cast<std::size_t>(std::ranges::count_if(lines, [](const std::string& line) {
        return BlockCatalogue::headerBlock(line) == blockNumber(BlockKind::SchoolHolidays);
    }));
}

// The entry texts of the next four weeks from 20.10.2026 (the Berlin autumn holidays begin on the 26th).
std::vector<std::string> autumnView(Lines lines)
{
    return test::EngineHarness::userBlocksOnly()
        .runLines(std::move(lines), test::date("20.10.2026"), 1)
        .entryTexts();
}

TEST(HolidayMerge, NewLinesStandBelowTheHeaderInFileOrderAboveTheOlderOnes)
{
    Lines text = fileWithHolidays({kOlder});
    Answers answers;
    const HolidayEdit edit = planHolidayImport(text, kBerlin, answers.question());
    EXPECT_THAT(edit.appendedBlock, IsEmpty());
    EXPECT_EQ(edit.merge.insertAt, headerIndex(text) + 1);
    edit.applyTo(text);
    const auto header = text.begin() + static_cast<std::ptrdiff_t>(headerIndex(text));
    EXPECT_THAT(Lines(header, text.end()),
                ElementsAre(kHeader, kBerlin[0], kBerlin[1], kBerlin[2], kOlder, kEnd));
    EXPECT_THAT(answers.asked, IsEmpty());
}

TEST(HolidayMerge, SameStateTwiceImportsNothing)
{
    Lines text = fileWithHolidays({kOlder});
    Answers answers;
    planHolidayImport(text, kBerlin, answers.question()).applyTo(text);
    const Lines once = text;
    const HolidayEdit again = planHolidayImport(text, kBerlin, answers.question());
    EXPECT_THAT(again.merge.inserted, IsEmpty());
    EXPECT_EQ(again.merge.duplicates, kBerlin);
    EXPECT_EQ(answers.asked, kBerlin);
    EXPECT_FALSE(again.merge.stopped);
    again.applyTo(text);
    EXPECT_EQ(text, once);
}

TEST(HolidayMerge, NoAtADuplicateEndsTheImport)
{
    const Lines text = fileWithHolidays({kBerlin[1]});
    Answers answers{{false}, {}};
    const HolidayEdit edit = planHolidayImport(text, kBerlin, answers.question());
    EXPECT_THAT(edit.merge.inserted, ElementsAre(kBerlin[0]));
    EXPECT_THAT(edit.merge.duplicates, ElementsAre(kBerlin[1]));
    EXPECT_TRUE(edit.merge.stopped);
}

TEST(HolidayMerge, StateNameSuffixMakesALineOfItsOwn)
{
    const HolidayFile file({"2026/2027", "Berlin", "29.03.2027-09.04.2027 Osterferien"});
    Lines text = fileWithHolidays({"29.03.2027-09.04.2027 Osterferien"});
    Answers answers;
    const Lines withName = holidayLinesToImport(file, "Berlin", true);
    ASSERT_THAT(withName, ElementsAre("29.03.2027-09.04.2027 Osterferien in Berlin"));
    const HolidayEdit first = planHolidayImport(text, withName, answers.question());
    EXPECT_EQ(first.merge.inserted, withName) << "a line without the suffix is no duplicate";
    first.applyTo(text);
    EXPECT_THAT(planHolidayImport(text, withName, answers.question()).merge.inserted, IsEmpty());
    EXPECT_THAT(planHolidayImport(text, holidayLinesToImport(file, "Berlin", false), answers.question())
                    .merge.inserted,
                IsEmpty());
    EXPECT_EQ(answers.asked.size(), 2u);
}

TEST(HolidayMerge, ALineTwiceInTheHolidayFileIsImportedOnce)
{
    const Lines text = fileWithHolidays({});
    Answers answers;
    const HolidayEdit edit = planHolidayImport(text, {kBerlin[0], kBerlin[0]}, answers.question());
    EXPECT_THAT(edit.merge.inserted, ElementsAre(kBerlin[0]));
    EXPECT_THAT(answers.asked, ElementsAre(kBerlin[0]));
}

TEST(HolidayMerge, LinesBelowTheEndLineAreNoDuplicates)
{
    Lines text = fileWithHolidays({});
    text.push_back(kBerlin[0]);
    Answers answers;
    EXPECT_THAT(planHolidayImport(text, {kBerlin[0]}, answers.question()).merge.inserted,
                ElementsAre(kBerlin[0]));
}

TEST(HolidayMerge, MissingBlockIsAppendedFromTheTemplateFirst)
{
    Lines text = cpLines(fileWithBlock("Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis", {}));
    const std::size_t before = text.size();
    Answers answers;
    const HolidayEdit edit = planHolidayImport(text, kBerlin, answers.question());
    Lines block;
    appendBlock(block, blockNumber(BlockKind::SchoolHolidays));
    EXPECT_EQ(edit.appendedBlock, block);
    edit.applyTo(text);
    EXPECT_EQ(edit.merge.insertAt, headerIndex(text) + 1);
    EXPECT_EQ(text.size(), before + block.size() + kBerlin.size());
    EXPECT_THAT(Lines(text.end() - 5, text.end()),
                ElementsAre(kHeader, kBerlin[0], kBerlin[1], kBerlin[2], kEnd));
    EXPECT_THAT(autumnView(text), Contains(HasSubstr("beginnen die Herbstferien.")));
}

TEST(HolidayMerge, GoesIntoTheBlockTheViewReads)
{
    // Two blocks: the view evaluates the last one, so that is the one to fill.
    Lines text = fileWithHolidays({kOlder});
    const Lines second = fileWithHolidays({});
    text.insert(text.end(), second.begin() + 11, second.end());
    Answers answers;
    const HolidayEdit edit = planHolidayImport(text, kBerlin, answers.question());
    EXPECT_EQ(edit.merge.insertAt, text.size() - 1);
    edit.applyTo(text);
    EXPECT_THAT(autumnView(text), Contains(HasSubstr("beginnen die Herbstferien.")));
}

TEST(HolidayListImport, EmptyListMeansTheDefaultFileJustWritten)
{
    Answers answers;
    const HolidayListImport result = importHolidaysIntoList({}, kBerlin, answers.question());
    EXPECT_FALSE(result.blockAppended);
    EXPECT_EQ(holidayBlockCount(result.lines), 1u);
    EXPECT_EQ(result.lines.size(), defaultFile().size() + kBerlin.size());
    EXPECT_THAT(autumnView(result.lines), Contains(HasSubstr("beginnen die Herbstferien.")));
}

TEST(HolidayListImport, ListWithoutBlockGetsOne)
{
    Answers answers;
    Lines list = defaultFile();
    const std::size_t header = headerIndex(list);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(header) - 7,
               list.begin() + static_cast<std::ptrdiff_t>(header) + 2);
    ASSERT_EQ(holidayBlockCount(list), 0u);
    const HolidayListImport result = importHolidaysIntoList(list, kBerlin, answers.question());
    EXPECT_TRUE(result.blockAppended);
    EXPECT_EQ(holidayBlockCount(result.lines), 1u);
    EXPECT_THAT(autumnView(result.lines), Contains(HasSubstr("beginnen die Herbstferien.")));
}

} // namespace
} // namespace notavi
