// Every line the dialog writes reads back into a form that writes the same line again.

#include "core/dialogs/entry_line_compose.h"
#include "core/dialogs/entry_line_decompose.h"
#include "core/model/block_catalogue.h"
#include "dialog_test_values.h"

#include <map>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi::test {
namespace {

using ::testing::IsEmpty;

const std::map<int, std::vector<std::string>> kDateParts = {
    {0, {"01.05.1980", "01.05.9999", "29.02.2024", "31.12.0001"}},
    {1, {"29.02", "01.01", "31.12"}},
    {2, {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}},
    {3, {"15.06.2025", "29.02.2024"}},
    {4, {"15.06.2025"}},
    {5, {"31.01.2030"}},
    {6, {"+01", "+31", "-01", "-31"}},
    {7, {"99.02", "29.02", "01.03"}},
    {8, {"09.09.1999"}},
    {9, {"1.Mo 00", "5.So 12", "9.Mi 07"}},
    {10, {"05.07.2002 001", "05.07.2002 007", "05.07.2002 020", "05.07.2002 994", "05.07.2002 999"}},
    {11, {"01.08.2025-15.08.2025", "01.08.2025-01.08.2025", "01.08.2020-05.08.2020"}},
    {12, {"15.06.2025", "01.01.2000"}},
};

const std::vector<std::string> kPeriods = {"", " ~01.01.2025-31.12.2025~", " ~01.07.2020-01.07.2020~"};
const std::vector<std::string> kAlarms = {"", " ~00:00~", " ~23:59~"};
const std::vector<std::string> kColours = {"", " ~01~", " ~17~"};

std::vector<std::string> textsOf(int block)
{
    if (block == blockNumber(BlockKind::SinceYears))
        return {" haben wir unseren |. Hochzeitstag!", " seit  | Jahren|mit Bar", " x |y"};
    return {" Anna", " Zahn\xE4rztin  Dr. M\xFCller ", " a|b ~05~"};
}

bool takesPeriod(int block)
{
    return block != blockNumber(BlockKind::SchoolHolidays) && block != blockNumber(BlockKind::OneTime);
}

std::vector<std::string> linesOf(int block)
{
    std::vector<std::string> lines;
    for (const std::string& datePart : kDateParts.at(block))
        for (bool holidayFlag : {false, true})
            for (const std::string& period : takesPeriod(block) ? kPeriods : std::vector<std::string>{""})
                for (const std::string& alarm : kAlarms)
                    for (const std::string& colour : kColours)
                        for (const std::string& text : textsOf(block))
                            for (bool deactivated : {false, true})
                                lines.push_back((deactivated ? "~" : "") + datePart +
                                                (holidayFlag ? " ~F~" : "") + period + alarm + colour + text);
    return lines;
}

const AcceptedQuestions kAllAccepted = AcceptedQuestions{}
                                           .with(EntryQuestion::PastHoliday)
                                           .with(EntryQuestion::PastOneTime)
                                           .with(EntryQuestion::PastPeriodEnd);

TEST(EntryLineRoundTrip, EveryBlockAndOptionCombination)
{
    std::size_t checked = 0;
    for (int block = 0; block < kUserBlockCount; ++block) {
        for (const std::string& line : linesOf(block)) {
            SCOPED_TRACE(line);
            const DecomposedLine read = decompose(block, line, kToday, kMinuteNow);
            EXPECT_THAT(read.warnings, IsEmpty());
            const ComposeResult written = compose(read.form, kToday, kAllAccepted);
            ASSERT_EQ(written.kind, ComposeResult::Kind::Line) << written.message;
            ASSERT_EQ(written.line, line);
            ++checked;
        }
    }
    EXPECT_GT(checked, 5000u);
}

} // namespace
} // namespace notavi::test
