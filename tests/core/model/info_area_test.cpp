#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/info_area.h"
#include "core/model/info_texts.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

const std::string kBirthdays = BlockCatalogue::headerText(0);
const std::string kNameDays = BlockCatalogue::headerText(1);
const std::string kYearly = BlockCatalogue::headerText(7);
const std::string kSeparator(defaultFile()[11]);

Lines concat(Lines first, const Lines& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Lines withInfoArea(const Lines& body)
{
    return concat(standardInfoArea(), body);
}

Lines infoAreaWithLine(std::size_t index, std::string line)
{
    Lines area = standardInfoArea();
    area[index] = std::move(line);
    return area;
}

const Lines kBody = {kSeparator, kBirthdays, "01.02.1970 Anna", "@ E N D E"};

struct RepairCase
{
    const char* name;
    Lines input;
    Lines expected;
    bool corrected;
};

std::vector<RepairCase> repairCases()
{
    const Lines olderInfoArea = {
        "*",
        "*    Notavi 7.00",
        "*",
        "*    Freeware 1999-2005",
        "*",
        "*    Entwickelt von Jemandem",
        "*    P o s t f a c h   12 34",
        "*    H a u p t s t r a s s e   5",
        "*",
        "*    E-Mail: alt@example.org",
        "*",
        "*",
        "*",
    };
    const Lines defaults = defaultFile();
    return {
        {"CurrentFile", withInfoArea(kBody), withInfoArea(kBody), false},
        {"DefaultFile", defaultFile(), defaultFile(), false},
        {"TrailingBlanksOnStarLines", concat(infoAreaWithLine(0, "*   "), kBody),
         concat(infoAreaWithLine(0, "*   "), kBody), false},
        {"OlderVersionNumber", concat(infoAreaWithLine(1, "*    Notavi 8.10"), kBody), withInfoArea(kBody),
         true},
        {"SpacedOlderVersion", concat(infoAreaWithLine(1, "*    N O T A V I   8 . 0 0"), kBody),
         withInfoArea(kBody), true},
        {"OlderNotice", concat(infoAreaWithLine(3, "*    Freeware 1999-2009"), kBody), withInfoArea(kBody),
         true},
        {"SpacedOlderNotice", concat(infoAreaWithLine(3, "*    F r e e w a r e"), kBody), withInfoArea(kBody),
         true},
        {"SpacedOlderMaker", concat(infoAreaWithLine(5, std::string(kOlderSpacedMakerLine) + "e r k"), kBody),
         withInfoArea(kBody), true},
        {"OlderInfoAreaPushedDownAndRemoved", concat(olderInfoArea, concat({"*", "*", "*"}, kBody)),
         withInfoArea(kBody), true},
        {"BlocksOnly",
         {kBirthdays, "01.02.1970 Anna", "@ E N D E"},
         withInfoArea({kBirthdays, "01.02.1970 Anna", "@ E N D E"}),
         true},
        {"BlocksOnlyAsWrittenByTheProgram", Lines(defaults.begin() + 8, defaults.end()), defaults, true},
        {"FewerThanElevenLines", {"*", "*    Notavi 9.00"}, standardInfoArea(), true},
        {"EmptyFile", {}, standardInfoArea(), true},
        {"BlankLinesAfterTheInfoArea",
         withInfoArea({kSeparator, "", kBirthdays, "   ", "01.02.1970 Anna", "", "@ E N D E", "  "}),
         withInfoArea(kBody), true},
        {"StarLinesAtLine12", withInfoArea(concat({"*", "*  ", "*"}, kBody)), withInfoArea(kBody), true},
        {"OlderPrefixKeptWhenTheAreaWasIntact",
         withInfoArea({"*    Notavi-Treffen", kBirthdays, "@ E N D E"}),
         withInfoArea({"*    Notavi-Treffen", kBirthdays, "@ E N D E"}), false},
        {"OlderBlockRemovedWithItsComments",
         withInfoArea(concat(kBody, {"*", "* Osterfeiertage", "OSTERN-Tage", "J", "n", "@ E N D E",
                                     kSeparator, kNameDays, "@ E N D E"})),
         withInfoArea(concat(kBody, {kSeparator, kNameDays, "@ E N D E"})), true},
        {"EveryKindOfOlderBlock",
         withInfoArea(concat(
             kBody, {"Uebersicht", "J", "", "@", "ostern", "  ", "@", "Advent", "N", "@", "FEIERTAGE", "@"})),
         withInfoArea(kBody), true},
        // The backward deletion must stop at the info area.
        {"OlderBlockRightBelowTheInfoArea", withInfoArea(concat({"OSTERN", "J", "@ E N D E"}, kBody)),
         withInfoArea(kBody), true},
        // The forward deletion stops after the end line of the older block ...
        {"BlockAfterTheOlderBlockSurvives",
         withInfoArea({"OSTERN", "J", "@ E N D E", kNameDays, "01.01 Anna", "@ E N D E"}),
         withInfoArea({kNameDays, "01.01 Anna", "@ E N D E"}), true},
        // ... and at a header line, though yearly and name-day headers begin with "J" and "N".
        {"HeaderAfterAnUnclosedOlderBlockSurvives",
         withInfoArea({"ADVENT", "J", kYearly, "01.05 Maifeiertag", "@ E N D E"}),
         withInfoArea({kYearly, "01.05 Maifeiertag", "@ E N D E"}), true},
    };
}

void PrintTo(const RepairCase& c, std::ostream* out)
{
    *out << c.name;
}

class InfoAreaRepair : public ::testing::TestWithParam<RepairCase>
{
};

TEST_P(InfoAreaRepair, RepairsAsExpected)
{
    Lines lines = GetParam().input;
    EXPECT_EQ(repairInfoArea(lines), GetParam().corrected);
    EXPECT_EQ(lines, GetParam().expected);
}

TEST_P(InfoAreaRepair, SecondRunChangesNothing)
{
    Lines lines = GetParam().input;
    repairInfoArea(lines);
    const Lines once = lines;
    EXPECT_FALSE(repairInfoArea(lines));
    EXPECT_EQ(lines, once);
}

INSTANTIATE_TEST_SUITE_P(Cases, InfoAreaRepair, ::testing::ValuesIn(repairCases()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(InfoArea, OlderPrefixLinesGoOnlyWhenTheAreaWasRepaired)
{
    Lines lines = {kBirthdays, "*    E-Mail: alt@example.org", "*    Notavi-Treffen", "@ E N D E"};
    EXPECT_TRUE(repairInfoArea(lines));
    EXPECT_EQ(lines, withInfoArea({kBirthdays, "@ E N D E"}));
}

TEST(InfoArea, LongFileIsRepairedInOnePass)
{
    Lines body;
    for (int i = 0; i < 200000; ++i) {
        body.emplace_back(i % 2 == 0 ? "" : "01.01 Anna");
        if (i % 1000 == 0)
            body.insert(body.end(), {"*", "OSTERN", "J", "@"});
    }
    Lines lines = withInfoArea(body);
    EXPECT_TRUE(repairInfoArea(lines));
    EXPECT_EQ(lines.size(), 11u + 100000u);
}

} // namespace
} // namespace notavi
