#include "core/editor/holiday_file.h"
#include "core/editor/holiday_import_messages.h"
#include "support/engine_harness.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::cp;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

HolidayFile parse(std::string_view utf8)
{
    return HolidayFile(splitLines(cp(utf8)));
}

const std::string_view kTwoStates = "2026/2027\r\n"
                                    "Berlin\r\n"
                                    "26.10.2026-07.11.2026 Herbstferien\r\n"
                                    "23.12.2026-02.01.2027 Weihnachtsferien\r\n"
                                    "\r\n"
                                    "29.03.2027-09.04.2027 Osterferien\r\n"
                                    "Überland\r\n"
                                    "12.10.2026-24.10.2026 Herbstferien\r\n"
                                    "- - -\r\n"
                                    "ändern\r\n";

TEST(HolidayFile, StatesInFileOrderWithUmlauts)
{
    EXPECT_THAT(parse(kTwoStates).states(), ElementsAre("Berlin", cp("Überland"), cp("ändern")));
}

TEST(HolidayFile, SectionEndsAtTheFirstLineWithoutDigit)
{
    const HolidayFile file = parse(kTwoStates);
    EXPECT_THAT(file.holidaysOf("Berlin"),
                ElementsAre("26.10.2026-07.11.2026 Herbstferien", "23.12.2026-02.01.2027 Weihnachtsferien"));
    EXPECT_THAT(file.holidaysOf(cp("Überland")), ElementsAre("12.10.2026-24.10.2026 Herbstferien"));
    EXPECT_THAT(file.holidaysOf(cp("ändern")), IsEmpty());
}

TEST(HolidayFile, StateMatchesOnlyAWholeStateLine)
{
    const HolidayFile file = parse(kTwoStates);
    EXPECT_THAT(file.holidaysOf("Hamburg"), IsEmpty());
    EXPECT_THAT(file.holidaysOf("berlin"), IsEmpty());
    EXPECT_THAT(file.holidaysOf("Berli"), IsEmpty());
    // The empty line before the Easter holidays is no state.
    EXPECT_THAT(file.holidaysOf(""), IsEmpty());
}

TEST(HolidayFile, NameAppendedOnRequest)
{
    const HolidayFile file = parse(kTwoStates);
    EXPECT_THAT(holidayLinesToImport(file, "Berlin", true),
                ElementsAre("26.10.2026-07.11.2026 Herbstferien in Berlin",
                            "23.12.2026-02.01.2027 Weihnachtsferien in Berlin"));
    EXPECT_EQ(holidayLinesToImport(file, "Berlin", false), file.holidaysOf("Berlin"));
}

TEST(HolidayFile, CaptionNamesTheSchoolYearOnlyWithSlash)
{
    EXPECT_EQ(holidayImportCaption(parse(kTwoStates).schoolYear()),
              cp("Ferien für das Schuljahr 2026/2027 importieren"));
    EXPECT_EQ(holidayImportCaption(parse("Schuljahr 2026\r\nBerlin\r\n").schoolYear()), "Ferien importieren");
    EXPECT_EQ(holidayImportCaption(parse("").schoolYear()), "Ferien importieren");
}

TEST(HolidayFile, DamagedInputYieldsWhatIsReadable)
{
    using namespace std::string_literals;
    const HolidayFile file(
        splitLines("\x00\xFF\x01garbage\rBerlin\n01.01.2027-02.01.2027 Neujahr\x00\x81\r\n\xE4rger"s));
    EXPECT_THAT(file.states(), ElementsAre("Berlin", "\xE4rger"));
    EXPECT_THAT(file.holidaysOf("Berlin"), ElementsAre("01.01.2027-02.01.2027 Neujahr\x00\x81"s));
}

TEST(HolidayFile, UnreadableFilesAreNone)
{
    test::TempDir dir;
    dir.write("ferien.fer", cp(kTwoStates));
    EXPECT_TRUE(readHolidayFile(diskFileSystem(), dir / "ferien.fer"));
    EXPECT_FALSE(readHolidayFile(diskFileSystem(), dir / "fehlt.fer"));
    EXPECT_FALSE(readHolidayFile(diskFileSystem(), dir.path()));
}

} // namespace
} // namespace notavi
