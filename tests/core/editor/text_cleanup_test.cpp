#include "core/editor/text_cleanup.h"
#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/info_area.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

Lines concat(Lines first, const Lines& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

const std::string kNameDays = BlockCatalogue::headerText(1);
const std::string kYearly = BlockCatalogue::headerText(7);
const Lines kNameDayBlock = {"*", kNameDays, "01.02 Anna", "@ E N D E"};
const Lines kEasterBlock = {"*", "* Osterfestkreis", "*", "OSTERN:", "J Karfreitag", "n Ostermontag",
                            "",  "@ E N D E"};

struct CleanupCase
{
    const char* name;
    Lines input;
    Lines expected;
};

class TextCleanup : public ::testing::TestWithParam<CleanupCase>
{
};

TEST_P(TextCleanup, LeavesExactlyTheExpectedLines)
{
    Lines lines = GetParam().input;
    const bool removed = cleanUpText(lines);
    EXPECT_EQ(lines, GetParam().expected);
    EXPECT_EQ(removed, GetParam().input != GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextCleanup,
    ::testing::Values(
        CleanupCase{"DefaultFileStaysAsItIs", defaultFile(), defaultFile()},
        CleanupCase{"BlankLinesGoEverywhere",
                    concat(concat({"", "   "}, standardInfoArea()),
                           {"*", "", kNameDays, " ", "01.02 Anna ", "@ E N D E", "  "}),
                    concat(standardInfoArea(), {"*", kNameDays, "01.02 Anna ", "@ E N D E"})},
        CleanupCase{"OutdatedBlockGoesWithCommentsAboveAndItsLinesBelow",
                    concat(concat(concat(standardInfoArea(), kNameDayBlock), kEasterBlock), kNameDayBlock),
                    concat(concat(standardInfoArea(), kNameDayBlock), kNameDayBlock)},
        CleanupCase{"EveryOutdatedHeaderInAnyCase",
                    concat(standardInfoArea(), {"uebersicht", "J x", "@", "Advent", "@", "FeierTage", "@",
                                                "*", "Ostern", "@", "ADVEN bleibt"}),
                    concat(standardInfoArea(), {"ADVEN bleibt"})},
        // The comment lines above an outdated block are looked for below the info area only.
        CleanupCase{"InfoAreaStaysWholeAboveAnOutdatedBlock",
                    concat(concat(standardInfoArea(), kEasterBlock), kNameDayBlock),
                    concat(standardInfoArea(), kNameDayBlock)},
        // What follows an outdated block's end line belongs to the user, even when it begins with
        // "J" or "N" like the lines of that block.
        CleanupCase{
            "HeaderRightAfterAnOutdatedBlockStays",
            concat(standardInfoArea(), {"*", "OSTERN", "J a", "@ E N D E", kYearly, "Juni-Termin",
                                        "@ E N D E", kNameDays, "@ E N D E"}),
            concat(standardInfoArea(), {kYearly, "Juni-Termin", "@ E N D E", kNameDays, "@ E N D E"})},
        CleanupCase{"OutdatedBlockWithoutEndLineStopsAtTheNextHeader",
                    concat(standardInfoArea(), {"ADVENT", "J a", "N b", kNameDays, "@ E N D E"}),
                    concat(standardInfoArea(), {kNameDays, "@ E N D E"})},
        CleanupCase{"EmptyTextStaysEmpty", Lines{}, Lines{}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(TextCleanupBytes, KeepsEveryByteOfTheLinesThatStay)
{
    const std::string odd("01.02 A\0nna\xFF\t\x81", 14);
    Lines lines = concat(standardInfoArea(), {"", odd, "\t"});
    cleanUpText(lines);
    EXPECT_EQ(lines, concat(standardInfoArea(), {odd, "\t"}));
}

} // namespace
} // namespace notavi
